#include "project/ProjectStreamWriter.h"

ProjectStreamWriter::ProjectStreamWriter(QIODevice* device) : m_stream(device)
{
    m_stream.setVersion(QDataStream::Qt_5_6);
    m_stream.setByteOrder(QDataStream::BigEndian);
}

void ProjectStreamWriter::writeText(const QString& text)
{
    writeU32(quint32(text.size()) * 2);
    for (const QChar c : text)
        m_stream << quint16(c.unicode());
}

void ProjectStreamWriter::writeTextList(const QStringList& list)
{
    writeU32(quint32(list.size()));
    for (const QString& text : list)
        writeText(text);
}

void ProjectStreamWriter::writeRegister(const CLedRegister& reg)
{
    writeU32(reg.reserved0);
    writeU32(reg.reserved1);
    writeU32(reg.reserved2);
    writeU32(reg.station);
    writeText(reg.type);
    writeU32(reg.address);
    writeU32(reg.reserved3);
    writeU32(reg.reserved4);
    writeU32(reg.count);
}

void ProjectStreamWriter::writeLink(const CLedLinkSettings& link)
{
    writeU32(link.station);
    writeU32(link.baudIndex);
    writeU32(link.dataBitsIndex);
    writeU32(link.stopBitsIndex);
    writeU32(link.parityIndex);
    writeU32(link.comTypeIndex);
    writeTextList(link.linkList);
}

void ProjectStreamWriter::writePage(const CLedPage& page)
{
    writeRegister(page.reg);
    writeText(page.description);
    writeU32(page.totalDigits);
    writeU32(page.decimals);
    writeBool(page.isSigned);
    writeBool(page.leadingZero);
    writeBool(page.settable);
    writeBool(page.encrypted);
    writeBool(page.limited);
    writeI32(page.minValue);
    writeI32(page.maxValue);
    writeText(page.paramText);
}
