#include "plc/CPlcAddrType.h"

#include "plc/PlcAttributes.h"

#include <QDomElement>

using namespace PlcAttributes;

CPlcAddrType CPlcAddrType::fromElement(const QDomElement& e)
{
    CPlcAddrType t;
    t.m_name = text(e, "Name");
    t.m_notes = split(text(e, "Note"));
    t.m_addrType = toAddrType(text(e, "AddrType"));
    t.m_memType = toMemType(text(e, "MemType"));
    t.m_explain = toAddrExplain(text(e, "Explain"));
    t.m_asmType = quint16(text(e, "AsmType").toULongLong(nullptr, 16) & 0xFFFF);
    t.m_hasSub = toBool(text(e, "HasSub"));
    t.m_vtMain = toValueType(text(e, "VtMain"));
    t.m_vtSub = toValueType(text(e, "VtSub"));
    t.m_minMain = toNumber(text(e, "MinMain"), t.m_vtMain);
    t.m_maxMain = toNumber(text(e, "MaxMain"), t.m_vtMain);
    t.m_minSub = toNumber(text(e, "MinSub"), t.m_vtSub);
    t.m_maxSub = toNumber(text(e, "MaxSub"), t.m_vtSub);
    t.m_incMain = quint8(toNumber(text(e, "IncMain"), t.m_vtMain) & 0xFF);
    t.m_incSub = quint8(toNumber(text(e, "IncSub"), t.m_vtSub) & 0xFF);
    return t;
}

QString CPlcAddrType::noteFor(int languageIndex) const
{
    return pieceFor(m_notes, languageIndex);
}
