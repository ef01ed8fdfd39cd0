#include "tools/segmo-cli/CatalogJson.h"

#include "plc/CPlcManager.h"
#include "tools/segmo-cli/ProjectJson.h"

#include <QJsonObject>

namespace CatalogJson {

namespace {

QJsonObject addrTypeJson(const CPlcAddrType& t)
{
    return {{QStringLiteral("asmType"), t.asmType()},
            {QStringLiteral("name"), t.name()},
            {QStringLiteral("notes"), QJsonArray::fromStringList(t.notes())},
            {QStringLiteral("addrType"), int(t.addrType())},
            {QStringLiteral("memType"), int(t.memType())},
            {QStringLiteral("explain"), int(t.explain())},
            {QStringLiteral("hasSub"), t.hasSub()},
            {QStringLiteral("vtMain"), int(t.vtMain())},
            {QStringLiteral("vtSub"), int(t.vtSub())},
            {QStringLiteral("maxMain"), double(t.maxMain())},
            {QStringLiteral("minMain"), double(t.minMain())},
            {QStringLiteral("maxSub"), double(t.maxSub())},
            {QStringLiteral("minSub"), double(t.minSub())},
            {QStringLiteral("incMain"), t.incMain()},
            {QStringLiteral("incSub"), t.incSub()}};
}

QJsonArray addrTypesJson(const QList<const CPlcAddrType*>& types)
{
    QJsonArray array;
    for (const CPlcAddrType* type : types)
        array.append(addrTypeJson(*type));
    return array;
}

QJsonObject modelJson(const CPlcModel& m)
{
    return {{QStringLiteral("id"), double(m.id())},
            {QStringLiteral("names"), QJsonArray::fromStringList(m.names())},
            {QStringLiteral("supportedBauds"), QJsonArray::fromStringList(m.supportedBauds())},
            {QStringLiteral("pictures"), QJsonArray::fromStringList(m.pictures())},
            {QStringLiteral("hasStation"), m.hasStation()},
            {QStringLiteral("stationValueType"), int(m.stationValueType())},
            {QStringLiteral("minStation"), double(m.minStation())},
            {QStringLiteral("maxStation"), double(m.maxStation())},
            {QStringLiteral("linkDefaults"), ProjectJson::linkToJson(m.linkDefaults())},
            {QStringLiteral("defBit"), m.defBit()},
            {QStringLiteral("defWord"), m.defWord()},
            {QStringLiteral("bitTypes"), addrTypesJson(m.bitTypes())},
            {QStringLiteral("wordTypes"), addrTypesJson(m.wordTypes())}};
}

} // namespace

QJsonArray toJson(const CPlcManager& catalog)
{
    QJsonArray vendors;
    for (int v = 0; v < catalog.vendorCount(); ++v) {
        const CPlcVendor* vendor = catalog.vendorAt(v);
        QJsonArray models;
        for (int m = 0; m < vendor->modelCount(); ++m)
            models.append(modelJson(*vendor->modelAt(m)));
        vendors.append(
            QJsonObject{{QStringLiteral("id"), double(vendor->id())},
                        {QStringLiteral("names"), QJsonArray::fromStringList(vendor->names())},
                        {QStringLiteral("models"), models}});
    }
    return vendors;
}

} // namespace CatalogJson
