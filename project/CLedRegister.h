#pragma once

#include <QString>

// A reference to a PLC register. The reserved fields are never changed by the
// editors but are stored in the project file (and two of them compiled).
struct CLedRegister
{
    quint32 reserved0 = 0;
    quint32 reserved1 = 0;
    quint32 reserved2 = 1;
    quint32 station = 0;
    QString type;
    quint32 address = 0;
    quint32 reserved3 = 0;
    quint32 reserved4 = 0;
    quint32 count = 1;

    static CLedRegister of(const QString& type, quint32 address)
    {
        CLedRegister reg;
        reg.type = type;
        reg.address = address;
        return reg;
    }

    bool operator==(const CLedRegister& o) const
    {
        return reserved0 == o.reserved0 && reserved1 == o.reserved1 && reserved2 == o.reserved2 &&
               station == o.station && type == o.type && address == o.address &&
               reserved3 == o.reserved3 && reserved4 == o.reserved4 && count == o.count;
    }
    bool operator!=(const CLedRegister& o) const { return !(*this == o); }
};
