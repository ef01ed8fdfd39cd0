#include "TestHttpServer.h"
#include "ZtVersionLibrary.h"
#include "update/VersionTexts.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kDescriptor = QStringLiteral("/Kavio/config.txt");
const QString kNotesPath = QStringLiteral("/pkg/notes_cn.txt");
const QString kInstallerPath = QStringLiteral("/pkg/setup.exe");

QByteArray descriptor(const QByteArray& version, const QByteArray& type = "1",
                      const QByteArray& extra = QByteArray())
{
    return "[update]\nurl=download.example\ndir=pkg\nfile=setup.exe\nver=" + version +
           "\nver2=3.0.179\ntitle=Segmo update\ntype=" + type + "\nnotes=notes_cn.txt\n" + extra;
}

QString hostFolder()
{
    return QCoreApplication::applicationDirPath();
}

// What a dialog looked like when the test saw it.
struct SeenDialog
{
    int shown = 0;
    QString title;
    QStringList notes;
    int selectedRow = -1;
    QMap<QString, QString> texts; // object name -> text
};

} // namespace

class TestZtVersion : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase() { settle(); } // no check thread may outlive the test
    void firstCheckReportsTwoThenNetworkError();
    void textCopies_data();
    void textCopies();
    void dpi_data();
    void dpi();
    void preferenceFile();
    void statusOfDescriptors_data();
    void statusOfDescriptors();
    void noSecondCheckWhileOneRuns();
    void dialogShowsVersionsAndNotes();
    void englishTexts();
    void showAlwaysWithoutAutoCheck();
    void cancelDuringInstallerDownload();
    void networkFailureKeepsTheHost();
    void documentResults();
    void documentCancelled();

private:
    // Calls fn with the named dialog once it is on screen (inside its event loop).
    void whenDialogShows(const QString& name, std::function<void(QDialog*)> fn);
    // Starts a check of our own: a check still running from an earlier step
    // makes ZtUpdateInit start none, so this calls again until the server
    // sees a new descriptor request.
    void startCheck(int showAlways, int chinese);
    // Watches for the update dialog, starts a check and waits for the dialog.
    SeenDialog watchUpdateDialog(bool close, int showAlways, int chinese);
    // Polls the status with the preference off, so that no poll opens a dialog.
    void waitForStatus(int status);
    // Lets a check that a poll started end before the next step.
    static void settle() { QTest::qWait(300); }

    TestHttpServer m_server;
    ZtVersionLibrary m_lib;
    QTemporaryDir m_home;
    QString m_base;
};

void TestZtVersion::initTestCase()
{
    QVERIFY(m_lib.load(QStringLiteral(SEGMO_PROGRAM_DIR "/ZtVersion.dll")));
    m_base = m_server.startServing();
    qputenv("ZTVERSION_SERVER", m_base.toUtf8());
    qputenv("HOME", m_home.path().toUtf8());
    qunsetenv("XDG_DOCUMENTS_DIR");
}

void TestZtVersion::init()
{
    m_server.clearRoutes();
    settle();
    m_server.clearRoutes();
    QFile::remove(hostFolder() + QStringLiteral("/ZtVersion.ini"));
    QDir(hostFolder() + QStringLiteral("/update")).removeRecursively();
    qputenv("ZTVERSION_SERVER", m_base.toUtf8());
}

void TestZtVersion::cleanup()
{
    // A watch that never fired must not act in a later test.
    qDeleteAll(findChildren<QTimer*>(QStringLiteral("dialogWatch")));
}

void TestZtVersion::whenDialogShows(const QString& name, std::function<void(QDialog*)> fn)
{
    auto* timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("dialogWatch"));
    connect(timer, &QTimer::timeout, this, [timer, name, fn] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QDialog*>(widget);
            if (dialog && dialog->objectName() == name && dialog->isVisible()) {
                timer->stop();
                timer->deleteLater();
                fn(dialog);
                return;
            }
        }
    });
    timer->start(20);
}

void TestZtVersion::waitForStatus(int status)
{
    m_lib.updateAuto(0);
    // A call while a check runs starts none, so this polls without piling up checks.
    QTRY_COMPARE_WITH_TIMEOUT(m_lib.updateInit(0, 1), status, 20000);
    settle();
}

void TestZtVersion::firstCheckReportsTwoThenNetworkError()
{
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
    const quint16 port = closed.serverPort();
    closed.close(); // nothing listens there now
    qputenv("ZTVERSION_SERVER", QStringLiteral("http://127.0.0.1:%1").arg(port).toUtf8());
    QCOMPARE(m_lib.updateInit(0, 1), 2);
    waitForStatus(1);
}

void TestZtVersion::textCopies_data()
{
    QTest::addColumn<int>("which"); // 0 full, 1 short
    QTest::addColumn<int>("size");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("full, 256") << 0 << 256 << QByteArray("3.0.1000.178");
    QTest::newRow("full, exactly 13") << 0 << 13 << QByteArray("3.0.1000.178");
    QTest::newRow("short, 256") << 1 << 256 << QByteArray("3.0.178");
    QTest::newRow("short, 4 keeps the zero") << 1 << 4 << QByteArray("3.0");
    QTest::newRow("short, 1") << 1 << 1 << QByteArray();
}

void TestZtVersion::textCopies()
{
    QFETCH(int, which);
    QFETCH(int, size);
    QFETCH(QByteArray, expected);
    QByteArray buffer(size + 8, 'x');
    (which == 0 ? m_lib.getVersion : m_lib.getVersionEx)(buffer.data(), size);
    QCOMPARE(QByteArray(buffer.constData()), expected);
    QCOMPARE(buffer.mid(expected.size(), size - expected.size()),
             QByteArray(size - expected.size(), '\0'));
    QCOMPARE(buffer.mid(size), QByteArray(8, 'x')); // nothing past the buffer

    QByteArray untouched(16, 'x');
    m_lib.getVersionEx(untouched.data(), 0);
    m_lib.getVersionEx(nullptr, 16);
    QCOMPARE(untouched, QByteArray(16, 'x'));
}

void TestZtVersion::dpi_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("percent");
    QTest::newRow("96") << 96 << 100;
    QTest::newRow("120") << 120 << 125;
    QTest::newRow("144") << 144 << 150;
    QTest::newRow("192") << 192 << 200;
}

void TestZtVersion::dpi()
{
    QFETCH(int, dpi);
    QFETCH(int, percent);
    QCOMPARE(VersionTexts::dpiPercent(dpi), percent);
    const int screen = qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchX());
    QCOMPARE(m_lib.getDpi(), VersionTexts::dpiPercent(screen));
}

void TestZtVersion::preferenceFile()
{
    m_lib.updateInit(0, 1); // no descriptor served: the check fails quickly
    QSettings ini(hostFolder() + QStringLiteral("/ZtVersion.ini"), QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("update/auto")).toString(), QStringLiteral("0"));
    QVERIFY(m_lib.updateAuto(5) != 0);
    ini.sync();
    QCOMPARE(ini.value(QStringLiteral("update/auto")).toString(), QStringLiteral("1"));
    QVERIFY(m_lib.updateAuto(0) != 0);
    ini.sync();
    QCOMPARE(ini.value(QStringLiteral("update/auto")).toString(), QStringLiteral("0"));
    waitForStatus(1);
}

void TestZtVersion::statusOfDescriptors_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("notesFetched");
    QTest::newRow("type 0") << descriptor("3.0.1000.179", "0") << 0 << false;
    QTest::newRow("no url") << QByteArray("[update]\nver=3.0.1000.179\ntype=1\n") << 1 << false;
    QTest::newRow("no ver") << QByteArray("[update]\nurl=h\ntype=1\n") << 1 << false;
    QTest::newRow("no type") << QByteArray("[update]\nurl=h\nver=3.0.1000.179\n") << 1 << false;
    QTest::newRow("empty") << QByteArray() << 1 << false;
    QTest::newRow("same version") << descriptor("3.0.1000.178") << 2 << true;
    QTest::newRow("older version 3.1") << descriptor("3.1") << 2 << true;
    QTest::newRow("newer version") << descriptor("3.0.1000.179") << 3 << true;
    QTest::newRow("letters") << descriptor("beta") << 3 << true;
}

void TestZtVersion::statusOfDescriptors()
{
    QFETCH(QByteArray, body);
    QFETCH(int, status);
    QFETCH(bool, notesFetched);
    m_lib.updateAuto(0); // no dialog: only the status is looked at here
    // Start from another status so that the row's own check is what is seen.
    if (status == 1)
        m_server.setBody(kDescriptor, descriptor("3.0.1000.179", "0"));
    waitForStatus(status == 1 ? 0 : 1);
    m_server.clearRoutes();
    m_server.setBody(kDescriptor, body);
    m_server.setBody(kNotesPath, "line one\nline two\n");
    waitForStatus(status);
    QCOMPARE(m_server.countRequests(kNotesPath) > 0, notesFetched);
    QVERIFY(m_server.lastHeaders().contains("Cache-Control: no-cache"));
}

void TestZtVersion::noSecondCheckWhileOneRuns()
{
    m_lib.updateAuto(0);
    TestHttpServer::Route slow;
    slow.body = descriptor("3.0.1000.178");
    slow.headerDelayMs = 600;
    m_server.setRoute(kDescriptor, slow);
    startCheck(0, 1);
    QCOMPARE(m_server.countRequests(kDescriptor), 1);
    m_lib.updateInit(0, 1);
    m_lib.updateInit(0, 1);
    QTest::qWait(200); // the first check still waits for its descriptor
    QCOMPARE(m_server.countRequests(kDescriptor), 1);
    waitForStatus(2);
}

void TestZtVersion::startCheck(int showAlways, int chinese)
{
    const int before = m_server.countRequests(kDescriptor);
    for (int attempt = 0; attempt < 60; ++attempt) {
        m_lib.updateInit(showAlways, chinese);
        if (QTest::qWaitFor([&] { return m_server.countRequests(kDescriptor) > before; }, 500))
            return;
    }
    qWarning("no check of our own started");
}

SeenDialog TestZtVersion::watchUpdateDialog(bool close, int showAlways, int chinese)
{
    auto seen = std::make_shared<SeenDialog>();
    whenDialogShows(QStringLiteral("CDlgUpdate"), [seen, close](QDialog* dialog) {
        ++seen->shown;
        seen->title = dialog->windowTitle();
        auto* list = dialog->findChild<QListWidget*>(QStringLiteral("id3007"));
        for (int i = 0; i < list->count(); ++i)
            seen->notes.append(list->item(i)->text());
        seen->selectedRow = list->currentRow();
        for (QLabel* label : dialog->findChildren<QLabel*>())
            seen->texts.insert(label->objectName(), label->text());
        for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
            seen->texts.insert(button->objectName(), button->text());
        if (close)
            dialog->reject();
    });
    startCheck(showAlways, chinese);
    if (!QTest::qWaitFor([seen] { return seen->shown > 0; }, 20000))
        qWarning("the update dialog did not show");
    return *seen;
}

void TestZtVersion::dialogShowsVersionsAndNotes()
{
    m_lib.updateAuto(1);
    m_server.setBody(kDescriptor, descriptor("3.0.1000.179"));
    m_server.setBody(kNotesPath, "Faster downloads\nNew panel models\n");
    const SeenDialog seen = watchUpdateDialog(true, 0, 1);
    QCOMPARE(seen.shown, 1);
    QCOMPARE(seen.title, QStringLiteral("Segmo update"));
    QCOMPARE(seen.notes, (QStringList{"Faster downloads", "New panel models", " "}));
    QCOMPARE(seen.selectedRow, 2);
    QCOMPARE(seen.texts.value("id3001"), QStringLiteral("3.0.178"));
    QCOMPARE(seen.texts.value("id3002"), QStringLiteral("3.0.179"));
    QCOMPARE(seen.texts.value("id3009"), QString::fromUtf8("当前版本:"));
    settle();
    m_server.clearRoutes(); // the next poll must not find a newer version
    waitForStatus(1);
}

void TestZtVersion::englishTexts()
{
    m_lib.updateAuto(1);
    m_server.setBody(kDescriptor, descriptor("3.0.1000.179"));
    m_server.setBody(QStringLiteral("/pkg/notes_en.txt"), "Faster downloads\n");
    const SeenDialog seen = watchUpdateDialog(true, 0, 0);
    QCOMPARE(seen.texts.value("id3009"), QStringLiteral("Current:"));
    QCOMPARE(seen.texts.value("id3010"), QStringLiteral("New:"));
    QCOMPARE(seen.texts.value("id3012"), QStringLiteral("Message:"));
    QCOMPARE(seen.texts.value("id3005"), QStringLiteral("Cancle"));
    QCOMPARE(seen.notes, (QStringList{"Faster downloads", " "}));
    QCOMPARE(m_server.countRequests(QStringLiteral("/pkg/notes_en.txt")), 1);
}

void TestZtVersion::showAlwaysWithoutAutoCheck()
{
    m_lib.updateAuto(0);
    m_server.setBody(kDescriptor, descriptor("3.0.1000.179"));
    QCOMPARE(watchUpdateDialog(true, 1, 1).shown, 1);
    settle();
    // Neither the preference nor showAlways: no dialog.
    bool shown = false;
    whenDialogShows(QStringLiteral("CDlgUpdate"), [&shown](QDialog* dialog) {
        shown = true;
        dialog->reject();
    });
    startCheck(0, 1);
    settle();
    QVERIFY(!shown);
}

void TestZtVersion::cancelDuringInstallerDownload()
{
    m_lib.updateAuto(1);
    m_server.setBody(kDescriptor, descriptor("3.0.1000.179"));
    TestHttpServer::Route slow;
    slow.body = QByteArray(64 * 1024, 'i');
    slow.chunkDelayMs = 50;
    m_server.setRoute(kInstallerPath, slow);
    bool closed = false;
    int progressSeen = -1;
    whenDialogShows(QStringLiteral("CDlgUpdate"), [&](QDialog* dialog) {
        auto* start = dialog->findChild<QPushButton*>(QStringLiteral("id3004"));
        auto* progress = dialog->findChild<QProgressBar*>(QStringLiteral("id3003"));
        start->click();
        if (!QTest::qWaitFor([progress] { return progress->value() > 0; }, 10000))
            return; // the download never moved: the test fails on `closed`
        progressSeen = progress->value();
        QVERIFY(!start->isEnabled());
        dialog->findChild<QPushButton*>(QStringLiteral("id3005"))->click();
        closed = !dialog->isVisible();
    });
    startCheck(0, 1);
    QTRY_VERIFY_WITH_TIMEOUT(closed, 20000);
    QVERIFY(progressSeen > 0 && progressSeen < 100);
    settle();
}

void TestZtVersion::networkFailureKeepsTheHost()
{
    m_lib.updateAuto(1);
    m_server.setBody(kDescriptor, descriptor("3.0.1000.179"));
    TestHttpServer::Route dropped;
    dropped.body = QByteArray(8192, 'i');
    dropped.dropAfter = 3000;
    m_server.setRoute(kInstallerPath, dropped);
    QString status;
    bool startEnabledAgain = false;
    whenDialogShows(QStringLiteral("CDlgUpdate"), [&](QDialog* dialog) {
        auto* start = dialog->findChild<QPushButton*>(QStringLiteral("id3004"));
        auto* label = dialog->findChild<QLabel*>(QStringLiteral("id3008"));
        start->click();
        // Our own texts carry no colon-free libcurl message; wait for the error text.
        const QStringList ours{QStringLiteral(" -"), QString::fromUtf8("正在连接服务器..."),
                               QString::fromUtf8("开始下载...")};
        const bool ended = QTest::qWaitFor(
            [&] {
                return !ours.contains(label->text()) &&
                       !label->text().startsWith(QString::fromUtf8("文件大小")) &&
                       start->isEnabled();
            },
            20000);
        status = ended ? label->text() : QStringLiteral("timed out: ") + label->text();
        startEnabledAgain = start->isEnabled();
        dialog->reject();
    });
    startCheck(0, 1);
    QTRY_VERIFY_WITH_TIMEOUT(!status.isEmpty(), 30000);
    QVERIFY(startEnabledAgain);
    QVERIFY2(!status.startsWith(QLatin1String("timed out")), qPrintable(status));
    qInfo("status after the dropped connection: %s", qPrintable(status)); // libcurl's error text
    settle();
}

void TestZtVersion::documentResults()
{
    const QString local = m_home.path() + QStringLiteral("/Documents/Tavro/Tavro_News.pdf");
    const QString remote = QStringLiteral("/Pelmo/Tavro_New.pdf");
    // Server without the document: 1, nothing shown.
    QCOMPARE(m_lib.updatePdfInit(0, 1, 1), 1);
    QVERIFY(QFileInfo::exists(m_home.path() + QStringLiteral("/Documents/Tavro")));

    // A new document: the dialog downloads it and closes by itself.
    const QByteArray pdf = QByteArray("%PDF-1.4\n") + QByteArray(5000, 'p');
    m_server.setBody(remote, pdf);
    QFile::remove(local);
    QCOMPARE(m_lib.updatePdfInit(0, 1, 1), 3);
    QFile saved(local);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), pdf);

    // The same size again: current, no dialog.
    QCOMPARE(m_lib.updatePdfInit(0, 1, 1), 2);

    // A local copy of size 0 never counts as current.
    QFile empty(local);
    QVERIFY(empty.open(QIODevice::WriteOnly | QIODevice::Truncate));
    empty.close();
    QCOMPARE(m_lib.updatePdfInit(0, 1, 1), 3);
    QCOMPARE(QFileInfo(local).size(), qint64(pdf.size()));

    // The general document lies on the download server under its own name.
    m_server.setBody(QStringLiteral("/Kavio/Tavro.pdf"), "%PDF general");
    QCOMPARE(m_lib.updatePdfInit(0, 1, 0), 3);
    QVERIFY(QFileInfo::exists(m_home.path() + QStringLiteral("/Documents/Tavro/Tavro.pdf")));
}

void TestZtVersion::documentCancelled()
{
    const QString remote = QStringLiteral("/Pelmo/Tavro_New.pdf");
    TestHttpServer::Route slow;
    slow.body = QByteArray(64 * 1024, 'p');
    slow.chunkDelayMs = 50;
    m_server.setRoute(remote, slow);
    QFile::remove(m_home.path() + QStringLiteral("/Documents/Tavro/Tavro_News.pdf"));
    bool cancelled = false;
    whenDialogShows(QStringLiteral("CDlgDownPdf"), [&](QDialog* dialog) {
        auto* progress = dialog->findChild<QProgressBar*>(QStringLiteral("id3003"));
        if (!QTest::qWaitFor([progress] { return progress->value() > 0; }, 10000))
            return;
        dialog->findChild<QPushButton*>(QStringLiteral("id3005"))->click();
        cancelled = true;
    });
    QCOMPARE(m_lib.updatePdfInit(0, 1, 1), 3);
    QVERIFY(cancelled);
    QVERIFY(QFileInfo(m_home.path() + QStringLiteral("/Documents/Tavro/Tavro_News.pdf")).size() <
            64 * 1024);
}

QTEST_MAIN(TestZtVersion)
#include "TestZtVersion.moc"
