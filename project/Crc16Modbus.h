#pragma once

#include <QByteArray>

// CRC-16/MODBUS: reflected polynomial 0xA001, initial value 0xFFFF, no final
// XOR. The one routine for the image's page area and the firmware files.
quint16 crc16Modbus(const char* data, qint64 length);
inline quint16 crc16Modbus(const QByteArray& bytes)
{
    return crc16Modbus(bytes.constData(), bytes.size());
}
