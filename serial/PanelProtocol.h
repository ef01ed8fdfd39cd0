#pragma once

#include "serial/SerialResult.h"

#include <QByteArray>
#include <functional>

class CSerialCommandBase;
class SerialTransport;

// The exchanges with the panel: one frame out, one reply in, with retries.
// Runs on the serial worker thread only.
class PanelProtocol
{
public:
    static constexpr int kAttempts = 4;
    static constexpr int kRetryPauseMs = 1000;

    using LogFunction = std::function<void(const QString&)>;

    PanelProtocol(SerialTransport& transport, LogFunction log);

    // Sends the frame and reads up to replyLength bytes, up to four times.
    uint transact(const QByteArray& frame, qint64 replyLength, QByteArray& payload);

    uint enquiry();
    uint hardwareQuery(CSerialCommandBase& command);
    uint enterUpdateMode(CSerialCommandBase& command);
    uint verifyFirmware(quint16 crc);
    uint saveProject();
    uint writeFirmwareBlock(quint32 address, const char* data, int count);
    uint writeProjectBlock(quint32 address, const char* data, int count);

private:
    // An exchange whose reply must be ACK.
    uint ackExchange(const QByteArray& frame);

    SerialTransport& m_transport;
    LogFunction m_log;
};
