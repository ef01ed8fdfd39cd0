#include "EmulatorProcess.h"
#include "WorkerProbe.h"
#include "serial/SerialResult.h"
#include "serial/SerialSleep.h"
#include "serial/SerialTransport.h"

#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

const QColor kBlue(0, 0, 255);
const QColor kBlack(0, 0, 0);
constexpr int kReplyTimeoutMs = 60000;

// The panel the emulator plays by default.
constexpr quint16 kFlag = 0x5A4B;
constexpr quint16 kModel = 10901;
constexpr quint16 kVersion = 0x0100;

QByteArray image(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + 3) & 0xFF);
    return bytes;
}

QByteArray firmware(quint16 flag, quint16 model, quint16 version, int size = 100)
{
    QByteArray bytes;
    for (quint16 value : {flag, model, version}) {
        bytes.append(char(value >> 8));
        bytes.append(char(value & 0xFF));
    }
    while (bytes.size() < size)
        bytes.append(char(bytes.size() * 13));
    return bytes;
}

} // namespace

class TestDownloadEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void imageArrivesExactly_data();
    void imageArrivesExactly();
    void firmwarePaths_data();
    void firmwarePaths();
    void faults_data();
    void faults();
    void noPanelAttached();
    void cancelBetweenBlocks();
    void cancelTransferClosesThePort();

private:
    // Queues one download and waits for its reply.
    bool download(const QByteArray& bytes, bool force = false);
    QString firmwareDir() const { return m_dir->filePath(QStringLiteral("Firm")); }

    SerialTransport m_transport;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<EmulatorProcess> m_emulator;
    std::unique_ptr<QSerialThread> m_worker;
    std::unique_ptr<WorkerProbe> m_probe;
};

void TestDownloadEndToEnd::initTestCase()
{
    QVERIFY(m_transport.bind(QStringLiteral(SEGMO_PROGRAM_DIR "/ZtSerial.dll")));
    SerialSleep::setScalePercent(1);
}

void TestDownloadEndToEnd::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir().mkpath(firmwareDir()));
    const QString ports = m_dir->filePath(QStringLiteral("ports"));
    qputenv("ZTSERIAL_PORT_DIR", ports.toUtf8());
    m_emulator = std::make_unique<EmulatorProcess>(ports, m_dir->path());
    m_worker = std::make_unique<QSerialThread>(m_transport);
    m_worker->setPortName(QStringLiteral("COM%1").arg(EmulatorProcess::kComNumber));
    m_worker->setFirmwareDir(firmwareDir());
    m_probe = std::make_unique<WorkerProbe>(*m_worker);
    m_worker->start();
}

void TestDownloadEndToEnd::cleanup()
{
    m_worker->stop();
    m_probe.reset();
    m_worker.reset();
    m_emulator.reset();
    qunsetenv("ZTSERIAL_PORT_DIR");
}

bool TestDownloadEndToEnd::download(const QByteArray& bytes, bool force)
{
    m_worker->queueDownload(0, bytes.constData(), bytes.size(), QStringLiteral("DX-PANEL-9A"),
                            force);
    return QTest::qWaitFor([this] { return !m_probe->replies.isEmpty(); }, kReplyTimeoutMs);
}

void TestDownloadEndToEnd::imageArrivesExactly_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("one byte") << 1;
    QTest::newRow("two full blocks") << 40;
    QTest::newRow("41 bytes") << 41;
    QTest::newRow("3999 bytes") << 3999;
}

void TestDownloadEndToEnd::imageArrivesExactly()
{
    QFETCH(int, size);
    QVERIFY(m_emulator->start({}));
    const QByteArray bytes = image(size);
    QVERIFY(download(bytes));
    QCOMPARE(m_probe->replies.size(), 1);
    QCOMPARE(m_probe->replies.at(0).code, uint(Ok));
    QCOMPARE(m_emulator->savedImage(), bytes);

    const int blocks = (size + 19) / 20;
    const QStringList writes = m_emulator->logLinesStartingWith(QStringLiteral("PRB"));
    QCOMPARE(writes.size(), blocks);
    QCOMPARE(writes.last(),
             QStringLiteral("PRB %1 %2").arg((blocks - 1) * 20).arg(size - (blocks - 1) * 20));
    QCOMPARE(m_probe->inits, QVector<uint>{uint(size)});
    QCOMPARE(m_probe->progress.size(), blocks);
    QCOMPARE(m_probe->progress.last(), qMakePair(uint(size), uint(size)));
    if (size == 41)
        QCOMPARE(m_probe->progress, (QVector<QPair<uint, uint>>{{41, 20}, {41, 40}, {41, 41}}));

    const QStringList expectedLog{
        QStringLiteral("DX-PANEL-9A"),
        QString::fromUtf8("正在初始化[下载工程]任务..."),
        QString::fromUtf8("硬件 | 标志:5A4B | 型号:2A95-10901 | 版本:0100-00256"),
        QString::fromUtf8("正在下载工程..."),
        QString::fromUtf8("数据保存完毕..."),
        QString::fromUtf8("下载完成...")};
    QCOMPARE(m_probe->logs, expectedLog);
    QCOMPARE(m_probe->logsIn(kBlue), QStringList{expectedLog.last()});
    QCOMPARE(m_probe->titles,
             (QStringList{QString::fromUtf8("更新固件"), QString::fromUtf8("下载工程")}));
    QVERIFY(!m_worker->isTransferring());
    QCOMPARE(m_emulator->log().first(), QStringLiteral("ENQ"));
    QCOMPARE(m_emulator->log().last(), QStringLiteral("SAV %1").arg(size));
}

void TestDownloadEndToEnd::firmwarePaths_data()
{
    QTest::addColumn<QByteArray>("file"); // empty with fileExists: an empty file
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<bool>("force");
    QTest::addColumn<QStringList>("emulatorOptions");
    QTest::addColumn<uint>("result");
    QTest::addColumn<bool>("updated");

    const QStringList none;
    QTest::newRow("versions differ")
        << firmware(kFlag, kModel, 0x0101) << true << false << none << uint(Ok) << true;
    QTest::newRow("older file version")
        << firmware(kFlag, kModel, 0x00FF) << true << false << none << uint(Ok) << true;
    QTest::newRow("versions equal")
        << firmware(kFlag, kModel, kVersion) << true << false << none << uint(Ok) << false;
    QTest::newRow("versions equal, forced")
        << firmware(kFlag, kModel, kVersion) << true << true << none << uint(Ok) << true;
    QTest::newRow("other flag") << firmware(0x1111, kModel, 0x0101) << true << false << none
                                << uint(Ok) << false;
    QTest::newRow("other model") << firmware(kFlag, 12345, 0x0101) << true << false << none
                                 << uint(Ok) << false;
    QTest::newRow("other model, forced")
        << firmware(kFlag, 12345, 0x0101) << true << true << none << uint(Ok) << true;
    QTest::newRow("no file") << QByteArray() << false << true << none << uint(Ok) << false;
    QTest::newRow("empty file") << QByteArray() << true << true << none << uint(Ok) << false;
    QTest::newRow("firmware of 41 bytes")
        << firmware(kFlag, kModel, 0x0200, 41) << true << false << none << uint(Ok) << true;
    QTest::newRow("verify rejected")
        << firmware(kFlag, kModel, 0x0101) << true << false
        << QStringList{QStringLiteral("--reject-firmware")} << uint(NoResponse) << false;
}

void TestDownloadEndToEnd::firmwarePaths()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, fileExists);
    QFETCH(bool, force);
    QFETCH(QStringList, emulatorOptions);
    QFETCH(uint, result);
    QFETCH(bool, updated);

    if (fileExists) {
        QFile out(firmwareDir() + QStringLiteral("/10901.xbin"));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(file);
    }
    QVERIFY(m_emulator->start(emulatorOptions));
    const QByteArray bytes = image(45);
    QVERIFY(download(bytes, force));
    QCOMPARE(m_probe->replies.size(), 1);
    QCOMPARE(m_probe->replies.at(0).code, result);

    const bool entered = !m_emulator->logLinesStartingWith(QStringLiteral("UPD")).isEmpty();
    QCOMPARE(entered, updated || result != Ok);
    if (updated) {
        QCOMPARE(m_emulator->receivedFirmware(), file);
        QCOMPARE(m_emulator->logLinesStartingWith(QStringLiteral("FWB")).size(),
                 (file.size() + 19) / 20);
        QCOMPARE(m_emulator->logLinesStartingWith(QStringLiteral("VFY")).size(), 1);
    }
    if (force && !file.isEmpty())
        QVERIFY(m_probe->logs.contains(QString::fromUtf8("按下CTRL,将强制更新...")));
    if (result == Ok) {
        QCOMPARE(m_emulator->savedImage(), bytes);
    } else {
        // A failure after entering update mode fails the download: no project is sent.
        QVERIFY(m_emulator->logLinesStartingWith(QStringLiteral("PRB")).isEmpty());
        QCOMPARE(m_probe->logsIn(kBlue), QStringList{QString::fromUtf8("下载失败...")});
    }
}

void TestDownloadEndToEnd::faults_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QVector<uint>>("accepted"); // the results the fault may give
    QTest::newRow("NAK on block 2") << QStringList{"--nak-block", "2"} << QVector<uint>{NoResponse};
    QTest::newRow("wrong sum on block 2")
        << QStringList{"--bad-sum-block", "2"} << QVector<uint>{CheckFailed};
    QTest::newRow("garbage on block 3")
        << QStringList{"--garbage-block", "3"} << QVector<uint>{CheckFailed};
    QTest::newRow("no answer to block 2")
        << QStringList{"--silent-block", "2"} << QVector<uint>{NoResponse};
    // Whether block 3 is written before or after the line drops decides
    // between "no answer" and "cannot send".
    QTest::newRow("hang-up after 2 blocks")
        << QStringList{"--hangup-after", "2"} << QVector<uint>{NoResponse, OpenFailed};
    QTest::newRow("no answer at all") << QStringList{"--silent"} << QVector<uint>{NoResponse};
    QTest::newRow("garbage enquiry reply")
        << QStringList{"--garbage-enquiry"} << QVector<uint>{CheckFailed};
    QTest::newRow("slow panel") << QStringList{"--delay", "30"} << QVector<uint>{Ok};
}

void TestDownloadEndToEnd::faults()
{
    QFETCH(QStringList, options);
    QFETCH(QVector<uint>, accepted);
    QVERIFY(m_emulator->start(options));
    const QByteArray bytes = image(100);
    m_worker->queueDownload(0, bytes.constData(), bytes.size(), QString(), false);
    m_worker->queueReadType(); // discarded when the download fails
    QVERIFY(QTest::qWaitFor([this] { return !m_probe->replies.isEmpty(); }, kReplyTimeoutMs));
    const bool succeeds = accepted.first() == Ok;
    QTest::qWait(succeeds ? 0 : 300);
    QTRY_COMPARE(m_probe->replies.size(), succeeds ? 2 : 1);
    const uint code = m_probe->replies.at(0).code;
    QVERIFY2(accepted.contains(code), qPrintable(QString::number(code)));
    QCOMPARE(m_probe->logsIn(kBlue), QStringList{succeeds ? QString::fromUtf8("下载完成...")
                                                          : QString::fromUtf8("下载失败...")});
    QVERIFY(!m_worker->isTransferring());
}

void TestDownloadEndToEnd::noPanelAttached()
{
    QVERIFY(download(image(10)));
    QCOMPARE(m_probe->replies.size(), 1);
    QCOMPARE(m_probe->replies.at(0).code, uint(OpenFailed));
}

void TestDownloadEndToEnd::cancelBetweenBlocks()
{
    QVERIFY(m_emulator->start({QStringLiteral("--delay"), QStringLiteral("20")}));
    const QByteArray bytes = image(400);
    m_worker->queueDownload(0, bytes.constData(), bytes.size(), QString(), false);
    QVERIFY(QTest::qWaitFor([this] { return !m_probe->progress.isEmpty(); }, kReplyTimeoutMs));
    m_worker->cancelRequested.store(true); // polled before the next block
    QVERIFY(QTest::qWaitFor([this] { return !m_probe->replies.isEmpty(); }, kReplyTimeoutMs));
    QCOMPARE(m_probe->replies.at(0).code, uint(Cancelled));
    QCOMPARE(m_probe->progress.last(), qMakePair(0u, 0u));
    QCOMPARE(m_probe->logsIn(kBlue), QStringList{QString::fromUtf8("下载失败...")});
    QVERIFY(m_emulator->logLinesStartingWith(QStringLiteral("SAV")).isEmpty());
}

void TestDownloadEndToEnd::cancelTransferClosesThePort()
{
    QVERIFY(m_emulator->start({QStringLiteral("--delay"), QStringLiteral("20")}));
    const QByteArray bytes = image(400);
    m_worker->queueDownload(0, bytes.constData(), bytes.size(), QString(), false);
    QVERIFY(QTest::qWaitFor([this] { return m_worker->isTransferring(); }, kReplyTimeoutMs));
    m_worker->cancelTransfer();
    QVERIFY(QTest::qWaitFor([this] { return !m_probe->replies.isEmpty(); }, kReplyTimeoutMs));
    QTest::qWait(100);
    QCOMPARE(m_probe->replies.size(), 1);
    const uint code = m_probe->replies.at(0).code;
    QVERIFY2(code == Cancelled || code == OpenFailed || code == NoResponse,
             qPrintable(QString::number(code)));
    QCOMPARE(m_probe->logsIn(kBlue), QStringList{QString::fromUtf8("下载失败...")});
}

QTEST_GUILESS_MAIN(TestDownloadEndToEnd)
#include "TestDownloadEndToEnd.moc"
