#include "FakeSerialApi.h"
#include "serial/CSerialCommandBase.h"
#include "serial/PanelFrame.h"
#include "serial/PanelProtocol.h"
#include "serial/SerialResult.h"
#include "serial/SerialSleep.h"

#include <QElapsedTimer>
#include <QtTest>

namespace {

QByteArray ack()
{
    return QByteArray(1, PanelFrame::ACK);
}

QByteArray nak()
{
    return QByteArray(1, PanelFrame::NAK);
}

// A reply frame around the given digits with the right sum.
QByteArray replyWith(const QByteArray& digits)
{
    QByteArray frame = "\x02" + digits + "\x03";
    return frame +
           PanelFrame::hexDigits(
               PanelFrame::frameSum(frame.constData(), frame.constData() + frame.size()), 2);
}

class ProbeCommand : public CSerialCommandBase
{
public:
    ProbeCommand() : CSerialCommandBase(Download) {}
};

} // namespace

class TestPanelProtocol : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void constantFrames_data();
    void constantFrames();
    void blockFrame();
    void parseReply_data();
    void parseReply();
    void ackCommands_data();
    void ackCommands();
    void retriesFourTimesWithPauses();
    void failedWritesRetryWithoutPause();
    void unboundTransportFailsAsClosedPort();
    void hardwareQuery_data();
    void hardwareQuery();
    void enterUpdateMode();
    void resultTexts();

private:
    SerialTransport m_transport;
    QStringList m_log;
};

void TestPanelProtocol::initTestCase()
{
    QVERIFY(m_transport.bind(FakeSerialApi::api()));
    SerialSleep::setScalePercent(0);
}

void TestPanelProtocol::init()
{
    FakeSerialApi::reset();
    m_log.clear();
}

void TestPanelProtocol::constantFrames_data()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("hardware query")
        << PanelFrame::build('z', "1") << QByteArray::fromHex("027A310341 45");
    QTest::newRow("enter update mode")
        << PanelFrame::build('z', "2") << QByteArray::fromHex("027A32034146");
    QTest::newRow("save project") << PanelFrame::build('~', QByteArray())
                                  << QByteArray::fromHex("027E033831");
    QTest::newRow("verify 0x4B37") << PanelFrame::build('z', "0" + PanelFrame::hexDigits(0x4B37, 4))
                                   << QByteArray("\x02z04B37\x03") + "8D";
}

void TestPanelProtocol::constantFrames()
{
    QFETCH(QByteArray, frame);
    QFETCH(QByteArray, bytes);
    QCOMPARE(frame.toHex(' '), bytes.toHex(' '));
}

void TestPanelProtocol::blockFrame()
{
    const char data[] = {char(0xAB), 0x01};
    QCOMPARE(PanelFrame::blockFrame('}', 20, data, 2).toHex(' '),
             QByteArray::fromHex("027D303031343032414230310338 42").toHex(' '));
    const QByteArray firmware = PanelFrame::blockFrame('{', 0x12345678, data, 1);
    QCOMPARE(firmware.mid(1, 13), QByteArray("{1234567801AB"));
    QCOMPARE(firmware.size(), 2 * 1 + 15);
    QByteArray full(20, char(0xFF));
    QCOMPARE(PanelFrame::blockFrame('}', 0, full.constData(), 20).size(), 2 * 20 + 11);
}

void TestPanelProtocol::parseReply_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QByteArray>("payload");
    QTest::newRow("ACK") << ack() << true << ack();
    QTest::newRow("NAK") << nak() << false << QByteArray();
    QTest::newRow("other byte") << QByteArray("x") << false << QByteArray();
    QTest::newRow("empty") << QByteArray() << false << QByteArray();
    QTest::newRow("two bytes") << QByteArray("\x02\x03") << false << QByteArray();
    QTest::newRow("empty frame") << replyWith("") << true << QByteArray();
    QTest::newRow("hardware reply")
        << replyWith("5A4B2A950100") << true << QByteArray::fromHex("5A4B2A950100");
    QTest::newRow("lower-case digits")
        << replyWith("5a4b2a950100") << true << QByteArray::fromHex("5A4B2A950100");
    QByteArray wrongSum = replyWith("5A4B2A950100");
    wrongSum[wrongSum.size() - 1] = wrongSum.at(wrongSum.size() - 1) == '0' ? '1' : '0';
    QTest::newRow("wrong sum, 16 bytes") << wrongSum << false << QByteArray();
    QTest::newRow("sum right, not hex") << replyWith("5G") << false << QByteArray();
    QTest::newRow("odd digit count") << replyWith("5A4") << false << QByteArray();
    QTest::newRow("no STX") << QByteArray("x5A\x03") + "00" << false << QByteArray();
    QByteArray misplacedEtx = replyWith("5A4B");
    misplacedEtx[misplacedEtx.size() - 3] = '0';
    QTest::newRow("ETX misplaced") << misplacedEtx << false << QByteArray();
}

void TestPanelProtocol::parseReply()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);
    QFETCH(QByteArray, payload);
    QByteArray decoded = "untouched";
    QCOMPARE(PanelFrame::parseReply(bytes.constData(), bytes.size(), decoded), valid);
    if (valid)
        QCOMPARE(decoded, payload);
}

void TestPanelProtocol::ackCommands_data()
{
    QTest::addColumn<QByteArrayList>("replies");
    QTest::addColumn<uint>("result");
    QTest::addColumn<int>("writes");
    QTest::newRow("ACK") << QByteArrayList{ack()} << uint(Ok) << 1;
    QTest::newRow("NAK four times")
        << QByteArrayList{nak(), nak(), nak(), nak()} << uint(NoResponse) << 4;
    QTest::newRow("silence") << QByteArrayList{} << uint(NoResponse) << 4;
    QTest::newRow("other byte") << QByteArrayList{"x", "x", "x", "x"} << uint(CheckFailed) << 4;
    QTest::newRow("frame where one byte is read")
        << QByteArrayList{replyWith("06"), "x", "x", "x"} << uint(CheckFailed) << 4;
    QTest::newRow("NAK, then ACK") << QByteArrayList{nak(), ack()} << uint(Ok) << 2;
    QTest::newRow("garbage then silence")
        << QByteArrayList{"x", "", "", ""} << uint(NoResponse) << 4;
}

void TestPanelProtocol::ackCommands()
{
    QFETCH(QByteArrayList, replies);
    QFETCH(uint, result);
    QFETCH(int, writes);
    PanelProtocol protocol(m_transport, [this](const QString& line) { m_log.append(line); });

    const char data[] = {1, 2, 3};
    using Operation = std::function<uint()>;
    const QList<QPair<QByteArray, Operation>> operations = {
        {QByteArray(1, PanelFrame::ENQ), [&] { return protocol.enquiry(); }},
        {PanelFrame::build('~', QByteArray()), [&] { return protocol.saveProject(); }},
        {PanelFrame::build('z', "0ABCD"), [&] { return protocol.verifyFirmware(0xABCD); }},
        {PanelFrame::blockFrame('}', 40, data, 3),
         [&] { return protocol.writeProjectBlock(40, data, 3); }},
        {PanelFrame::blockFrame('}', 4, data, 3),
         [&] { return protocol.writeProjectBlock(0x10004, data, 3); }}, // low 16 bits
        {PanelFrame::blockFrame('{', 0x10004, data, 3),
         [&] { return protocol.writeFirmwareBlock(0x10004, data, 3); }},
    };
    for (const auto& [frame, operation] : operations) {
        FakeSerialApi::reset();
        FakeSerialApi::state().replies = replies;
        QCOMPARE(operation(), result);
        QCOMPARE(FakeSerialApi::state().written.size(), writes);
        QCOMPARE(FakeSerialApi::state().written.first(), frame);
        QCOMPARE(FakeSerialApi::state().clears, writes);
    }
}

void TestPanelProtocol::retriesFourTimesWithPauses()
{
    SerialSleep::setScalePercent(5); // 1000 ms pauses last 50 ms
    PanelProtocol protocol(m_transport, [](const QString&) {});
    FakeSerialApi::state().replies = {nak(), nak(), nak(), nak()};
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(protocol.enquiry(), uint(NoResponse));
    SerialSleep::setScalePercent(0);
    QVERIFY(timer.elapsed() >= 4 * 50);
}

void TestPanelProtocol::failedWritesRetryWithoutPause()
{
    PanelProtocol protocol(m_transport, [](const QString&) {});
    FakeSerialApi::state().writeShortfall = 1;
    FakeSerialApi::state().replies = {ack()};
    QCOMPARE(protocol.saveProject(), uint(OpenFailed));
    QCOMPARE(FakeSerialApi::state().written.size(), 4);
    QCOMPARE(FakeSerialApi::state().replies.size(), 1); // nothing was read
}

void TestPanelProtocol::unboundTransportFailsAsClosedPort()
{
    SerialTransport unbound;
    PanelProtocol protocol(unbound, [](const QString&) {});
    QCOMPARE(protocol.enquiry(), uint(OpenFailed));
    QVERIFY(!unbound.openPort(1));
    QCOMPARE(unbound.cablePort(), -1);
    QVERIFY(!unbound.bind(QStringLiteral("/nonexistent/ZtSerial.dll")));
    ZtSerialApi incomplete = FakeSerialApi::api();
    incomplete.checkWinXP = nullptr;
    QVERIFY(!unbound.bind(incomplete));
    QVERIFY(!unbound.isBound());
}

void TestPanelProtocol::hardwareQuery_data()
{
    QTest::addColumn<QByteArrayList>("replies");
    QTest::addColumn<uint>("result");
    QTest::addColumn<int>("model");
    QTest::addColumn<QString>("logLine");
    QTest::newRow("model 258") << QByteArrayList{replyWith("5A4B01020003")} << uint(Ok) << 258
                               << QString::fromUtf8(
                                      "硬件 | 标志:5A4B | 型号:0102-00258 | 版本:0003-00003");
    QTest::newRow("empty payload")
        << QByteArrayList{replyWith("")} << uint(Timeout) << 0 << QString();
    QTest::newRow("short payload")
        << QByteArrayList{replyWith("5A4B01")} << uint(CheckFailed) << 0 << QString();
    QTest::newRow("silence") << QByteArrayList{} << uint(NoResponse) << 0 << QString();
}

void TestPanelProtocol::hardwareQuery()
{
    QFETCH(QByteArrayList, replies);
    QFETCH(uint, result);
    QFETCH(int, model);
    QFETCH(QString, logLine);
    FakeSerialApi::state().replies = replies;
    PanelProtocol protocol(m_transport, [this](const QString& line) { m_log.append(line); });
    ProbeCommand command;
    QCOMPARE(protocol.hardwareQuery(command), result);
    QCOMPARE(command.model, model);
    QCOMPARE(m_log.value(0), logLine);
    QCOMPARE(FakeSerialApi::state().written.first(), QByteArray::fromHex("027A31034145"));
}

void TestPanelProtocol::enterUpdateMode()
{
    PanelProtocol protocol(m_transport, [](const QString&) {});
    ProbeCommand command;
    FakeSerialApi::state().replies = {ack()};
    QCOMPARE(protocol.enterUpdateMode(command), uint(Ok));
    QCOMPARE(command.reply, ack());
    FakeSerialApi::state().replies = {nak(), nak(), nak(), nak()};
    QCOMPARE(protocol.enterUpdateMode(command), uint(NoResponse));
}

void TestPanelProtocol::resultTexts()
{
    QCOMPARE(serialFailureMessage(3, QStringLiteral("COM8")),
             QString::fromUtf8("通讯失败，错误代码: 0x8003\n\nCOM8 校验失败"));
    QCOMPARE(serialResultText(1, QStringLiteral("COM2")), QString::fromUtf8("无法打开串口 COM2"));
    QCOMPARE(serialResultText(0, QStringLiteral("COM2")), QString());
    QCOMPARE(serialResultText(8, QStringLiteral("COM2")), QString());
}

QTEST_GUILESS_MAIN(TestPanelProtocol)
#include "TestPanelProtocol.moc"
