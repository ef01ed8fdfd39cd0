#include "serial/PanelProtocol.h"

#include "serial/CSerialCommandBase.h"
#include "serial/PanelFrame.h"
#include "serial/SerialSleep.h"
#include "serial/SerialTransport.h"

#include <QCoreApplication>

namespace {

constexpr int kHardwareReplyLength = 16;
constexpr int kHardwarePayload = 6;

QString hexAndDecimal(quint16 value)
{
    return QStringLiteral("%1-%2")
        .arg(QString::fromLatin1(PanelFrame::hexDigits(value, 4)))
        .arg(value, 5, 10, QLatin1Char('0'));
}

} // namespace

PanelProtocol::PanelProtocol(SerialTransport& transport, LogFunction log)
    : m_transport(transport), m_log(std::move(log))
{}

uint PanelProtocol::transact(const QByteArray& frame, qint64 replyLength, QByteArray& payload)
{
    if (frame.isEmpty())
        return OpenFailed;
    QByteArray buffer(SerialTransport::kReadBufferSize, '\0');
    uint result = OpenFailed;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        m_transport.clearAllBuffer();
        if (m_transport.writeData(frame) != frame.size())
            continue;
        const int received = m_transport.readData(buffer.data(), int(replyLength));
        if (received > 0 && buffer.at(0) != PanelFrame::NAK) {
            if (PanelFrame::parseReply(buffer.constData(), received, payload))
                return Ok;
            result = CheckFailed;
        } else {
            result = NoResponse;
        }
        SerialSleep::sleepMs(kRetryPauseMs);
    }
    return result;
}

uint PanelProtocol::ackExchange(const QByteArray& frame)
{
    QByteArray payload;
    const uint result = transact(frame, 1, payload);
    if (result != Ok)
        return result;
    return !payload.isEmpty() && payload.at(0) == PanelFrame::ACK ? Ok : CheckFailed;
}

uint PanelProtocol::enquiry()
{
    return ackExchange(QByteArray(1, PanelFrame::ENQ));
}

uint PanelProtocol::hardwareQuery(CSerialCommandBase& command)
{
    QByteArray payload;
    const uint result = transact(PanelFrame::build('z', "1"), kHardwareReplyLength, payload);
    if (result != Ok)
        return result;
    command.reply = payload;
    if (payload.isEmpty())
        return Timeout;
    if (payload.size() < kHardwarePayload)
        return CheckFailed;
    const quint16 flag = PanelFrame::bigEndian16(payload, 0);
    const quint16 model = PanelFrame::bigEndian16(payload, 2);
    const quint16 version = PanelFrame::bigEndian16(payload, 4);
    command.model = model;
    m_log(QCoreApplication::translate("PanelProtocol", "硬件 | 标志:%1 | 型号:%2 | 版本:%3")
              .arg(QString::fromLatin1(PanelFrame::hexDigits(flag, 4)), hexAndDecimal(model),
                   hexAndDecimal(version)));
    return Ok;
}

uint PanelProtocol::enterUpdateMode(CSerialCommandBase& command)
{
    QByteArray payload;
    const uint result = transact(PanelFrame::build('z', "2"), 1, payload);
    if (result != Ok)
        return result;
    command.reply = payload;
    return payload.isEmpty() ? Timeout : Ok;
}

uint PanelProtocol::verifyFirmware(quint16 crc)
{
    return ackExchange(PanelFrame::build('z', "0" + PanelFrame::hexDigits(crc, 4)));
}

uint PanelProtocol::saveProject()
{
    return ackExchange(PanelFrame::build('~', QByteArray()));
}

uint PanelProtocol::writeFirmwareBlock(quint32 address, const char* data, int count)
{
    return ackExchange(PanelFrame::blockFrame('{', address, data, count));
}

uint PanelProtocol::writeProjectBlock(quint32 address, const char* data, int count)
{
    return ackExchange(PanelFrame::blockFrame('}', address & 0xFFFF, data, count));
}
