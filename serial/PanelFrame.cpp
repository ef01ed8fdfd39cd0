#include "serial/PanelFrame.h"

namespace PanelFrame {

namespace {

constexpr int kMaxSummed = 249;

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Two hex digits as a byte, or -1.
int hexByte(const char* digits)
{
    const int high = hexValue(digits[0]);
    const int low = hexValue(digits[1]);
    return high < 0 || low < 0 ? -1 : high << 4 | low;
}

} // namespace

QByteArray hexDigits(quint32 value, int digits)
{
    static const char kDigits[] = "0123456789ABCDEF";
    QByteArray out(digits, '0');
    for (int i = digits - 1; i >= 0; --i, value >>= 4)
        out[i] = kDigits[value & 0xF];
    return out;
}

quint8 frameSum(const char* begin, const char* end)
{
    quint8 sum = 0;
    const char* p = end - 1;
    for (int added = 0; p >= begin && *p != STX && added < kMaxSummed; --p, ++added)
        sum = quint8(sum + quint8(*p));
    return sum;
}

QByteArray build(char command, const QByteArray& fields)
{
    QByteArray frame;
    frame.reserve(fields.size() + 5);
    frame.append(STX);
    frame.append(command);
    frame.append(fields);
    frame.append(ETX);
    frame.append(hexDigits(frameSum(frame.constData(), frame.constData() + frame.size()), 2));
    return frame;
}

QByteArray blockFrame(char command, quint32 address, const char* data, int count)
{
    const int addressDigits = command == '{' ? 8 : 4;
    QByteArray fields = hexDigits(address, addressDigits) + hexDigits(quint32(count), 2);
    for (int i = 0; i < count; ++i)
        fields += hexDigits(quint8(data[i]), 2);
    return build(command, fields);
}

bool parseReply(const char* bytes, qint64 count, QByteArray& payload)
{
    if (count == 1) {
        if (bytes[0] != ACK)
            return false;
        payload = QByteArray(1, ACK);
        return true;
    }
    if (count < 4 || bytes[0] != STX || bytes[count - 3] != ETX)
        return false;
    const int sum = hexByte(bytes + count - 2);
    if (sum < 0 || sum != frameSum(bytes, bytes + count - 2))
        return false;
    // A panel sends whole bytes as digit pairs; anything else is a damaged reply.
    const qint64 digits = count - 4;
    if (digits % 2 != 0)
        return false;
    QByteArray decoded;
    decoded.reserve(int(digits / 2));
    for (qint64 i = 0; i < digits; i += 2) {
        const int value = hexByte(bytes + 1 + i);
        if (value < 0)
            return false;
        decoded.append(char(value));
    }
    payload = decoded;
    return true;
}

} // namespace PanelFrame
