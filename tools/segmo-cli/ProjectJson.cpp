#include "tools/segmo-cli/ProjectJson.h"

#include "project/CLedProject.h"
#include "tools/segmo-cli/JsonReader.h"

#include <QJsonArray>

namespace ProjectJson {

namespace {

struct NamedRegister
{
    const char* key;
    CLedRegister CLedProject::*member;
};

constexpr NamedRegister kSpecialRegisters[] = {{"keyRegister", &CLedProject::keyRegister},
                                               {"keyLampRegister", &CLedProject::keyLampRegister},
                                               {"tLampRegister", &CLedProject::tLampRegister},
                                               {"alarmRegister", &CLedProject::alarmRegister},
                                               {"leftRegister", &CLedProject::leftRegister},
                                               {"rightRegister", &CLedProject::rightRegister},
                                               {"buzzerRegister", &CLedProject::buzzerRegister}};

struct NamedFlag
{
    const char* key;
    bool CLedProject::*member;
};

constexpr NamedFlag kFlags[] = {{"useKeyAddress", &CLedProject::useKeyAddress},
                                {"useKeyLampAddress", &CLedProject::useKeyLampAddress},
                                {"useTLampAddress", &CLedProject::useTLampAddress},
                                {"useAlarm", &CLedProject::useAlarm},
                                {"useCustomLeft", &CLedProject::useCustomLeft},
                                {"useCustomRight", &CLedProject::useCustomRight},
                                {"leftSigned", &CLedProject::leftSigned},
                                {"leftLeadingZero", &CLedProject::leftLeadingZero},
                                {"rightSigned", &CLedProject::rightSigned},
                                {"rightLeadingZero", &CLedProject::rightLeadingZero},
                                {"keyVoiceOff", &CLedProject::keyVoiceOff},
                                {"useBuzzer", &CLedProject::useBuzzer}};

struct NamedUnsigned
{
    const char* key;
    quint32 CLedProject::*member;
};

constexpr NamedUnsigned kUnsigned[] = {{"plcVendorIndex", &CLedProject::plcVendorIndex},
                                       {"plcModelIndex", &CLedProject::plcModelIndex},
                                       {"modelIndex", &CLedProject::modelIndex},
                                       {"password", &CLedProject::password},
                                       {"screenSaverTime", &CLedProject::screenSaverTime},
                                       {"screenSaverMode", &CLedProject::screenSaverMode},
                                       {"leftDecimals", &CLedProject::leftDecimals},
                                       {"rightDecimals", &CLedProject::rightDecimals}};

constexpr const char* kAssignmentKeys[CLedProject::kAssignmentKinds] = {
    "tLampPage", "fLampPage", "fKeyPage", "tLampFlicker", "fLampFlicker"};

QString key(const char* name)
{
    return QString::fromLatin1(name);
}

QJsonArray stringArray(const QStringList& list)
{
    return QJsonArray::fromStringList(list);
}

QJsonObject registerJson(const CLedRegister& reg)
{
    return {{QStringLiteral("reserved0"), double(reg.reserved0)},
            {QStringLiteral("reserved1"), double(reg.reserved1)},
            {QStringLiteral("reserved2"), double(reg.reserved2)},
            {QStringLiteral("station"), double(reg.station)},
            {QStringLiteral("type"), reg.type},
            {QStringLiteral("address"), double(reg.address)},
            {QStringLiteral("reserved3"), double(reg.reserved3)},
            {QStringLiteral("reserved4"), double(reg.reserved4)},
            {QStringLiteral("count"), double(reg.count)}};
}

QJsonObject pageJson(const CLedPage& page)
{
    return {{QStringLiteral("reg"), registerJson(page.reg)},
            {QStringLiteral("description"), page.description},
            {QStringLiteral("totalDigits"), double(page.totalDigits)},
            {QStringLiteral("decimals"), double(page.decimals)},
            {QStringLiteral("isSigned"), page.isSigned},
            {QStringLiteral("leadingZero"), page.leadingZero},
            {QStringLiteral("settable"), page.settable},
            {QStringLiteral("encrypted"), page.encrypted},
            {QStringLiteral("limited"), page.limited},
            {QStringLiteral("minValue"), page.minValue},
            {QStringLiteral("maxValue"), page.maxValue},
            {QStringLiteral("paramText"), page.paramText}};
}

QJsonArray intArray(const QVector<qint32>& items)
{
    QJsonArray array;
    for (qint32 item : items)
        array.append(item);
    return array;
}

// Reads the object under `name`, when there is one, with fn(object).
template <typename Fn>
void readObject(JsonReader& in, const QJsonObject& o, const char* name, Fn fn)
{
    if (!o.contains(key(name)))
        return;
    const QJsonObject inner = in.object(o, name);
    in.enter(key(name));
    fn(inner);
    in.leave();
}

void readRegister(JsonReader& in, const QJsonObject& o, CLedRegister& reg)
{
    in.readUnsigned(o, "reserved0", reg.reserved0);
    in.readUnsigned(o, "reserved1", reg.reserved1);
    in.readUnsigned(o, "reserved2", reg.reserved2);
    in.readUnsigned(o, "station", reg.station);
    in.readText(o, "type", reg.type);
    in.readUnsigned(o, "address", reg.address);
    in.readUnsigned(o, "reserved3", reg.reserved3);
    in.readUnsigned(o, "reserved4", reg.reserved4);
    in.readUnsigned(o, "count", reg.count);
}

void readLink(JsonReader& in, const QJsonObject& o, CLedLinkSettings& link)
{
    in.readUnsigned(o, "station", link.station);
    in.readUnsigned(o, "baudIndex", link.baudIndex);
    in.readUnsigned(o, "dataBitsIndex", link.dataBitsIndex);
    in.readUnsigned(o, "stopBitsIndex", link.stopBitsIndex);
    in.readUnsigned(o, "parityIndex", link.parityIndex);
    in.readUnsigned(o, "comTypeIndex", link.comTypeIndex);
    in.readTextList(o, "linkList", link.linkList);
}

void readPage(JsonReader& in, const QJsonObject& o, CLedPage& page)
{
    readObject(in, o, "reg", [&](const QJsonObject& reg) { readRegister(in, reg, page.reg); });
    in.readText(o, "description", page.description);
    in.readUnsigned(o, "totalDigits", page.totalDigits);
    in.readUnsigned(o, "decimals", page.decimals);
    in.readBool(o, "isSigned", page.isSigned);
    in.readBool(o, "leadingZero", page.leadingZero);
    in.readBool(o, "settable", page.settable);
    in.readBool(o, "encrypted", page.encrypted);
    in.readBool(o, "limited", page.limited);
    in.readSigned(o, "minValue", page.minValue);
    in.readSigned(o, "maxValue", page.maxValue);
    in.readText(o, "paramText", page.paramText);
}

bool readPages(JsonReader& in, const QJsonObject& o, CLedProject& project)
{
    if (!o.contains(QStringLiteral("pages")))
        return true;
    const QJsonArray pages = in.array(o, "pages");
    if (pages.size() > CLedProject::kMaxPages)
        return in.fail(QStringLiteral("\"pages\" holds %1 pages; a project has at most %2")
                           .arg(pages.size())
                           .arg(CLedProject::kMaxPages));
    for (int i = 0; i < pages.size() && in.ok(); ++i) {
        CLedPage page;
        const QJsonObject item = in.element(pages, "pages", i);
        in.enter(QStringLiteral("pages[%1]").arg(i));
        readPage(in, item, page);
        in.leave();
        project.appendPage(page);
    }
    return in.ok();
}

// The page arrays may only refer to existing pages, each page at most once.
bool checkPageArray(JsonReader& in, const char* name, const QVector<qint32>& items, int pages)
{
    QVector<bool> used(pages, false);
    for (int n = 0; n < items.size(); ++n) {
        const qint32 page = items.at(n);
        if (page == -1)
            continue;
        if (n == 0 || page < 0 || page >= pages || used[page])
            return in.fail(QStringLiteral("\"%1\"[%2] = %3 is not a free page index")
                               .arg(key(name))
                               .arg(n)
                               .arg(page));
        used[page] = true;
    }
    return true;
}

bool readAssignments(JsonReader& in, const QJsonObject& o, QStringList& options, int pages)
{
    for (int kind = 0; kind < CLedProject::kAssignmentKinds && in.ok(); ++kind) {
        const char* name = kAssignmentKeys[kind];
        if (!o.contains(key(name)))
            continue;
        QVector<qint32> items;
        if (!in.readIntArray(o, name, CLedAssignmentArray::kSize, items))
            return false;
        if (kind <= CLedProject::FKeyPage && !checkPageArray(in, name, items, pages))
            return false;
        QString text;
        for (qint32 item : items)
            text += QString::number(item) + QLatin1Char('|');
        options[CLedPanelOptions::TLampPageText + kind] = text;
    }
    return in.ok();
}

} // namespace

QJsonObject linkToJson(const CLedLinkSettings& link)
{
    return {{QStringLiteral("station"), double(link.station)},
            {QStringLiteral("baudIndex"), double(link.baudIndex)},
            {QStringLiteral("dataBitsIndex"), double(link.dataBitsIndex)},
            {QStringLiteral("stopBitsIndex"), double(link.stopBitsIndex)},
            {QStringLiteral("parityIndex"), double(link.parityIndex)},
            {QStringLiteral("comTypeIndex"), double(link.comTypeIndex)},
            {QStringLiteral("linkList"), stringArray(link.linkList)}};
}

QJsonObject toJson(const CLedProject& p)
{
    QJsonObject o;
    o.insert(QStringLiteral("isOpen"), p.isOpen);
    o.insert(QStringLiteral("isModified"), p.isModified);
    o.insert(QStringLiteral("currentPage"), p.currentPage);
    o.insert(QStringLiteral("modelName"), p.modelName);
    o.insert(QStringLiteral("link"), linkToJson(p.link));
    o.insert(QStringLiteral("portName"), p.portName);
    o.insert(QStringLiteral("banner"), p.banner);
    o.insert(QStringLiteral("version"), p.version);
    o.insert(QStringLiteral("filePath"), p.filePath);
    o.insert(QStringLiteral("screenSaverBrightness"), p.screenSaverBrightness);
    for (const NamedUnsigned& field : kUnsigned)
        o.insert(key(field.key), double(p.*field.member));
    for (const NamedFlag& field : kFlags)
        o.insert(key(field.key), p.*field.member);
    for (const NamedRegister& field : kSpecialRegisters)
        o.insert(key(field.key), registerJson(p.*field.member));

    QJsonArray pages;
    for (const CLedPage& page : p.pages())
        pages.append(pageJson(page));
    o.insert(QStringLiteral("pages"), pages);
    o.insert(QStringLiteral("panelOptions"), stringArray(p.options().texts()));
    QJsonArray spare;
    for (const QStringList& list : p.spareLists)
        spare.append(stringArray(list));
    o.insert(QStringLiteral("spareLists"), spare);
    QJsonArray extra;
    for (const CLedRegister& reg : p.extraRegisters)
        extra.append(registerJson(reg));
    o.insert(QStringLiteral("extraRegisters"), extra);
    for (int kind = 0; kind < CLedProject::kAssignmentKinds; ++kind) {
        const auto& array = p.assignments(CLedProject::AssignmentKind(kind));
        o.insert(key(kAssignmentKeys[kind]), intArray(array.items()));
    }
    return o;
}

bool fromJson(const QJsonObject& o, CLedProject& p, QString* error)
{
    JsonReader in;
    in.readSigned(o, "currentPage", p.currentPage);
    in.readText(o, "modelName", p.modelName);
    readObject(in, o, "link", [&](const QJsonObject& link) { readLink(in, link, p.link); });
    in.readText(o, "portName", p.portName);
    in.readSigned(o, "screenSaverBrightness", p.screenSaverBrightness);
    for (const NamedUnsigned& field : kUnsigned)
        in.readUnsigned(o, field.key, p.*field.member);
    for (const NamedFlag& field : kFlags)
        in.readBool(o, field.key, p.*field.member);
    for (const NamedRegister& field : kSpecialRegisters) {
        readObject(in, o, field.key,
                   [&](const QJsonObject& reg) { readRegister(in, reg, p.*field.member); });
    }
    if (in.ok() && p.password >= 10000)
        in.fail(QStringLiteral("\"password\" must be below 10000"));
    readPages(in, o, p);

    QStringList options = p.options().texts();
    in.readTextList(o, "panelOptions", options);
    while (options.size() < CLedPanelOptions::kCount)
        options.append(QString());
    readAssignments(in, o, options, p.pageCount());
    p.replaceOptions(options);

    if (o.contains(QStringLiteral("spareLists"))) {
        const QJsonArray spare = in.array(o, "spareLists");
        for (int i = 0; i < CLedProject::kSpareListCount && i < spare.size(); ++i)
            p.spareLists[std::size_t(i)] = in.stringList(spare.at(i), "spareLists");
    }
    if (o.contains(QStringLiteral("extraRegisters"))) {
        const QJsonArray extra = in.array(o, "extraRegisters");
        for (int i = 0; i < CLedProject::kExtraRegisterCount && i < extra.size(); ++i) {
            const QJsonObject item = in.element(extra, "extraRegisters", i);
            in.enter(QStringLiteral("extraRegisters[%1]").arg(i));
            readRegister(in, item, p.extraRegisters[std::size_t(i)]);
            in.leave();
        }
    }
    if (!in.ok() && error)
        *error = in.error();
    return in.ok();
}

} // namespace ProjectJson
