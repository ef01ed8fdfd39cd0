#include "project/ProjectStreamReader.h"

namespace {
constexpr quint32 kNoText = 0xFFFFFFFFu;
constexpr qint64 kMinTextSize = 4;
} // namespace

ProjectStreamReader::ProjectStreamReader(QIODevice* device) : m_device(device), m_stream(device)
{
    m_stream.setVersion(QDataStream::Qt_5_6);
    m_stream.setByteOrder(QDataStream::BigEndian);
}

bool ProjectStreamReader::need(qint64 bytes)
{
    if (m_ok && m_device->bytesAvailable() < bytes)
        m_ok = false;
    return m_ok;
}

quint32 ProjectStreamReader::readU32()
{
    quint32 value = 0;
    if (need(4))
        m_stream >> value;
    return value;
}

qint32 ProjectStreamReader::readI32()
{
    return qint32(readU32());
}

bool ProjectStreamReader::readBool()
{
    quint8 value = 0;
    if (need(1))
        m_stream >> value;
    return value != 0;
}

QString ProjectStreamReader::readText()
{
    const quint32 length = readU32();
    if (!m_ok || length == kNoText || length == 0)
        return QString();
    if (length % 2 != 0 || !need(length)) {
        m_ok = false;
        return QString();
    }
    const QByteArray bytes = m_device->read(length);
    if (bytes.size() != int(length)) {
        m_ok = false;
        return QString();
    }
    QString text(int(length / 2), Qt::Uninitialized);
    for (int i = 0; i < text.size(); ++i) {
        const auto high = quint8(bytes.at(2 * i));
        const auto low = quint8(bytes.at(2 * i + 1));
        text[i] = QChar(ushort(high << 8 | low));
    }
    return text;
}

quint32 ProjectStreamReader::readCount(quint32 limit, qint64 minItemSize)
{
    const quint32 count = readU32();
    if (!m_ok)
        return 0;
    if (count > limit || qint64(count) * minItemSize > m_device->bytesAvailable()) {
        m_ok = false;
        return 0;
    }
    return count;
}

QStringList ProjectStreamReader::readTextList()
{
    const quint32 count = readCount(0xFFFFFFFFu, kMinTextSize);
    QStringList list;
    list.reserve(int(count));
    for (quint32 i = 0; i < count && m_ok; ++i)
        list.append(readText());
    return list;
}

CLedRegister ProjectStreamReader::readRegister()
{
    CLedRegister reg;
    reg.reserved0 = readU32();
    reg.reserved1 = readU32();
    reg.reserved2 = readU32();
    reg.station = readU32();
    reg.type = readText();
    reg.address = readU32();
    reg.reserved3 = readU32();
    reg.reserved4 = readU32();
    reg.count = readU32();
    return reg;
}

CLedLinkSettings ProjectStreamReader::readLink()
{
    CLedLinkSettings link;
    link.station = readU32();
    link.baudIndex = readU32();
    link.dataBitsIndex = readU32();
    link.stopBitsIndex = readU32();
    link.parityIndex = readU32();
    link.comTypeIndex = readU32();
    link.linkList = readTextList();
    return link;
}

CLedPage ProjectStreamReader::readPage()
{
    CLedPage page;
    page.reg = readRegister();
    page.description = readText();
    page.totalDigits = readU32();
    page.decimals = readU32();
    page.isSigned = readBool();
    page.leadingZero = readBool();
    page.settable = readBool();
    page.encrypted = readBool();
    page.limited = readBool();
    page.minValue = readI32();
    page.maxValue = readI32();
    page.paramText = readText();
    return page;
}
