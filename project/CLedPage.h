#pragma once

#include "project/CLedRegister.h"

// One page ("画面"): a PLC register value shown with a two-character label.
struct CLedPage
{
    CLedRegister reg;
    QString description;
    quint32 totalDigits = 4;
    quint32 decimals = 0;
    bool isSigned = false;
    bool leadingZero = false;
    bool settable = false;
    bool encrypted = false;
    bool limited = false;
    qint32 minValue = 0;
    qint32 maxValue = 32767;
    QString paramText;

    bool operator==(const CLedPage& o) const
    {
        return reg == o.reg && description == o.description && totalDigits == o.totalDigits &&
               decimals == o.decimals && isSigned == o.isSigned && leadingZero == o.leadingZero &&
               settable == o.settable && encrypted == o.encrypted && limited == o.limited &&
               minValue == o.minValue && maxValue == o.maxValue && paramText == o.paramText;
    }
    bool operator!=(const CLedPage& o) const { return !(*this == o); }
};
