#pragma once

#include "plc/CPlcAddrType.h"
#include "project/CLedLinkSettings.h"

#include <QList>
#include <memory>
#include <vector>

class QDomElement;

// One PLC model: its names, link defaults and register types. The model owns
// its register types; a bit-and-word type is listed in both lists as the same
// record.
class CPlcModel
{
public:
    static std::unique_ptr<CPlcModel> fromElement(const QDomElement& element);

    quint32 id() const { return m_id; }
    const QStringList& names() const { return m_names; }
    QString nameFor(int languageIndex) const;
    const QStringList& supportedBauds() const { return m_supportedBauds; }
    const QStringList& pictures() const { return m_pictures; }
    bool hasStation() const { return m_hasStation; }
    ValueType stationValueType() const { return m_stationValueType; }
    quint32 minStation() const { return m_minStation; }
    quint32 maxStation() const { return m_maxStation; }
    CLedLinkSettings linkDefaults() const { return m_linkDefaults; }
    const QString& defBit() const { return m_defBit; }
    const QString& defWord() const { return m_defWord; }
    const QList<const CPlcAddrType*>& bitTypes() const { return m_bitTypes; }
    const QList<const CPlcAddrType*>& wordTypes() const { return m_wordTypes; }

private:
    void addType(const CPlcAddrType& type);

    quint32 m_id = 0;
    QStringList m_names;
    QStringList m_supportedBauds;
    QStringList m_pictures;
    bool m_hasStation = false;
    ValueType m_stationValueType = VT_NONE;
    quint32 m_minStation = 0;
    quint32 m_maxStation = 0;
    CLedLinkSettings m_linkDefaults;
    QString m_defBit;
    QString m_defWord;
    std::vector<std::unique_ptr<CPlcAddrType>> m_types;
    QList<const CPlcAddrType*> m_bitTypes;
    QList<const CPlcAddrType*> m_wordTypes;
};
