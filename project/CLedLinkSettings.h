#pragma once

#include <QStringList>

// The PLC serial link settings. The five index fields are positions in the link
// parameter tables of the PLC catalogue (plc/LinkParameterTables.h).
struct CLedLinkSettings
{
    quint32 station = 0;
    quint32 baudIndex = 0;
    quint32 dataBitsIndex = 0;
    quint32 stopBitsIndex = 0;
    quint32 parityIndex = 0;
    quint32 comTypeIndex = 0;
    QStringList linkList;

    bool operator==(const CLedLinkSettings& o) const
    {
        return station == o.station && baudIndex == o.baudIndex &&
               dataBitsIndex == o.dataBitsIndex && stopBitsIndex == o.stopBitsIndex &&
               parityIndex == o.parityIndex && comTypeIndex == o.comTypeIndex &&
               linkList == o.linkList;
    }
    bool operator!=(const CLedLinkSettings& o) const { return !(*this == o); }
};
