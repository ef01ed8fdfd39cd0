#include "tools/panel-emulator/PanelEmulator.h"

#include "project/Crc16Modbus.h"
#include "serial/PanelFrame.h"

#include <QDir>
#include <QSaveFile>
#include <QThread>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

using namespace PanelFrame;

namespace {

constexpr int kBlockSize = 20;

quint32 hexField(const QByteArray& fields, int at, int digits, bool* ok)
{
    return fields.mid(at, digits).toUInt(ok, 16);
}

QByteArray replyFrame(const QByteArray& payload)
{
    QByteArray digits;
    for (char byte : payload)
        digits += hexDigits(quint8(byte), 2);
    QByteArray frame;
    frame.append(STX);
    frame.append(digits);
    frame.append(ETX);
    frame.append(hexDigits(frameSum(frame.constData(), frame.constData() + frame.size()), 2));
    return frame;
}

QByteArray bigEndian(quint16 value)
{
    return QByteArray(1, char(value >> 8)) + QByteArray(1, char(value & 0xFF));
}

// Decodes count data bytes that follow `at` in the fields; false when the
// digits do not match the count.
bool decodeData(const QByteArray& fields, int at, int count, QByteArray& data)
{
    if (fields.size() != at + 2 * count)
        return false;
    data = QByteArray::fromHex(fields.mid(at));
    return data.size() == count;
}

} // namespace

PanelEmulator::PanelEmulator(const EmulatorOptions& options) : m_options(options) {}

PanelEmulator::~PanelEmulator()
{
    hangUp();
    if (m_slave >= 0)
        ::close(m_slave);
    if (!m_link.isEmpty())
        QFile::remove(m_link);
}

QString PanelEmulator::start(QString* error)
{
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0) {
        *error = QStringLiteral("cannot open a pseudo-terminal");
        return QString();
    }
    const QString slave = QString::fromLocal8Bit(ptsname(m_master));
    // Holding the slave open keeps the pty alive between the client's opens.
    m_slave = ::open(slave.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios tio{};
    if (m_slave < 0 || tcgetattr(m_slave, &tio) != 0) {
        *error = QStringLiteral("cannot open %1").arg(slave);
        return QString();
    }
    cfmakeraw(&tio);
    tcsetattr(m_slave, TCSANOW, &tio);

    QDir().mkpath(m_options.portDir);
    m_link = QDir(m_options.portDir).filePath(QStringLiteral("COM%1").arg(m_options.comNumber));
    QFile::remove(m_link);
    if (!QFile::link(slave, m_link)) {
        *error = QStringLiteral("cannot make the link %1").arg(m_link);
        m_link.clear();
        return QString();
    }
    if (!m_options.logPath.isEmpty()) {
        m_log.setFileName(m_options.logPath);
        m_log.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text);
    }
    return slave;
}

void PanelEmulator::serve(const std::atomic<bool>& stop)
{
    char buffer[256];
    while (!stop.load() && !m_hungUp) {
        pollfd fd{m_master, POLLIN, 0};
        if (poll(&fd, 1, 50) <= 0)
            continue;
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n < 0 && (errno == EAGAIN || errno == EINTR || errno == EIO)) {
            QThread::msleep(5); // EIO: no client has the port open
            continue;
        }
        for (ssize_t i = 0; i < n && !m_hungUp; ++i)
            feed(buffer[i]);
    }
}

void PanelEmulator::feed(char byte)
{
    if (m_frame.isEmpty()) {
        if (byte == ENQ)
            handleEnquiry();
        else if (byte == STX)
            m_frame.append(byte);
        else
            logLine(QStringLiteral("NOISE %1").arg(quint8(byte), 2, 16, QLatin1Char('0')));
        return;
    }
    m_frame.append(byte);
    if (byte == ETX && m_etxAt < 0)
        m_etxAt = m_frame.size() - 1;
    if (m_etxAt >= 0 && m_frame.size() == m_etxAt + 3) {
        const QByteArray frame = m_frame;
        m_frame.clear();
        m_etxAt = -1;
        handleFrame(frame);
    }
}

void PanelEmulator::handleEnquiry()
{
    logLine(QStringLiteral("ENQ"));
    if (m_options.garbageEnquiry)
        reply(QByteArray("x"), 1);
    else
        reply(QByteArray(1, ACK), 1);
}

void PanelEmulator::handleFrame(const QByteArray& frame)
{
    const int etx = frame.size() - 3;
    const quint8 sum = frameSum(frame.constData(), frame.constData() + etx + 1);
    if (frame.right(2) != hexDigits(sum, 2) || frame.size() < 5) {
        logLine(QStringLiteral("BAD %1").arg(QString::fromLatin1(frame.toHex())));
        reply(QByteArray(1, NAK), frame.size());
        return;
    }
    const char command = frame.at(1);
    const QByteArray fields = frame.mid(2, etx - 2);
    if (command == 'z' && fields == "1") {
        logLine(QStringLiteral("HWQ"));
        reply(replyFrame(bigEndian(m_options.flag) + bigEndian(m_options.model) +
                         bigEndian(m_options.version)),
              frame.size());
    } else if (command == 'z' && fields == "2") {
        logLine(QStringLiteral("UPD"));
        m_updateMode = true;
        m_firmware.clear();
        reply(QByteArray(1, ACK), frame.size());
    } else if (command == 'z' && fields.startsWith('0') && fields.size() == 5) {
        handleVerify(fields, frame);
    } else if (command == '{') {
        handleFirmwareBlock(fields, frame);
    } else if (command == '}') {
        handleProjectBlock(fields, frame);
    } else if (command == '~' && fields.isEmpty()) {
        handleSave(frame);
    } else {
        logLine(QStringLiteral("UNKNOWN %1").arg(QString::fromLatin1(frame.toHex())));
        reply(QByteArray(1, NAK), frame.size());
    }
}

void PanelEmulator::handleProjectBlock(const QByteArray& fields, const QByteArray& frame)
{
    bool addressOk = false;
    bool countOk = false;
    const quint32 address = hexField(fields, 0, 4, &addressOk);
    const int count = int(hexField(fields, 4, 2, &countOk));
    QByteArray data;
    const int block = int(address) / kBlockSize + 1;
    logLine(QStringLiteral("PRB %1 %2").arg(address).arg(count));
    if (block == m_options.silentBlock) {
        logLine(QStringLiteral("FAULT silent"));
        return;
    }
    if (block == m_options.nakBlock) {
        logLine(QStringLiteral("FAULT nak"));
        reply(QByteArray(1, NAK), frame.size());
        return;
    }
    if (block == m_options.badSumBlock) {
        logLine(QStringLiteral("FAULT badsum"));
        QByteArray bad = replyFrame(QByteArray(1, ACK));
        bad[bad.size() - 1] = bad.at(bad.size() - 1) == '0' ? '1' : '0';
        reply(bad, frame.size());
        return;
    }
    if (block == m_options.garbageBlock) {
        logLine(QStringLiteral("FAULT garbage"));
        reply(QByteArray("?"), frame.size());
        return;
    }
    // A download starts at offset 0; every further block follows the last.
    if (address == 0)
        m_image.clear();
    if (!addressOk || !countOk || address != quint32(m_image.size() & 0xFFFF) ||
        !decodeData(fields, 6, count, data)) {
        logLine(QStringLiteral("REJECT %1").arg(address));
        reply(QByteArray(1, NAK), frame.size());
        return;
    }
    m_image.append(data);
    reply(QByteArray(1, ACK), frame.size());
    if (++m_blocksAcked == m_options.hangupAfter) {
        logLine(QStringLiteral("FAULT hangup"));
        hangUp();
    }
}

void PanelEmulator::handleFirmwareBlock(const QByteArray& fields, const QByteArray& frame)
{
    bool addressOk = false;
    bool countOk = false;
    const quint32 address = hexField(fields, 0, 8, &addressOk);
    const int count = int(hexField(fields, 8, 2, &countOk));
    QByteArray data;
    logLine(QStringLiteral("FWB %1 %2").arg(address).arg(count));
    if (!m_updateMode || !addressOk || !countOk || address != quint32(m_firmware.size()) ||
        !decodeData(fields, 10, count, data)) {
        logLine(QStringLiteral("REJECT %1").arg(address));
        reply(QByteArray(1, NAK), frame.size());
        return;
    }
    m_firmware.append(data);
    reply(QByteArray(1, ACK), frame.size());
}

void PanelEmulator::handleVerify(const QByteArray& fields, const QByteArray& frame)
{
    bool ok = false;
    const quint16 crc = quint16(hexField(fields, 1, 4, &ok));
    const bool matches = ok && m_updateMode && !m_options.rejectFirmware &&
                         m_firmware.size() >= 6 && crc16Modbus(m_firmware) == crc;
    logLine(QStringLiteral("VFY %1 %2")
                .arg(QString::fromLatin1(hexDigits(crc, 4)),
                     matches ? QStringLiteral("ok") : QStringLiteral("bad")));
    if (!matches) {
        reply(QByteArray(1, NAK), frame.size());
        return;
    }
    // The panel now runs the new firmware.
    m_options.flag = quint16(quint8(m_firmware.at(0)) << 8 | quint8(m_firmware.at(1)));
    m_options.model = quint16(quint8(m_firmware.at(2)) << 8 | quint8(m_firmware.at(3)));
    m_options.version = quint16(quint8(m_firmware.at(4)) << 8 | quint8(m_firmware.at(5)));
    m_updateMode = false;
    if (!m_options.firmwareOut.isEmpty())
        saveFile(m_options.firmwareOut, m_firmware);
    reply(QByteArray(1, ACK), frame.size());
}

void PanelEmulator::handleSave(const QByteArray& frame)
{
    logLine(QStringLiteral("SAV %1").arg(m_image.size()));
    const bool saved = m_options.imageOut.isEmpty() || saveFile(m_options.imageOut, m_image);
    reply(QByteArray(1, saved ? ACK : NAK), frame.size());
}

bool PanelEmulator::saveFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

void PanelEmulator::reply(const QByteArray& bytes, int requestLength)
{
    if (m_options.silent || m_hungUp)
        return;
    long micros = long(m_options.replyDelayMs) * 1000;
    if (m_options.baud > 0) // ten bits a byte: start, eight data bits, stop
        micros += long(requestLength + bytes.size()) * 10L * 1000000L / m_options.baud;
    if (micros > 0)
        QThread::usleep(ulong(micros));
    if (::write(m_master, bytes.constData(), size_t(bytes.size())) != bytes.size())
        logLine(QStringLiteral("WRITE FAILED"));
}

void PanelEmulator::logLine(const QString& line)
{
    if (!m_log.isOpen())
        return;
    m_log.write(line.toUtf8() + '\n');
    m_log.flush();
}

void PanelEmulator::hangUp()
{
    if (m_master >= 0) {
        ::close(m_master);
        m_master = -1;
        m_hungUp = true;
    }
}
