#include "app/UserPrompt.h"
#include "editor/DlgSetDynamicText.h"
#include "plc/CPlcManager.h"
#include "project/CLedProject.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

class TestDlgSetDynamicText : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cellPatterns_data();
    void cellPatterns();
    void rowsComeFromTheProject();
    void raisingTheCountDropsEdits();
    void okStoresRowsAndRegister();
    void emptyCellsAreRefused_data();
    void emptyCellsAreRefused();
    void contentEditsAreUpperCased();

private:
    QTableWidget* table(QDialog& d)
    {
        return d.findChild<QTableWidget*>(QStringLiteral("tableWidget"));
    }
    QSpinBox* rows(QDialog& d) { return d.findChild<QSpinBox*>(QStringLiteral("m_TextCnt")); }
    void ok(QDialog& d) { d.findChild<QPushButton*>(QStringLiteral("mBtnOk"))->click(); }

    std::unique_ptr<CLedProject> m_project;
    QWidget m_mainWindow; // the dialog's parent
    int m_modified = 0;
    QTemporaryDir m_dir;
    QString m_previousDir;
};

void TestDlgSetDynamicText::initTestCase()
{
    QVERIFY(CPlcManager::instance().load(QStringLiteral(SEGMO_PROGRAM_DIR "/ZtFactory.dll")));
    m_previousDir = QDir::currentPath();
    QDir::setCurrent(m_dir.path()); // LedPos.ini goes here
}

void TestDlgSetDynamicText::init()
{
    UserPrompt::clear();
    UserPrompt::setUnattended(true);
    m_project = std::make_unique<CLedProject>();
    m_project->isOpen = true;
    m_project->options().setDynTextRows(2);
    m_project->options().setDynTextValues(QStringLiteral("7|8|"));
    m_project->options().setDynTextContents(QStringLiteral("RUN|STOP|"));
    m_project->extraRegisters[0] = CLedRegister::of(QStringLiteral("D"), 140);
    m_modified = 0;
}

void TestDlgSetDynamicText::cleanup()
{
    QDir::setCurrent(m_previousDir);
    QDir::setCurrent(m_dir.path());
}

void TestDlgSetDynamicText::cellPatterns_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("65535") << 1 << "65535" << true;
    QTest::newRow("60006") << 1 << "60006" << true;
    QTest::newRow("0") << 1 << "0" << true;
    QTest::newRow("65536") << 1 << "65536" << false;
    QTest::newRow("70000") << 1 << "70000" << false;
    QTest::newRow("007") << 1 << "007" << false;
    QTest::newRow("letters in a value") << 1 << "12a" << false;
    QTest::newRow("content with a space") << 2 << "A 1-2" << true;
    QTest::newRow("content lower case") << 2 << "hello" << false; // 'o' is no panel letter
    QTest::newRow("content hel") << 2 << "hel" << true;
    QTest::newRow("content G") << 2 << "G" << false;
}

void TestDlgSetDynamicText::cellPatterns()
{
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    DlgSetDynamicText dialog(&m_mainWindow, m_project.get(), [] {});
    QAbstractItemDelegate* delegate = table(dialog)->itemDelegateForColumn(column);
    QWidget* editor = delegate->createEditor(table(dialog)->viewport(), QStyleOptionViewItem(),
                                             table(dialog)->model()->index(0, column));
    auto* line = qobject_cast<QLineEdit*>(editor);
    QVERIFY(line);
    line->clear();
    QTest::keyClicks(line, text);
    QCOMPARE(line->text() == text, accepted);
    delete editor;
}

void TestDlgSetDynamicText::rowsComeFromTheProject()
{
    DlgSetDynamicText dialog(&m_mainWindow, m_project.get(), [] {});
    QCOMPARE(rows(dialog)->value(), 2);
    QCOMPARE(table(dialog)->rowCount(), 2);
    QCOMPARE(table(dialog)->item(1, 1)->text(), QStringLiteral("8"));
    QCOMPARE(table(dialog)->item(1, 2)->text(), QStringLiteral("STOP"));
    QCOMPARE(dialog.findChild<QComboBox*>(QStringLiteral("m_RegType"))->currentText(),
             QStringLiteral("D"));
}

void TestDlgSetDynamicText::raisingTheCountDropsEdits()
{
    DlgSetDynamicText dialog(&m_mainWindow, m_project.get(), [] {});
    table(dialog)->item(0, 1)->setText(QStringLiteral("99"));
    rows(dialog)->setValue(4);
    QCOMPARE(table(dialog)->rowCount(), 4);
    QCOMPARE(table(dialog)->item(0, 1)->text(), QStringLiteral("7"));
    // Rows the project lacks show its defaults: the row number and "-".
    QCOMPARE(table(dialog)->item(3, 1)->text(), QStringLiteral("4"));
    QCOMPARE(table(dialog)->item(3, 2)->text(), QStringLiteral("-"));
}

void TestDlgSetDynamicText::okStoresRowsAndRegister()
{
    DlgSetDynamicText dialog(&m_mainWindow, m_project.get(), [] {});
    rows(dialog)->setValue(3);
    // The row after the stored ones reads the empty part behind their last bar.
    QCOMPARE(table(dialog)->item(2, 1)->text(), QStringLiteral("0"));
    QCOMPARE(table(dialog)->item(2, 2)->text(), QString());
    table(dialog)->item(2, 2)->setText(QStringLiteral("E"));
    dialog.findChild<QSpinBox*>(QStringLiteral("m_RegStation"))->setValue(300 % 256);
    ok(dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    CLedPanelOptions& options = m_project->options();
    QCOMPARE(options.dynTextRows(), 3u);
    QCOMPARE(options.dynTextValues(), QStringLiteral("7|8|0|"));
    QCOMPARE(options.dynTextContents(), QStringLiteral("RUN|STOP|E|"));
    QCOMPARE(m_project->extraRegisters[0].station, 44u);

    DlgSetDynamicText none(&m_mainWindow, m_project.get(), [] {});
    rows(none)->setValue(0);
    ok(none);
    QCOMPARE(options.dynTextRows(), 0u);
    QCOMPARE(options.dynTextValues(), QString());
}

void TestDlgSetDynamicText::emptyCellsAreRefused_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("message");
    QTest::newRow("value") << 1 << QString::fromUtf8("数值项不允许为空！");
    QTest::newRow("content") << 2 << QString::fromUtf8("内容项不允许为空！");
}

void TestDlgSetDynamicText::emptyCellsAreRefused()
{
    QFETCH(int, column);
    QFETCH(QString, message);
    const QString before = m_project->options().dynTextValues();
    DlgSetDynamicText dialog(&m_mainWindow, m_project.get(), [] {});
    table(dialog)->item(1, column)->setText(QString());
    ok(dialog);
    QCOMPARE(UserPrompt::messages().last(), message);
    QCOMPARE(dialog.result(), int(QDialog::Rejected)); // still open
    QCOMPARE(table(dialog)->currentRow(), 1);
    QCOMPARE(table(dialog)->currentColumn(), column);
    QCOMPARE(m_project->options().dynTextValues(), before);
}

void TestDlgSetDynamicText::contentEditsAreUpperCased()
{
    DlgSetDynamicText dialog(&m_mainWindow, m_project.get(), [this] { ++m_modified; });
    table(dialog)->item(0, 2)->setText(QStringLiteral("ab-1"));
    QCOMPARE(table(dialog)->item(0, 2)->text(), QStringLiteral("AB-1"));
    QVERIFY(m_modified > 0);
}

QTEST_MAIN(TestDlgSetDynamicText)
#include "TestDlgSetDynamicText.moc"
