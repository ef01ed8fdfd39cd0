#pragma once

#include "plc/PlcTypes.h"

#include <QStringList>

class QDomElement;

// One register type of a PLC model (a memory area such as "M" or "D").
class CPlcAddrType
{
public:
    static CPlcAddrType fromElement(const QDomElement& element);

    quint16 asmType() const { return m_asmType; }
    const QString& name() const { return m_name; }
    const QStringList& notes() const { return m_notes; }
    AddrType addrType() const { return m_addrType; }
    MemType memType() const { return m_memType; }
    AddrExplain explain() const { return m_explain; }
    bool hasSub() const { return m_hasSub; }
    ValueType vtMain() const { return m_vtMain; }
    ValueType vtSub() const { return m_vtSub; }
    quint32 maxMain() const { return m_maxMain; }
    quint32 minMain() const { return m_minMain; }
    quint32 maxSub() const { return m_maxSub; }
    quint32 minSub() const { return m_minSub; }
    quint8 incMain() const { return m_incMain; }
    quint8 incSub() const { return m_incSub; }
    QString noteFor(int languageIndex) const;

private:
    quint16 m_asmType = 0;
    QString m_name;
    QStringList m_notes;
    AddrType m_addrType = AT_NONE;
    MemType m_memType = MT_NONE;
    AddrExplain m_explain = AE_NONE;
    bool m_hasSub = false;
    ValueType m_vtMain = VT_NONE;
    ValueType m_vtSub = VT_NONE;
    quint32 m_maxMain = 0;
    quint32 m_minMain = 0;
    quint32 m_maxSub = 0;
    quint32 m_minSub = 0;
    quint8 m_incMain = 0;
    quint8 m_incSub = 0;
};
