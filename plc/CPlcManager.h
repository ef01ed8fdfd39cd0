#pragma once

#include "plc/CPlcVendor.h"

// The PLC catalogue read from the catalogue file ZtFactory.dll (an XML
// document despite its name). One instance per process, filled once.
class CPlcManager
{
public:
    static constexpr const char* kDefaultFile = "ZtFactory.dll";

    static CPlcManager& instance();
    static void release();

    // Reads the catalogue; false when the file cannot be read, is not XML, or
    // its document element has no children. The catalogue is empty then.
    bool load(const QString& path = QString::fromLatin1(kDefaultFile));

    int vendorCount() const { return int(m_vendors.size()); }
    const CPlcVendor* vendorAt(int index) const;
    const CPlcVendor* findVendor(quint32 vendorId) const;
    const CPlcModel* findModel(quint32 vendorId, quint32 modelId) const;

private:
    std::vector<std::unique_ptr<CPlcVendor>> m_vendors;
};
