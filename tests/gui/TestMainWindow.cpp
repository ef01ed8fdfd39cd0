#include "ProgramDir.h"
#include "app/MainWindow.h"
#include "app/ProcessValues.h"
#include "app/UserPrompt.h"
#include "editor/ParamText.h"
#include "project/CLedProject.h"
#include "serial/QSerialThread.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLCDNumber>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void titleAndSaveAction();
    void moveActionsAtTheEnds();
    void pageLimitAndLastPage();
    void recentMenu();
    void cancelInSavePromptKeepsEverything();
    void drops();
    void lampQuestion_data();
    void lampQuestion();
    void totalDigitsClampDecimals();
    void preview_data();
    void preview();
    void paramTextIsUpperCasedAndFiltered();
    void sessionComesBack();
    void statusBarWithoutProject();
    void deletedRecentFileIsHidden();
    void keyQuestionRefused();
    void geometryOffScreenIsCentred();
    void portListReadAtStartIsTakenWhenShown();

private:
    QAction* action(const char* name) const
    {
        return m_window->findChild<QAction*>(QLatin1String(name));
    }
    template <typename T> T* widget(const char* name) const
    {
        return m_window->findChild<T*>(QLatin1String(name));
    }
    // File New, accepting the PLC link settings dialog as it opens.
    void newProject()
    {
        UserPrompt::queueDialogAction([](QDialog& dialog) {
            dialog.findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
            return dialog.result();
        });
        action("action_file_new")->trigger();
    }
    void selectRow(int row)
    {
        auto* table = widget<QTableWidget>("tableWidget");
        table->setCurrentCell(row, 1);
    }

    std::unique_ptr<ProgramDir> m_dir;
    std::unique_ptr<MainWindow> m_window;
};

void TestMainWindow::init()
{
    UserPrompt::clear();
    UserPrompt::setUnattended(true); // no box may wait for a user here
    m_dir = std::make_unique<ProgramDir>();
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    QVERIFY(UserPrompt::messages().isEmpty()); // the data files were found
}

void TestMainWindow::cleanup()
{
    if (m_window && m_window->currentProject())
        m_window->currentProject()->isModified = false;
    m_window.reset();
    m_dir.reset();
}

void TestMainWindow::titleAndSaveAction()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Segmo"));
    newProject();
    QCOMPARE(m_window->windowTitle(), QString::fromUtf8("Segmo  * [未保存]"));
    QVERIFY(action("action_file_save")->isEnabled());

    const QString chosen = m_dir->path(QStringLiteral("Line-A"));
    UserPrompt::queueFileName(chosen);
    action("action_file_save")->trigger();
    const QString saved = chosen + QStringLiteral(".kavio");
    QVERIFY(QFile::exists(saved)); // the case of the chosen name is kept
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Segmo  [%1]").arg(saved));
    QVERIFY(!action("action_file_save")->isEnabled());

    widget<QLineEdit>("m_Describe")->setText(QStringLiteral("speed"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Segmo  * [%1]").arg(saved));
    QVERIFY(action("action_file_save")->isEnabled());
}

void TestMainWindow::moveActionsAtTheEnds()
{
    newProject();
    action("action_frame_add")->trigger();
    action("action_frame_add")->trigger();
    selectRow(0);
    QVERIFY(!action("action_frame_move_up")->isEnabled());
    QVERIFY(!action("action_frame_move_topall")->isEnabled());
    QVERIFY(action("action_frame_move_down")->isEnabled());
    selectRow(2);
    QVERIFY(action("action_frame_move_up")->isEnabled());
    QVERIFY(!action("action_frame_move_down")->isEnabled());
    QVERIFY(!action("action_frame_move_downall")->isEnabled());

    action("action_frame_move_topall")->trigger();
    QCOMPARE(m_window->currentProject()->pageParamText(0), QStringLiteral("02"));
    QCOMPARE(widget<QTableWidget>("tableWidget")->item(0, 1)->text(), QStringLiteral("02"));
}

void TestMainWindow::pageLimitAndLastPage()
{
    newProject();
    action("action_frame_del")->trigger();
    QCOMPARE(UserPrompt::messages().last(), QString::fromUtf8("最后一个画面不允许删除！"));
    QCOMPARE(m_window->currentProject()->pageCount(), 1);
    for (int i = 1; i < CLedProject::kMaxPages; ++i)
        action("action_frame_add")->trigger();
    QCOMPARE(m_window->currentProject()->pageCount(), 100);
    action("action_frame_add")->trigger();
    action("action_frame_copy")->trigger();
    QCOMPARE(m_window->currentProject()->pageCount(), 100);
    QCOMPARE(UserPrompt::messages().last(), QString::fromUtf8("页面数量不能超过 100 个！"));
}

void TestMainWindow::recentMenu()
{
    auto visibleRecent = [this] {
        QStringList texts;
        for (QAction* a : m_window->findChild<QMenu*>(QStringLiteral("menu_file"))->actions()) {
            if (a->isVisible() && a->text().startsWith(QLatin1Char('&')))
                texts.append(a->text());
        }
        return texts;
    };
    QVERIFY(visibleRecent().isEmpty());
    newProject();
    const QString path = m_dir->path(QStringLiteral("first.kavio"));
    UserPrompt::queueFileName(path);
    action("action_file_saveas")->trigger();
    QCOMPARE(visibleRecent(), QStringList{QStringLiteral("&1 ") + QDir::toNativeSeparators(path)});

    // A file that is no longer a project is removed when its entry is chosen.
    QFile broken(path);
    QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("not a project");
    broken.close();
    QVERIFY(m_window->openProject(path, false) == false);
    QVERIFY(visibleRecent().isEmpty());
    QVERIFY(!m_window->currentProject());
    QCOMPARE(UserPrompt::messages().last(),
             QString::fromUtf8("[101] 打开工程失败：无效的文件格式！"));
}

void TestMainWindow::cancelInSavePromptKeepsEverything()
{
    newProject();
    UserPrompt::queueAnswer(QMessageBox::Cancel);
    QVERIFY(!m_window->close());
    QVERIFY(m_window->currentProject());
    QVERIFY(m_window->currentProject()->isModified);
    QSettings positions(m_dir->path(QStringLiteral("LedPos.ini")), QSettings::IniFormat);
    QVERIFY(positions.contains(QStringLiteral("MainWindow/size")));
    QVERIFY(positions.contains(QStringLiteral("MainWindow/col1")));

    UserPrompt::queueAnswer(QMessageBox::No);
    QVERIFY(m_window->close());
    QVERIFY(!m_window->currentProject());
}

void TestMainWindow::drops()
{
    const QString demo = QStringLiteral(SEGMO_SOURCE_DIR "/examples/demo.kavio");
    QMimeData text;
    text.setText(demo);
    QVERIFY(!m_window->openDropped(&text));
    QVERIFY(!m_window->currentProject());

    QMimeData file;
    file.setUrls({QUrl::fromLocalFile(demo)});
    QVERIFY(m_window->openDropped(&file));
    QVERIFY(m_window->currentProject());
    QCOMPARE(m_window->currentProject()->pageCount(), 5);
    QCOMPARE(widget<QTableWidget>("tableWidget")->rowCount(), 5);
    QVERIFY(!m_window->currentProject()->isModified);
}

void TestMainWindow::lampQuestion_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes moves the lamp") << true;
    QTest::newRow("No leaves it") << false;
}

void TestMainWindow::lampQuestion()
{
    QFETCH(bool, yes);
    newProject();
    action("action_frame_add")->trigger();
    action("action_frame_add")->trigger();
    selectRow(2);
    widget<QComboBox>("m_TLight")->setCurrentIndex(3);
    QCOMPARE(m_window->currentProject()->pageOfTLamp(3), 2);

    UserPrompt::queueFileName(m_dir->path(QStringLiteral("lamps.kavio")));
    action("action_file_save")->trigger();
    selectRow(1);
    UserPrompt::queueAnswer(yes ? QMessageBox::Yes : QMessageBox::No);
    widget<QComboBox>("m_TLight")->setCurrentIndex(3);
    QCOMPARE(UserPrompt::messages().last(),
             QString::fromUtf8("当前序号 T3 已经被 2:02 使用,是否继续操作？"));
    QCOMPARE(m_window->currentProject()->pageOfTLamp(3), yes ? 1 : 2);
    QCOMPARE(widget<QComboBox>("m_TLight")->currentIndex(), yes ? 3 : 0);
    QCOMPARE(m_window->currentProject()->isModified, yes);
    // A fresh lamp flickers: its flicker entry starts at -1.
    if (yes)
        QVERIFY(widget<QCheckBox>("m_TFlicker")->isChecked());
}

void TestMainWindow::totalDigitsClampDecimals()
{
    newProject();
    widget<QSpinBox>("m_SpinPoint")->setValue(3);
    widget<QSpinBox>("m_SpinTotal")->setValue(2);
    QCOMPARE(widget<QSpinBox>("m_SpinPoint")->value(), 1);
    QCOMPARE(widget<QSpinBox>("m_SpinPoint")->maximum(), 1);
    QCOMPARE(m_window->currentProject()->pageDecimals(0), 1u);
    QCOMPARE(m_window->currentProject()->pageTotalDigits(0), 2u);
}

void TestMainWindow::preview_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("isSigned");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");
    QTest::newRow("signed, one decimal") << "P1" << true << 4 << 1 << "P1-888.8";
    QTest::newRow("unsigned, no decimals") << "A" << false << 5 << 0 << "A 88888";
    QTest::newRow("decimals = total") << "P1" << false << 3 << 3 << "P1 ERROR";
}

void TestMainWindow::preview()
{
    QFETCH(QString, label);
    QFETCH(bool, isSigned);
    QFETCH(int, total);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(ParamText::preview(label, isSigned, total, decimals), text);
}

void TestMainWindow::paramTextIsUpperCasedAndFiltered()
{
    newProject();
    auto* param = widget<QLineEdit>("m_Param");
    param->clear();
    QTest::keyClicks(param, QStringLiteral("g|h1x"));
    QCOMPARE(param->text(), QStringLiteral("H1"));
    QCOMPARE(m_window->currentProject()->pageParamText(0), QStringLiteral("H1"));
    QCOMPARE(widget<QTableWidget>("tableWidget")->item(0, 1)->text(), QStringLiteral("H1"));
}

void TestMainWindow::sessionComesBack()
{
    newProject();
    action("action_frame_add")->trigger();
    selectRow(0);
    widget<QLineEdit>("m_Describe")->setText(QStringLiteral("speed"));
    widget<QSpinBox>("m_SpinTotal")->setValue(5);
    widget<QCheckBox>("m_CheckLimit")->click();
    widget<QSpinBox>("m_RegMax")->setValue(1200);
    widget<QComboBox>("m_KeyTouch")->setCurrentIndex(4);
    selectRow(1);
    widget<QLineEdit>("m_Describe")->setText(QStringLiteral("count"));
    widget<QSpinBox>("m_RegAddress")->setValue(102);
    widget<QComboBox>("m_KLight")->setCurrentIndex(2);
    const QString path = m_dir->path(QStringLiteral("session.kavio"));
    UserPrompt::queueFileName(path);
    action("action_file_save")->trigger();
    QVERIFY(action("action_file_close")->isEnabled());
    action("action_file_close")->trigger();
    QVERIFY(!m_window->currentProject());

    QVERIFY(m_window->openProject(path, false));
    const CLedProject& p = *m_window->currentProject();
    QCOMPARE(p.pageDescription(0), QStringLiteral("speed"));
    QCOMPARE(p.pageTotalDigits(0), 5u);
    QVERIFY(p.pageLimited(0));
    QCOMPARE(p.pageMaxValue(0), 1200);
    QCOMPARE(p.fKeyOfPage(0), 4);
    QCOMPARE(p.pageDescription(1), QStringLiteral("count"));
    QCOMPARE(p.pageAddress(1), 102u);
    QCOMPARE(p.fLampOfPage(1), 2);
    selectRow(1);
    QCOMPARE(widget<QLineEdit>("m_Describe")->text(), QStringLiteral("count"));
    QCOMPARE(widget<QComboBox>("m_KLight")->currentIndex(), 2);
}

void TestMainWindow::statusBarWithoutProject()
{
    QStringList labels;
    for (QLabel* label : m_window->statusBar()->findChildren<QLabel*>())
        labels.append(label->text());
    QVERIFY2(labels.contains(QString::fromUtf8("行:-1  列:-1")), qPrintable(labels.join('|')));
    QVERIFY(labels.contains(QString::fromUtf8("未打开工程")));
    QVERIFY(!widget<QTableWidget>("tableWidget")->isEnabled());
    QVERIFY(!action("action_file_save")->isEnabled());
    QVERIFY(!action("action_frame_add")->isEnabled());
    QVERIFY(!action("action_compile_firm")->isVisible());
}

// The start hands the window a port list it read while Qt started; the
// worker and the status bar get their port from it once the window shows.
void TestMainWindow::portListReadAtStartIsTakenWhenShown()
{
    m_window.reset();
    std::promise<QList<SystemPort>> reading;
    MainWindow window(nullptr, reading.get_future());
    reading.set_value(
        {SystemPort{QStringLiteral("COM1"), 1, QStringLiteral("/dev/ttyS0"), true},
         SystemPort{QStringLiteral("COM7"), 7, QStringLiteral("/dev/ttyUSB0"), false}});
    window.show();
    QCOMPARE(window.serialWorker()->portName(), QStringLiteral("COM7")); // the first free one
    QStringList labels;
    for (QLabel* label : window.statusBar()->findChildren<QLabel*>())
        labels.append(label->text());
    QVERIFY2(labels.contains(QStringLiteral("COM7")), qPrintable(labels.join('|')));
}

void TestMainWindow::deletedRecentFileIsHidden()
{
    const QString gone = m_dir->path(QStringLiteral("gone.kavio"));
    const QString kept = QStringLiteral(SEGMO_SOURCE_DIR "/examples/demo.kavio");
    QSettings recent(m_dir->path(QStringLiteral("MruFile.ini")), QSettings::IniFormat);
    recent.setValue(QStringLiteral("recentFileList"), QStringList{gone, kept});
    recent.sync();
    m_window.reset(new MainWindow);
    QStringList shown;
    for (QAction* a : m_window->findChild<QMenu*>(QStringLiteral("menu_file"))->actions()) {
        if (a->isVisible() && a->text().startsWith(QLatin1Char('&')))
            shown.append(a->text());
    }
    QCOMPARE(shown, QStringList{QStringLiteral("&1 ") + QDir::toNativeSeparators(kept)});
}

void TestMainWindow::keyQuestionRefused()
{
    newProject();
    action("action_frame_add")->trigger();
    selectRow(0);
    widget<QComboBox>("m_KeyTouch")->setCurrentIndex(7);
    selectRow(1);
    UserPrompt::queueAnswer(QMessageBox::No);
    widget<QComboBox>("m_KeyTouch")->setCurrentIndex(7);
    QCOMPARE(UserPrompt::messages().last(),
             QString::fromUtf8("当前序号 按键7 已经被 00 使用,是否继续操作？"));
    QCOMPARE(m_window->currentProject()->pageOfFKey(7), 0);
    QCOMPARE(widget<QComboBox>("m_KeyTouch")->currentIndex(), 0);
}

void TestMainWindow::geometryOffScreenIsCentred()
{
    QSettings positions(m_dir->path(QStringLiteral("LedPos.ini")), QSettings::IniFormat);
    positions.setValue(QStringLiteral("MainWindow/pos"), QPoint(-30000, -30000));
    positions.setValue(QStringLiteral("MainWindow/size"), QSize(600, 400));
    positions.setValue(QStringLiteral("MainWindow/col2"), 0);
    positions.setValue(QStringLiteral("MainWindow/col3"), 150);
    positions.sync();
    m_window.reset(new MainWindow);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(m_window->size(), QSize(600, 400));
    QCOMPARE(m_window->pos(), area.center() - QPoint(300, 200));
    QCOMPARE(widget<QTableWidget>("tableWidget")->columnWidth(1), 80); // below 1: the default
    QCOMPARE(widget<QTableWidget>("tableWidget")->columnWidth(2), 150);
}

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
