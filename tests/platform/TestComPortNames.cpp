#include "platform/ComPortNames.h"

#include <QTemporaryDir>
#include <QtTest>
#include <cstdlib>

class TestComPortNames : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void fixedTable_data();
    void fixedTable();
    void parseComName_data();
    void parseComName();
    void portDirectoryFollowsEnvironment();
    void folderEntriesWin();

private:
    QTemporaryDir* m_dir = nullptr;
};

void TestComPortNames::init()
{
    m_dir = new QTemporaryDir;
    qputenv("ZTSERIAL_PORT_DIR", m_dir->path().toUtf8());
}

void TestComPortNames::cleanup()
{
    qunsetenv("ZTSERIAL_PORT_DIR");
    delete m_dir;
}

void TestComPortNames::fixedTable_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("device");
    QTest::newRow("COM1") << 1 << "/dev/ttyS0";
    QTest::newRow("COM32") << 32 << "/dev/ttyS31";
    QTest::newRow("COM33") << 33 << "/dev/ttyUSB0";
    QTest::newRow("COM64") << 64 << "/dev/ttyUSB31";
    QTest::newRow("COM65") << 65 << "/dev/ttyACM0";
    QTest::newRow("COM96") << 96 << "/dev/ttyACM31";
    QTest::newRow("COM97") << 97 << "";
    QTest::newRow("COM0") << 0 << "";
}

void TestComPortNames::fixedTable()
{
    QFETCH(int, number);
    QFETCH(QString, device);
    QCOMPARE(QString::fromStdString(ComPortNames::fixedDevice(number)), device);
    QCOMPARE(QString::fromStdString(ComPortNames::devicePath(number)), device);
    if (!device.isEmpty())
        QCOMPARE(ComPortNames::fixedNumber(device.toStdString()), number);
}

void TestComPortNames::parseComName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("number");
    QTest::newRow("COM3") << "COM3" << 3;
    QTest::newRow("COM120") << "COM120" << 120;
    QTest::newRow("lower case") << "com3" << -1;
    QTest::newRow("COM0") << "COM0" << -1;
    QTest::newRow("COM") << "COM" << -1;
    QTest::newRow("COM3x") << "COM3x" << -1;
    QTest::newRow("COM-3") << "COM-3" << -1;
}

void TestComPortNames::parseComName()
{
    QFETCH(QString, name);
    QFETCH(int, number);
    QCOMPARE(ComPortNames::parseComName(name.toStdString()), number);
}

void TestComPortNames::portDirectoryFollowsEnvironment()
{
    QCOMPARE(QString::fromStdString(ComPortNames::portDirectory()), m_dir->path());
    qunsetenv("ZTSERIAL_PORT_DIR");
    qputenv("XDG_CONFIG_HOME", "/cfg");
    QCOMPARE(QString::fromStdString(ComPortNames::portDirectory()),
             QStringLiteral("/cfg/Segmo/ports"));
    qunsetenv("XDG_CONFIG_HOME");
    const QByteArray home = qgetenv("HOME");
    QCOMPARE(QString::fromStdString(ComPortNames::portDirectory()),
             QString::fromLocal8Bit(home) + QStringLiteral("/.config/Segmo/ports"));
}

void TestComPortNames::folderEntriesWin()
{
    // COM3 links to a device file, COM40 is a dangling link, COM5x is no port name.
    const QString target = m_dir->filePath(QStringLiteral("pty-device"));
    QFile(target).open(QIODevice::WriteOnly);
    QVERIFY(QFile::link(target, m_dir->filePath(QStringLiteral("COM3"))));
    QVERIFY(QFile::link(m_dir->filePath(QStringLiteral("gone")),
                        m_dir->filePath(QStringLiteral("COM40"))));
    QVERIFY(QFile::link(target, m_dir->filePath(QStringLiteral("COM5x"))));

    QCOMPARE(QString::fromStdString(ComPortNames::devicePath(3)),
             m_dir->filePath(QStringLiteral("COM3")));
    QCOMPARE(QString::fromStdString(ComPortNames::devicePath(40)),
             QStringLiteral("/dev/ttyUSB7")); // a dangling link is no port
    QCOMPARE(ComPortNames::comNumber(target.toStdString()), 3);
    QCOMPARE(ComPortNames::comNumber("/dev/ttyUSB1"), 34);
    QCOMPARE(ComPortNames::comNumber("/dev/ttyS2"), -1); // COM3 belongs to the link
    QCOMPARE(ComPortNames::comNumber("/dev/pts/9"), -1);

    // A link to a device node is recognised as that device.
    QVERIFY(QFile::link(QStringLiteral("/dev/null"), m_dir->filePath(QStringLiteral("COM7"))));
    QCOMPARE(ComPortNames::comNumber("/dev/null"), 7);

    const std::vector<ComPortNames::PortEntry> ports = ComPortNames::folderPorts();
    QCOMPARE(ports.size(), std::size_t(2));
    QCOMPARE(ports.at(0).number, 3);
    QCOMPARE(ports.at(1).number, 7);
}

QTEST_GUILESS_MAIN(TestComPortNames)
#include "TestComPortNames.moc"
