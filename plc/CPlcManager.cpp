#include "plc/CPlcManager.h"

#include <QDomDocument>
#include <QFile>

namespace {
std::unique_ptr<CPlcManager>& storage()
{
    static std::unique_ptr<CPlcManager> manager;
    return manager;
}
} // namespace

CPlcManager& CPlcManager::instance()
{
    if (!storage())
        storage() = std::make_unique<CPlcManager>();
    return *storage();
}

void CPlcManager::release()
{
    storage().reset();
}

bool CPlcManager::load(const QString& path)
{
    m_vendors.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QDomDocument document;
    if (!document.setContent(&file))
        return false;
    const QDomElement root = document.documentElement();
    // Comments and text between the elements are not vendors.
    if (root.firstChildElement().isNull())
        return false;
    for (QDomElement child = root.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement())
        m_vendors.push_back(CPlcVendor::fromElement(child));
    return true;
}

const CPlcVendor* CPlcManager::vendorAt(int index) const
{
    return index >= 0 && index < vendorCount() ? m_vendors.at(std::size_t(index)).get() : nullptr;
}

const CPlcVendor* CPlcManager::findVendor(quint32 vendorId) const
{
    for (const auto& vendor : m_vendors) {
        if (vendor->id() == vendorId)
            return vendor.get();
    }
    return nullptr;
}

const CPlcModel* CPlcManager::findModel(quint32 vendorId, quint32 modelId) const
{
    const CPlcVendor* vendor = findVendor(vendorId);
    if (!vendor)
        return nullptr;
    for (int i = 0; i < vendor->modelCount(); ++i) {
        if (vendor->modelAt(i)->id() == modelId)
            return vendor->modelAt(i);
    }
    return nullptr;
}
