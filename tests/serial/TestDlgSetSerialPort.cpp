#include "app/SettingsFiles.h"
#include "app/UserPrompt.h"
#include "serial/DlgSetSerialPort.h"
#include "serial/QSerialThread.h"
#include "serial/SerialTransport.h"

#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class TestDlgSetSerialPort : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void selectsTheWorkersPort();
    void unlistedPortSelectsTheFirst();
    void cableWins();
    void okAppliesTheChoice();
    void closeStoresTheNameOnly();

private:
    QComboBox* ports(QDialog& dialog)
    {
        return dialog.findChild<QComboBox*>(QStringLiteral("mPort"));
    }
    void click(QDialog& dialog, const char* name)
    {
        dialog.findChild<QPushButton*>(QLatin1String(name))->click();
    }
    void addPort(int number);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QSerialThread> m_worker;
    QString m_previousDir;
};

void TestDlgSetSerialPort::initTestCase()
{
    QVERIFY(SerialTransport::instance().bind(QStringLiteral(SEGMO_PROGRAM_DIR "/ZtSerial.dll")));
}

void TestDlgSetSerialPort::init()
{
    UserPrompt::clear();
    UserPrompt::setUnattended(true);
    m_dir = std::make_unique<QTemporaryDir>();
    m_previousDir = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
    QDir().mkpath(m_dir->filePath(QStringLiteral("ports")));
    qputenv("ZTSERIAL_PORT_DIR", m_dir->filePath(QStringLiteral("ports")).toUtf8());
    qputenv("ZTSERIAL_SYSFS_ROOT", m_dir->filePath(QStringLiteral("nosysfs")).toUtf8());
    addPort(41);
    addPort(42);
    m_worker = std::make_unique<QSerialThread>(SerialTransport::instance());
}

void TestDlgSetSerialPort::cleanup()
{
    m_worker.reset();
    QDir::setCurrent(m_previousDir);
    qunsetenv("ZTSERIAL_PORT_DIR");
    qunsetenv("ZTSERIAL_SYSFS_ROOT");
}

void TestDlgSetSerialPort::addPort(int number)
{
    // A port-folder entry only has to lead to something that exists.
    const QString device = m_dir->filePath(QStringLiteral("device%1").arg(number));
    QFile(device).open(QIODevice::WriteOnly);
    QVERIFY(QFile::link(device, m_dir->filePath(QStringLiteral("ports/COM%1").arg(number))));
}

void TestDlgSetSerialPort::selectsTheWorkersPort()
{
    m_worker->setPortName(QStringLiteral("COM42"));
    DlgSetSerialPort dialog(nullptr, m_worker.get());
    QVERIFY(ports(dialog)->findText(QStringLiteral("COM41")) >= 0);
    QCOMPARE(ports(dialog)->currentText(), QStringLiteral("COM42"));
}

void TestDlgSetSerialPort::unlistedPortSelectsTheFirst()
{
    m_worker->setPortName(QStringLiteral("COM99"));
    DlgSetSerialPort dialog(nullptr, m_worker.get());
    QCOMPARE(ports(dialog)->currentIndex(), 0);
}

void TestDlgSetSerialPort::cableWins()
{
    // A fake sysfs whose download cable is the tty "null": its node /dev/null
    // exists, so a port-folder entry COM34 can lead to it.
    const QString root = m_dir->filePath(QStringLiteral("sysfs"));
    const QString usb = root + QStringLiteral("/sys/devices/usb1/1-1");
    QVERIFY(QDir().mkpath(usb + QStringLiteral("/1-1:1.0/null")));
    QFile vendor(usb + QStringLiteral("/idVendor"));
    QVERIFY(vendor.open(QIODevice::WriteOnly));
    vendor.write("05ac\n");
    vendor.close();
    QFile product(usb + QStringLiteral("/idProduct"));
    QVERIFY(product.open(QIODevice::WriteOnly));
    product.write("6666\n");
    product.close();
    QVERIFY(QDir().mkpath(root + QStringLiteral("/sys/class/tty/null")));
    QVERIFY(QFile::link(usb + QStringLiteral("/1-1:1.0/null"),
                        root + QStringLiteral("/sys/class/tty/null/device")));
    qputenv("ZTSERIAL_SYSFS_ROOT", root.toUtf8());
    QVERIFY(
        QFile::link(QStringLiteral("/dev/null"), m_dir->filePath(QStringLiteral("ports/COM34"))));

    m_worker->setPortName(QStringLiteral("COM41"));
    DlgSetSerialPort dialog(nullptr, m_worker.get());
    QCOMPARE(m_worker->portName(), QStringLiteral("COM34"));
    QCOMPARE(ports(dialog)->currentText(), QStringLiteral("COM34"));
}

void TestDlgSetSerialPort::okAppliesTheChoice()
{
    m_worker->setPortName(QStringLiteral("COM41"));
    DlgSetSerialPort dialog(nullptr, m_worker.get());
    ports(dialog)->setCurrentText(QStringLiteral("COM42"));
    click(dialog, "mBtnOk");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(m_worker->portName(), QStringLiteral("COM42"));
    QCOMPARE(portSetting(), QStringLiteral("COM42"));
}

void TestDlgSetSerialPort::closeStoresTheNameOnly()
{
    m_worker->setPortName(QStringLiteral("COM41"));
    DlgSetSerialPort dialog(nullptr, m_worker.get());
    ports(dialog)->setCurrentText(QStringLiteral("COM42"));
    click(dialog, "mBtnClose");
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(m_worker->portName(), QStringLiteral("COM41"));
    QCOMPARE(portSetting(), QStringLiteral("COM42"));
}

QTEST_MAIN(TestDlgSetSerialPort)
#include "TestDlgSetSerialPort.moc"
