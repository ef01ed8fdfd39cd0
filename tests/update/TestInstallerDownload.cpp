#include "TestHttpServer.h"

#include <QCryptographicHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// An installer that leaves a mark beside itself when it runs; 2048 bytes.
QByteArray installer()
{
    QByteArray script = "#!/bin/sh\necho ran > \"$(dirname \"$0\")/installer-ran\"\n";
    while (script.size() < 2048)
        script += "#";
    return script.left(2047) + "\n";
}

struct HostRun
{
    int exitCode = -1;
    QStringList lines;
    QString errors; // the host's stderr, shown when a check fails
};

} // namespace

class TestInstallerDownload : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void installerStartsAndEndsTheHost_data();
    void installerStartsAndEndsTheHost();
    void wrongChecksumIsRefused();
    void droppedConnectionKeepsTheHost();

private:
    HostRun runHost();
    QString hostFolder() const { return QStringLiteral(SEGMO_ZT_HOST_DIR); }
    void serve(const QByteArray& extraDescriptorLines);

    TestHttpServer m_server;
    QString m_base;
    QTemporaryDir m_home;
};

void TestInstallerDownload::initTestCase()
{
    m_base = m_server.startServing();
}

void TestInstallerDownload::init()
{
    m_server.clearRoutes();
    QFile::remove(hostFolder() + QStringLiteral("/installer-ran"));
    QFile::remove(hostFolder() + QStringLiteral("/ZtSetupTemp.exe"));
    QDir(m_home.path() + QStringLiteral("/Desktop")).removeRecursively();
    QVERIFY(QDir().mkpath(m_home.path() + QStringLiteral("/Desktop")));
}

void TestInstallerDownload::serve(const QByteArray& extraDescriptorLines)
{
    m_server.setBody(QStringLiteral("/Kavio/config.txt"),
                     "[update]\nurl=download.example\ndir=pkg\nfile=setup.exe\nver=3.0.1000.179\n"
                     "ver2=3.0.179\ntitle=Update\ntype=1\n" +
                         extraDescriptorLines);
}

HostRun TestInstallerDownload::runHost()
{
    QProcess host;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ZTVERSION_SERVER"), m_base);
    environment.insert(QStringLiteral("HOME"), m_home.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    host.setProcessEnvironment(environment);
    host.start(hostFolder() + QStringLiteral("/ZtVersionTestHost"),
               {QStringLiteral(SEGMO_PROGRAM_DIR "/ZtVersion.dll")});
    HostRun run;
    if (!host.waitForFinished(60000)) {
        host.kill();
        host.waitForFinished();
        return run;
    }
    run.exitCode = host.exitCode();
    run.lines = QString::fromLocal8Bit(host.readAllStandardOutput())
                    .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    run.errors = QString::fromLocal8Bit(host.readAllStandardError());
    return run;
}

void TestInstallerDownload::installerStartsAndEndsTheHost_data()
{
    QTest::addColumn<bool>("withChecksum");
    QTest::newRow("no checksum in the descriptor") << false;
    QTest::newRow("matching checksum") << true;
}

void TestInstallerDownload::installerStartsAndEndsTheHost()
{
    QFETCH(bool, withChecksum);
    const QByteArray body = installer();
    m_server.setBody(QStringLiteral("/pkg/setup.exe"), body);
    serve(withChecksum
              ? "sha256=" +
                    QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex().toUpper() +
                    "\n"
              : QByteArray());
    const HostRun run = runHost();
    QVERIFY2(run.lines.contains(QStringLiteral("HOST ENDED 0")), qPrintable(run.lines.join('\n')));
    QVERIFY2(run.exitCode == 0, qPrintable(run.errors.right(3000)));
    QVERIFY(run.lines.contains(QStringLiteral("PROGRESS 100")));
    QTRY_VERIFY(QFileInfo::exists(hostFolder() + QStringLiteral("/installer-ran")));
    QFile copy(m_home.path() + QStringLiteral("/Desktop/Kavio_Setup_V3.0.179.exe"));
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), body);
}

void TestInstallerDownload::wrongChecksumIsRefused()
{
    m_server.setBody(QStringLiteral("/pkg/setup.exe"), installer());
    serve("sha256=" + QByteArray(64, '0') + "\n");
    const HostRun run = runHost();
    // The host ended itself: the library did not end it.
    QVERIFY2(run.exitCode == 7, qPrintable(run.errors.right(3000)));
    QVERIFY2(
        std::any_of(run.lines.begin(), run.lines.end(),
                    [](const QString& line) { return line.startsWith(QLatin1String("MESSAGE ")); }),
        qPrintable(run.lines.join('\n')));
    QVERIFY(!QFileInfo::exists(hostFolder() + QStringLiteral("/ZtSetupTemp.exe")));
    QTest::qWait(200);
    QVERIFY(!QFileInfo::exists(hostFolder() + QStringLiteral("/installer-ran")));
}

void TestInstallerDownload::droppedConnectionKeepsTheHost()
{
    TestHttpServer::Route dropped;
    dropped.body = installer();
    dropped.dropAfter = 1000;
    m_server.setRoute(QStringLiteral("/pkg/setup.exe"), dropped);
    serve(QByteArray());
    const HostRun run = runHost();
    QVERIFY2(run.exitCode == 7, qPrintable(run.errors.right(3000)));
    QVERIFY(run.lines.contains(QStringLiteral("START ENABLED")));
    QVERIFY(!QFileInfo::exists(hostFolder() + QStringLiteral("/installer-ran")));
}

QTEST_GUILESS_MAIN(TestInstallerDownload)
#include "TestInstallerDownload.moc"
