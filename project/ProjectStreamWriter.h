#pragma once

#include "project/CLedLinkSettings.h"
#include "project/CLedPage.h"

#include <QDataStream>

// Writes the value kinds of the project file. Texts are written as their byte
// length and big-endian UTF-16 code units; an empty (or null) text as length
// 0, never as QDataStream's 0xFFFFFFFF.
class ProjectStreamWriter
{
public:
    explicit ProjectStreamWriter(QIODevice* device);

    bool ok() const { return m_stream.status() == QDataStream::Ok; }

    void writeU32(quint32 value) { m_stream << value; }
    void writeI32(qint32 value) { m_stream << value; }
    void writeBool(bool value) { m_stream << quint8(value ? 1 : 0); }
    void writeText(const QString& text);
    void writeTextList(const QStringList& list);
    void writeRegister(const CLedRegister& reg);
    void writeLink(const CLedLinkSettings& link);
    void writePage(const CLedPage& page);

private:
    QDataStream m_stream;
};
