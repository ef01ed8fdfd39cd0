#pragma once

#include "plc/CPlcModel.h"

// One PLC vendor and its models, in catalogue order.
class CPlcVendor
{
public:
    static std::unique_ptr<CPlcVendor> fromElement(const QDomElement& element);

    quint32 id() const { return m_id; }
    const QStringList& names() const { return m_names; }
    QString nameFor(int languageIndex) const;
    int modelCount() const { return int(m_models.size()); }
    const CPlcModel* modelAt(int index) const;

private:
    quint32 m_id = 0;
    QStringList m_names;
    std::vector<std::unique_ptr<CPlcModel>> m_models;
};
