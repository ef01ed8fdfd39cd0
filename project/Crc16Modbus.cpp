#include "project/Crc16Modbus.h"

quint16 crc16Modbus(const char* data, qint64 length)
{
    quint16 crc = 0xFFFF;
    for (qint64 i = 0; i < length; ++i) {
        crc ^= quint8(data[i]);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? quint16((crc >> 1) ^ 0xA001) : quint16(crc >> 1);
    }
    return crc;
}
