#pragma once

#include <QByteArray>

// The bytes of the panel link: control bytes, hex digits, frames and their
// sum check.
namespace PanelFrame {

constexpr char STX = 0x02;
constexpr char ETX = 0x03;
constexpr char ENQ = 0x05;
constexpr char ACK = 0x06;
constexpr char NAK = 0x15;

// value as `digits` upper-case hex digits, most significant first.
QByteArray hexDigits(quint32 value, int digits);

// The big-endian 16-bit value at `at` (the panel's head: flag, model, version).
inline quint16 bigEndian16(const QByteArray& bytes, int at)
{
    return quint16(quint8(bytes.at(at)) << 8 | quint8(bytes.at(at + 1)));
}

// The sum modulo 256 of the bytes after STX up to and including ETX, walking
// back from ETX (end points just after it) and adding at most 249 bytes.
quint8 frameSum(const char* begin, const char* end);

// STX, command, fields, ETX, two sum digits.
QByteArray build(char command, const QByteArray& fields);

// A block write: command "{" (32-bit address) or "}" (16-bit address), the
// byte count and two digits per data byte.
QByteArray blockFrame(char command, quint32 address, const char* data, int count);

// A valid reply: a single ACK, or STX, hex digits, ETX and a matching sum.
// The decoded payload goes to `payload` (0x06 for a single ACK).
bool parseReply(const char* bytes, qint64 count, QByteArray& payload);

} // namespace PanelFrame
