#include "plc/CPlcModel.h"

#include "plc/LinkParameterTables.h"
#include "plc/PlcAttributes.h"

#include <QDomElement>

using namespace PlcAttributes;

namespace {

// The link defaults of a model; a value no table slot equals falls back to
// 9600 baud or to the table's first entry.
CLedLinkSettings readLinkDefaults(const QDomElement& e)
{
    using namespace LinkParameterTables;
    CLedLinkSettings link;
    link.station = toDecimal(text(e, "DefStation"));
    link.baudIndex = indexOf(BaudRates, text(e, "DefaultBaud"), 3);
    link.dataBitsIndex = indexOf(DataBits, text(e, "DataBits"), 0);
    link.stopBitsIndex = indexOf(StopBits, text(e, "StopBits"), 0);
    link.parityIndex = indexOf(Parity, text(e, "Parity"), 0);
    link.comTypeIndex = indexOf(LineTypes, text(e, "ComType"), 0);
    return link;
}

} // namespace

std::unique_ptr<CPlcModel> CPlcModel::fromElement(const QDomElement& e)
{
    auto model = std::make_unique<CPlcModel>();
    const QString id = text(e, "Id");
    if (!id.isEmpty())
        model->m_id = toDecimal(id);
    model->m_names = split(text(e, "Name"));
    model->m_hasStation = toBool(text(e, "HasStation"));
    model->m_stationValueType = toValueType(text(e, "ExpStation"));
    model->m_minStation = toNumber(text(e, "MinStation"), model->m_stationValueType);
    model->m_maxStation = toNumber(text(e, "MaxStation"), model->m_stationValueType);
    model->m_defBit = text(e, "DefBit");
    model->m_defWord = text(e, "DefWord");
    model->m_linkDefaults = readLinkDefaults(e);
    model->m_supportedBauds = split(text(e, "SupportedBaud"));
    model->m_pictures = split(text(e, "Png"));
    for (QDomElement child = e.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement())
        model->addType(CPlcAddrType::fromElement(child));
    return model;
}

QString CPlcModel::nameFor(int languageIndex) const
{
    return pieceFor(m_names, languageIndex);
}

void CPlcModel::addType(const CPlcAddrType& type)
{
    const AddrType kind = type.addrType();
    if (kind != AT_BIT && kind != AT_WORD && kind != AT_BITWORD)
        return;
    m_types.push_back(std::make_unique<CPlcAddrType>(type));
    const CPlcAddrType* record = m_types.back().get();
    if (kind == AT_BIT || kind == AT_BITWORD)
        m_bitTypes.append(record);
    if (kind == AT_WORD || kind == AT_BITWORD)
        m_wordTypes.append(record);
}
