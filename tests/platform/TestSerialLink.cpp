#include "PtyPair.h"
#include "platform/SerialLink.h"
#include "platform/UsbPortFinder.h"
#include "serial/SerialTransport.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

namespace {

// Generous bounds: a read that waited for its time-out would take the
// whole time-out, which is far above these.
constexpr int kLongTimeoutMs = 60000;
constexpr int kPromptMs = 20000;

SerialLink::Timeouts timeouts(int interval, int multiplier, int constant)
{
    return {interval, multiplier, constant, 100, 1000};
}

} // namespace

class TestSerialLink : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void writeReachesThePanel();
    void readReturnsOnceCountArrives();
    void readEndsAfterTotalTimeout();
    void readEndsAfterIntervalGap();
    void closeFromAnotherThreadUnblocksRead_data();
    void closeFromAnotherThreadUnblocksRead();
    void hangUpEndsRead();
    void clearDiscardsInput();
    void portIsExclusive();
    void usbCable_data();
    void usbCable();
    void libraryExportsAndPortFolder();

private:
    void makeSysfsDevice(const QString& tty, const char* vendor, const char* product);

    std::unique_ptr<PtyPair> m_pty;
    std::unique_ptr<QTemporaryDir> m_dir;
    SerialLink m_link;
};

void TestSerialLink::init()
{
    m_pty = std::make_unique<PtyPair>();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_pty->isValid());
    QVERIFY(m_link.open(m_pty->slavePath().toStdString(), 115200));
}

void TestSerialLink::cleanup()
{
    m_link.close();
    qunsetenv("ZTSERIAL_SYSFS_ROOT");
    qunsetenv("ZTSERIAL_PORT_DIR");
}

void TestSerialLink::writeReachesThePanel()
{
    const unsigned char frame[] = {0x02, 'z', '1', 0x03, 'A', 'E'};
    QCOMPARE(m_link.write(frame, 6), 6);
    QCOMPARE(m_pty->receive(6, kPromptMs), QByteArray("\x02z1\x03"
                                                      "AE"));
}

void TestSerialLink::readReturnsOnceCountArrives()
{
    m_link.setTimeouts(timeouts(kLongTimeoutMs, kLongTimeoutMs, kLongTimeoutMs));
    QVERIFY(m_pty->send(QByteArray(16, 'A')));
    unsigned char buffer[1024];
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(m_link.read(buffer, 16), 16);
    QVERIFY(timer.elapsed() < kPromptMs);
}

void TestSerialLink::readEndsAfterTotalTimeout()
{
    m_link.setTimeouts(timeouts(0, 10, 100));
    unsigned char buffer[16];
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(m_link.read(buffer, 1), 0);
    QVERIFY(timer.elapsed() >= 100);
}

void TestSerialLink::readEndsAfterIntervalGap()
{
    m_link.setTimeouts(timeouts(50, 0, kLongTimeoutMs));
    QVERIFY(m_pty->send("abc"));
    unsigned char buffer[16];
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(m_link.read(buffer, 10), 3);
    QVERIFY(timer.elapsed() < kPromptMs);
}

void TestSerialLink::closeFromAnotherThreadUnblocksRead_data()
{
    QTest::addColumn<bool>("cancelFirst");
    QTest::newRow("cancel, then close") << true;
    QTest::newRow("close alone") << false;
}

void TestSerialLink::closeFromAnotherThreadUnblocksRead()
{
    QFETCH(bool, cancelFirst);
    m_link.setTimeouts(timeouts(0, 0, 0)); // no time-out at all
    int result = -1;
    QThread* reader = QThread::create([&] {
        unsigned char buffer[16];
        result = m_link.read(buffer, 16);
    });
    reader->start();
    QTest::qWait(100);
    QVERIFY(reader->isRunning());
    if (cancelFirst)
        m_link.cancel();
    m_link.close();
    QVERIFY(reader->wait(kPromptMs));
    delete reader;
    QCOMPARE(result, 0);
    QVERIFY(!m_link.isOpen());
    // The port opens again and works after the cancel.
    QVERIFY(m_link.open(m_pty->slavePath().toStdString(), 115200));
    QVERIFY(m_pty->send("x"));
    unsigned char buffer[4];
    QCOMPARE(m_link.read(buffer, 1), 1);
}

void TestSerialLink::hangUpEndsRead()
{
    m_link.setTimeouts(timeouts(0, 0, kLongTimeoutMs));
    QVERIFY(m_pty->send("ab"));
    QTimer::singleShot(50, [this] { m_pty->closeMaster(); });
    int result = -1;
    QThread* reader = QThread::create([&] {
        unsigned char buffer[16];
        result = m_link.read(buffer, 16);
    });
    reader->start();
    QVERIFY(QTest::qWaitFor([&] { return reader->isFinished(); }, kPromptMs));
    delete reader;
    QCOMPARE(result, 2);
    const unsigned char byte = 0x05;
    QVERIFY(m_link.write(&byte, 1) != 1);
}

void TestSerialLink::clearDiscardsInput()
{
    QVERIFY(m_pty->send("stale"));
    QTest::qWait(50);
    m_link.clear(true, true);
    m_link.setTimeouts(timeouts(0, 0, 100));
    unsigned char buffer[16];
    QCOMPARE(m_link.read(buffer, 5), 0);
}

void TestSerialLink::portIsExclusive()
{
    SerialLink second;
    QVERIFY(!second.open(m_pty->slavePath().toStdString(), 115200));
    m_link.close();
    QVERIFY(second.open(m_pty->slavePath().toStdString(), 115200));
    QVERIFY(!m_link.open("/nonexistent/tty", 115200));
}

void TestSerialLink::makeSysfsDevice(const QString& tty, const char* vendor, const char* product)
{
    const QString root = m_dir->path();
    const QString usb = root + QStringLiteral("/sys/devices/pci0/usb1/1-") + tty;
    const QString port = usb + QStringLiteral("/1-1:1.0/") + tty;
    QVERIFY(QDir().mkpath(port));
    if (vendor) {
        QFile id(usb + QStringLiteral("/idVendor"));
        QVERIFY(id.open(QIODevice::WriteOnly));
        id.write(QByteArray(vendor) + '\n');
        QFile pid(usb + QStringLiteral("/idProduct"));
        QVERIFY(pid.open(QIODevice::WriteOnly));
        pid.write(QByteArray(product) + '\n');
    }
    const QString classDir = root + QStringLiteral("/sys/class/tty/") + tty;
    QVERIFY(QDir().mkpath(classDir));
    QVERIFY(QFile::link(port, classDir + QStringLiteral("/device")));
}

void TestSerialLink::usbCable_data()
{
    QTest::addColumn<int>("vendor");
    QTest::addColumn<int>("product");
    QTest::addColumn<int>("comNumber");
    QTest::newRow("download cable on ttyUSB1") << 0x05AC << 0x6666 << 34;
    QTest::newRow("other adapter on ttyACM0") << 0x0403 << 0x6001 << 65;
    QTest::newRow("no such device") << 0x1234 << 0x5678 << -1;
}

void TestSerialLink::usbCable()
{
    QFETCH(int, vendor);
    QFETCH(int, product);
    QFETCH(int, comNumber);
    makeSysfsDevice(QStringLiteral("ttyS0"), nullptr, nullptr);
    makeSysfsDevice(QStringLiteral("ttyUSB1"), "05ac", "6666");
    makeSysfsDevice(QStringLiteral("ttyACM0"), "0403", "6001");
    qputenv("ZTSERIAL_SYSFS_ROOT", m_dir->path().toUtf8());
    qputenv("ZTSERIAL_PORT_DIR", (m_dir->path() + QStringLiteral("/ports")).toUtf8());
    QCOMPARE(UsbPortFinder::comNumberOf(vendor, product), comNumber);
}

void TestSerialLink::libraryExportsAndPortFolder()
{
    m_link.close();
    const QString ports = m_dir->path() + QStringLiteral("/ports");
    QVERIFY(QDir().mkpath(ports));
    QVERIFY(QFile::link(m_pty->slavePath(), ports + QStringLiteral("/COM5")));
    qputenv("ZTSERIAL_PORT_DIR", ports.toUtf8());

    SerialTransport transport;
    QVERIFY(transport.bind(QStringLiteral(SEGMO_PROGRAM_DIR "/ZtSerial.dll")));
    QVERIFY(!transport.isWindowsXp());
    QVERIFY(!transport.openPort(97)); // beyond the fixed table, no folder entry
    QVERIFY(transport.openPort(5));
    QVERIFY(transport.isPortOpen());
    QCOMPARE(transport.writeData(QByteArray(1, 0x05)), 1);
    QCOMPARE(m_pty->receive(1, kPromptMs), QByteArray(1, 0x05));
    QVERIFY(m_pty->send(QByteArray(1, 0x06)));
    char reply[1024];
    QCOMPARE(transport.readData(reply, 1), 1);
    QCOMPARE(reply[0], char(0x06));
    transport.cancelIo();
    transport.closePort();
    QVERIFY(!transport.isPortOpen());
}

QTEST_GUILESS_MAIN(TestSerialLink)
#include "TestSerialLink.moc"
