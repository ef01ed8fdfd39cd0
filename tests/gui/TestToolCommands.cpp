#include "ProgramDir.h"
#include "app/BuildTime.h"
#include "app/DlgPlcError.h"
#include "app/LanguageSetup.h"
#include "app/MainWindow.h"
#include "app/SettingsFiles.h"
#include "app/ToolCommands.h"
#include "app/UserPrompt.h"
#include "project/CLedProject.h"
#include "resources/TranslationResources.h"

#include <QAction>
#include <QLabel>
#include <QLibrary>
#include <QSettings>
#include <QTextBrowser>
#include <QtTest>

namespace {

// The stand-in ZtVersion.dll in the test's program directory, as Segmo loaded it.
struct FakeLibrary
{
    void (*setStatus)(int) = nullptr;
    void (*lastCall)(int*, int*, int*) = nullptr;
    void (*reset)() = nullptr;

    bool load(const QString& path)
    {
        QLibrary library(path);
        setStatus = reinterpret_cast<void (*)(int)>(library.resolve("FakeZtSetStatus"));
        lastCall = reinterpret_cast<void (*)(int*, int*, int*)>(library.resolve("FakeZtLastCall"));
        reset = reinterpret_cast<void (*)()>(library.resolve("FakeZtReset"));
        return setStatus && lastCall && reset;
    }
};

struct CheckCall
{
    int showAlways;
    int chinese;
    int autoValue;
};

// A tool that records its arguments, then waits for "release" beside it
// before it ends (or for its folder to go, so that none outlives the test).
void writeTool(const QString& path, bool executable = true)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n"
               "dir=$(dirname \"$0\")\n"
               "printf '%s\\n' \"$@\" > \"$0.args\"\n"
               "while [ -d \"$dir\" ] && [ ! -e \"$dir/release\" ]; do sleep 0.02; done\n");
    file.close();
    if (executable)
        file.setPermissions(file.permissions() | QFile::ExeOwner);
}

QString readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class TestToolCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void startupCheckRunsQuietly();
    void manualCheckReportsTheLastStatus_data();
    void manualCheckReportsTheLastStatus();
    void manualCheckWithoutTheLibraryKeepsTheSession();
    void englishIsStoredAndPassedToTheNextCheck();
    void batchToolHoldsTheImageUntilItEnds();
    void simulatorsGetTheImagePath_data();
    void simulatorsGetTheImagePath();
    void missingToolsAreReported_data();
    void missingToolsAreReported();
    void aToolThatCannotStartIsCleanedUp();
    void usbDriverInstaller();
    void aboutBoxShowsTheLibraryVersion();
    void aboutBoxWithoutTheLibraryKeepsItsTexts();
    void buildTime_data();
    void buildTime();
    void plcErrorHelp();
    void ioCheckHelpKeepsItsPosition();

private:
    QAction* action(const char* name) const
    {
        return m_window->findChild<QAction*>(QLatin1String(name));
    }
    CheckCall lastCheck() const
    {
        CheckCall call{};
        m_fake.lastCall(&call.showAlways, &call.chinese, &call.autoValue);
        return call;
    }
    void openDemo()
    {
        QVERIFY(
            m_window->openProject(QStringLiteral(SEGMO_SOURCE_DIR "/examples/demo.kavio"), false));
    }
    QLabel* label(QDialog& dialog, const char* name)
    {
        return dialog.findChild<QLabel*>(QLatin1String(name));
    }

    std::unique_ptr<ProgramDir> m_dir;
    std::unique_ptr<MainWindow> m_window;
    FakeLibrary m_fake;
};

void TestToolCommands::initTestCase()
{
    initTranslationResources();
}

void TestToolCommands::init()
{
    UserPrompt::clear();
    UserPrompt::setUnattended(true);
    m_dir = std::make_unique<ProgramDir>();
    saveLanguageSetting(QStringLiteral("chinese"));
    LanguageSetup::applyLanguage();
    QVERIFY(m_fake.load(m_dir->path(QStringLiteral("ZtVersion.dll"))));
    m_fake.reset();
    m_window = std::make_unique<MainWindow>();
    QCOMPARE(m_window->startupExitCode(), 0);
}

void TestToolCommands::cleanup()
{
    QFile::remove(ToolCommands::imageFilePath());
    QFile(m_dir->path(QStringLiteral("release"))).open(QIODevice::WriteOnly);
    m_window.reset();
    m_dir.reset();
}

void TestToolCommands::startupCheckRunsQuietly()
{
    const CheckCall call = lastCheck();
    QCOMPARE(call.showAlways, 0);
    QCOMPARE(call.chinese, 1);
    QVERIFY(UserPrompt::messages().isEmpty());
}

void TestToolCommands::manualCheckReportsTheLastStatus_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("autoValue");
    QTest::newRow("auto off, turned on")
        << 0 << int(QMessageBox::Yes) << QStringLiteral("你已经关闭自动更新，是否立即打开？") << 1;
    QTest::newRow("auto off, left off")
        << 0 << int(QMessageBox::No) << QStringLiteral("你已经关闭自动更新，是否立即打开？") << -1;
    QTest::newRow("network error")
        << 1 << int(QMessageBox::Ok) << QStringLiteral("网络错误连接失败，请检查本机是否联网！")
        << -1;
    QTest::newRow("up to date") << 2 << int(QMessageBox::Ok)
                                << QStringLiteral("当前已经是最新版本了！") << -1;
    QTest::newRow("newer version: the library's own dialog")
        << 3 << int(QMessageBox::Ok) << QString() << -1;
    QTest::newRow("unknown status") << 7 << int(QMessageBox::Ok) << QString() << -1;
}

void TestToolCommands::manualCheckReportsTheLastStatus()
{
    QFETCH(int, status);
    QFETCH(int, answer);
    QFETCH(QString, message);
    QFETCH(int, autoValue);
    m_fake.setStatus(status);
    UserPrompt::queueAnswer(QMessageBox::StandardButton(answer));
    action("action_about_update")->trigger();
    QCOMPARE(UserPrompt::messages(), message.isEmpty() ? QStringList() : QStringList{message});
    const CheckCall call = lastCheck();
    QCOMPARE(call.showAlways, 1);
    QCOMPARE(call.autoValue, autoValue);
}

void TestToolCommands::manualCheckWithoutTheLibraryKeepsTheSession()
{
    openDemo();
    m_window->setModified(true);
    QVERIFY(QFile::remove(m_dir->path(QStringLiteral("ZtVersion.dll"))));
    // An application exit would end this loop with its code instead of 0.
    QEventLoop loop;
    QTimer::singleShot(0, this, [this] { action("action_about_update")->trigger(); });
    QTimer::singleShot(200, &loop, [&loop] { loop.exit(0); });
    QCOMPARE(loop.exec(), 0);
    QCOMPARE(UserPrompt::messages(),
             QStringList{QStringLiteral("[10001] 文件丢失，请去Morvane官网重新下载安装软件！")});
    QVERIFY(m_window->currentProject()->isModified);
}

void TestToolCommands::englishIsStoredAndPassedToTheNextCheck()
{
    action("action_english")->trigger();
    QCOMPARE(QSettings(QStringLiteral("Segmo.ini"), QSettings::IniFormat)
                 .value(QStringLiteral("/language/country"))
                 .toString(),
             QStringLiteral("english"));
    QVERIFY(action("action_english")->isChecked());
    QVERIFY(!action("action_chinese")->isChecked());
    QCOMPARE(UserPrompt::messages().size(), 1);
    QVERIFY(UserPrompt::messages().first().contains(
        QStringLiteral("After setting, please reopen the software to take effect!")));
    // The window speaks English at once.
    QTRY_COMPARE(action("action_about_update")->text(), QStringLiteral("Software upgrade"));

    action("action_about_update")->trigger();
    QCOMPARE(lastCheck().chinese, 0);
    QCOMPARE(UserPrompt::messages().last(),
             QStringLiteral("The current version is already the latest!"));

    action("action_chinese")->trigger();
    QVERIFY(action("action_chinese")->isChecked());
    QVERIFY(!action("action_english")->isChecked());
    action("action_about_update")->trigger();
    QCOMPARE(lastCheck().chinese, 1);
}

void TestToolCommands::batchToolHoldsTheImageUntilItEnds()
{
    const QString tool = m_dir->path(QStringLiteral("QD_UDisk_PLC_V3.exe"));
    writeTool(tool);
    openDemo();
    QAction* batch = action("action_compile_zip");
    QVERIFY(batch->isEnabled());
    batch->trigger();
    QVERIFY(!batch->isEnabled());
    QCOMPARE(readAll(ToolCommands::imageFilePath()).toLatin1().size(),
             m_window->currentProject()->buildImage().size());
    QTRY_COMPARE(readAll(tool + QStringLiteral(".args")), QStringLiteral("-build\n"));
    QFile plc(m_dir->path(QStringLiteral("plc.hex")));
    QVERIFY(plc.open(QIODevice::WriteOnly));
    plc.close();
    QVERIFY(plc.setPermissions(QFile::ReadOwner));

    QFile(m_dir->path(QStringLiteral("release"))).open(QIODevice::WriteOnly);
    QTRY_VERIFY_WITH_TIMEOUT(batch->isEnabled(), 10000);
    QVERIFY(!QFile::exists(ToolCommands::imageFilePath()));
    QVERIFY(!plc.exists());
    QVERIFY(UserPrompt::messages().isEmpty());
}

void TestToolCommands::simulatorsGetTheImagePath_data()
{
    QTest::addColumn<QString>("actionName");
    QTest::addColumn<QString>("program");
    QTest::newRow("single row") << "action_compile_moniter"
                                << "KavioMoniter.exe";
    QTest::newRow("double row") << "action_compile_moniter2"
                                << "KavioMoniter2.exe";
}

void TestToolCommands::simulatorsGetTheImagePath()
{
    QFETCH(QString, actionName);
    QFETCH(QString, program);
    const QString tool = m_dir->path(program);
    writeTool(tool);
    openDemo();
    action(actionName.toLatin1().constData())->trigger();
    QTRY_COMPARE(readAll(tool + QStringLiteral(".args")), ToolCommands::imageFilePath() + '\n');
    QFile image(ToolCommands::imageFilePath());
    QVERIFY(image.open(QIODevice::ReadOnly));
    QCOMPARE(image.readAll(), m_window->currentProject()->buildImage());
    image.close();
    QVERIFY(action("action_compile_zip")->isEnabled());

    // A second start while the first runs would overwrite its image.
    action(actionName.toLatin1().constData())->trigger();
    QCOMPARE(UserPrompt::messages().size(), 1);

    QFile(m_dir->path(QStringLiteral("release"))).open(QIODevice::WriteOnly);
    QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(ToolCommands::imageFilePath()), 10000);
}

void TestToolCommands::missingToolsAreReported_data()
{
    QTest::addColumn<QString>("actionName");
    QTest::addColumn<QString>("message");
    QTest::newRow("single row") << "action_compile_moniter"
                                << QStringLiteral("[3001] 仿真文件丢失,请重新安装软件！");
    QTest::newRow("double row") << "action_compile_moniter2"
                                << QStringLiteral("[3001] 仿真文件丢失,请重新安装软件！");
    QTest::newRow("batch tool") << "action_compile_zip"
                                << QStringLiteral("[3001] 文件丢失,请重新安装软件！");
}

void TestToolCommands::missingToolsAreReported()
{
    QFETCH(QString, actionName);
    QFETCH(QString, message);
    openDemo();
    action(actionName.toLatin1().constData())->trigger();
    QCOMPARE(UserPrompt::messages(), QStringList{message});
    QVERIFY(!QFile::exists(ToolCommands::imageFilePath()));
    QVERIFY(action("action_compile_zip")->isEnabled());
}

void TestToolCommands::aToolThatCannotStartIsCleanedUp()
{
    writeTool(m_dir->path(QStringLiteral("QD_UDisk_PLC_V3.exe")), false);
    openDemo();
    action("action_compile_zip")->trigger();
    QTRY_VERIFY(action("action_compile_zip")->isEnabled());
    QVERIFY(!QFile::exists(ToolCommands::imageFilePath()));
    QCOMPARE(UserPrompt::messages().size(), 1);
    QVERIFY(UserPrompt::messages().first().contains(QStringLiteral("QD_UDisk_PLC_V3.exe")));
}

void TestToolCommands::usbDriverInstaller()
{
    action("action_set_usb_driver")->trigger();
    QCOMPARE(
        UserPrompt::messages(),
        QStringList{QStringLiteral("安装失败：驱动文件丢失，请在官网下载最新的软件并重新安装！")});

    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("USB2022")));
    const QString installer = m_dir->path(QStringLiteral("USB2022/ZirArovez_setup.exe"));
    writeTool(installer);
    QFile(m_dir->path(QStringLiteral("USB2022/release"))).open(QIODevice::WriteOnly);
    action("action_set_usb_driver")->trigger();
    QTRY_VERIFY(QFile::exists(installer + QStringLiteral(".args")));
    QCOMPARE(UserPrompt::messages().size(), 1);
}

void TestToolCommands::aboutBoxShowsTheLibraryVersion()
{
    bool shown = false;
    UserPrompt::queueDialogAction([&](QDialog& dialog) {
        shown = true;
        [&] {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("关于我们"));
            QCOMPARE(dialog.size(), QSize(347, 127));
            const QString product = label(dialog, "mLabProduct")->text();
            QVERIFY(product.contains(QStringLiteral(">Kavio Tool V3.0.179</a>")));
            QVERIFY(product.contains(QStringLiteral("color:red")));
            QVERIFY(product.contains(QStringLiteral("text-decoration:none")));
            QVERIFY(
                label(dialog, "mLabWeb")->text().contains(QStringLiteral(">官方网站 https://")));
            QVERIFY(label(dialog, "mLabProduct")->openExternalLinks());
            QVERIFY(!label(dialog, "mLabBuild")->openExternalLinks());
            QCOMPARE(label(dialog, "mLabWeb")->toolTip(),
                     QStringLiteral("点击即可访问官方网站，查看最新软件与产品资讯！"));
            const QRegularExpression built(
                QStringLiteral(">\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d</a>"));
            QVERIFY(built.match(label(dialog, "mLabBuild")->text()).hasMatch());
        }();
        return int(QDialog::Accepted);
    });
    action("action_about_us")->trigger();
    QVERIFY(shown);
}

void TestToolCommands::aboutBoxWithoutTheLibraryKeepsItsTexts()
{
    QVERIFY(QFile::remove(m_dir->path(QStringLiteral("ZtVersion.dll"))));
    QString product;
    UserPrompt::queueDialogAction([&](QDialog& dialog) {
        product = label(dialog, "mLabProduct")->text();
        return int(QDialog::Accepted);
    });
    action("action_about_us")->trigger();
    QCOMPARE(product, QStringLiteral("Kavio Tool V3.0.1"));
    QVERIFY(UserPrompt::messages().isEmpty());
}

void TestToolCommands::buildTime_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("expected");
    QTest::newRow("two-digit day") << "Nov 17 2025"
                                   << "10:24:45"
                                   << "2025-11-17 10:24:45";
    QTest::newRow("one-digit day, space padded") << "Mar  7 2026"
                                                 << "09:05:01"
                                                 << "2026-03-07 09:05:01";
    QTest::newRow("not a date") << "??? 17 2025"
                                << "10:24:45"
                                << "";
}

void TestToolCommands::buildTime()
{
    QFETCH(QString, date);
    QFETCH(QString, time);
    QFETCH(QString, expected);
    QCOMPARE(buildTimeText(date, time), expected);
}

void TestToolCommands::plcErrorHelp()
{
    for (const char* name : {"action_err_plce0", "action_err_plcee"}) {
        QString html;
        QString title;
        UserPrompt::queueDialogAction([&](QDialog& dialog) {
            title = dialog.windowTitle();
            html = dialog.findChild<QTextBrowser*>()->toHtml();
            return int(QDialog::Accepted);
        });
        action(name)->trigger();
        QCOMPARE(title, QStringLiteral("常见问题"));
        QVERIFY(html.contains(QStringLiteral("PLC E0")));
        QVERIFY(html.contains(QStringLiteral("DC24V/2A")));
    }
    // Nine paragraphs; the first and the sixth are the black headings.
    const QStringList paragraphs =
        DlgPlcError::helpHtml().split(QStringLiteral("<p "), Qt::SkipEmptyParts);
    QCOMPARE(paragraphs.size(), 9);
    for (int i = 0; i < paragraphs.size(); ++i)
        QCOMPARE(paragraphs[i].startsWith(QStringLiteral("style='color:black; font-weight:bold;'")),
                 i == 0 || i == 5);
    QVERIFY(paragraphs[5].contains(QStringLiteral(" EE xxxx ")));
}

void TestToolCommands::ioCheckHelpKeepsItsPosition()
{
    storeWindowGeometry(QStringLiteral("DlgIOCheck"), QPoint(0, 200), QSize(300, 300));
    QPoint pos;
    QSize size;
    UserPrompt::queueDialogAction([&](QDialog& dialog) {
        pos = dialog.pos();
        size = dialog.size();
        dialog.move(150, 180);
        dialog.close();
        return int(QDialog::Rejected);
    });
    action("action_io_check")->trigger();
    QVERIFY(pos != QPoint(0, 200));  // a zero coordinate is not a stored position
    QCOMPARE(size, QSize(494, 555)); // the stored size is never applied
    QCOMPARE(storedWindowPos(QStringLiteral("DlgIOCheck")), QPoint(150, 180));

    UserPrompt::queueDialogAction([&](QDialog& dialog) {
        pos = dialog.pos();
        return int(QDialog::Rejected);
    });
    action("action_io_check")->trigger();
    QCOMPARE(pos, QPoint(150, 180));
}

QTEST_MAIN(TestToolCommands)
#include "TestToolCommands.moc"
