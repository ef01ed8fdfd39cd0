#pragma once

#include "project/CLedLinkSettings.h"
#include "project/CLedPage.h"

#include <QDataStream>

// Reads the value kinds of the project file and checks every count and length
// against the bytes that are left before it believes it. The first failure
// sticks: later reads return empty values and ok() stays false.
class ProjectStreamReader
{
public:
    // The fewest bytes a register and a page can take in a file.
    static constexpr qint64 kMinRegisterSize = 8 * 4 + 4;
    static constexpr qint64 kMinPageSize = kMinRegisterSize + 4 + 2 * 4 + 5 + 2 * 4 + 4;

    explicit ProjectStreamReader(QIODevice* device);

    bool ok() const { return m_ok; }

    quint32 readU32();
    qint32 readI32();
    bool readBool();
    QString readText();
    QStringList readTextList();
    CLedRegister readRegister();
    CLedLinkSettings readLink();
    CLedPage readPage();
    // A count of items of at least `minItemSize` bytes each, at most `limit`.
    quint32 readCount(quint32 limit, qint64 minItemSize);

private:
    bool need(qint64 bytes);

    QIODevice* m_device;
    QDataStream m_stream;
    bool m_ok = true;
};
