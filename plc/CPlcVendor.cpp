#include "plc/CPlcVendor.h"

#include "plc/PlcAttributes.h"

#include <QDomElement>

using namespace PlcAttributes;

std::unique_ptr<CPlcVendor> CPlcVendor::fromElement(const QDomElement& e)
{
    auto vendor = std::make_unique<CPlcVendor>();
    const QString id = text(e, "Id");
    if (!id.isEmpty())
        vendor->m_id = toDecimal(id);
    vendor->m_names = split(text(e, "Name"));
    for (QDomElement child = e.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement())
        vendor->m_models.push_back(CPlcModel::fromElement(child));
    return vendor;
}

QString CPlcVendor::nameFor(int languageIndex) const
{
    return pieceFor(m_names, languageIndex);
}

const CPlcModel* CPlcVendor::modelAt(int index) const
{
    return index >= 0 && index < modelCount() ? m_models.at(std::size_t(index)).get() : nullptr;
}
