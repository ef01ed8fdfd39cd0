#include "project/CLedProjectFile.h"

#include "project/CLedManager.h"
#include "project/CLedProject.h"
#include "project/ProjectStreamReader.h"
#include "project/ProjectStreamWriter.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>

namespace CLedProjectFile {

const QString kBanner = QStringLiteral("Segmo LED text monitor project");
const QString kVersion = QStringLiteral("V1.0.0.0");

namespace {

// Model names of older panels that are now served by the DX-PANEL-9A.
bool isRetiredModelName(const QString& name)
{
    return name.isEmpty() || name == QLatin1String("KAVIO-A") || name == QLatin1String("KAVIO-B") ||
           name == QLatin1String("KAVIO-C");
}

void writeProject(ProjectStreamWriter& out, const CLedProject& p)
{
    out.writeText(p.banner);
    out.writeText(p.version);
    out.writeU32(p.plcVendorIndex);
    out.writeU32(p.plcModelIndex);
    out.writeText(p.modelName);
    out.writeText(p.portName);
    out.writeText(p.filePath);
    out.writeLink(p.link);
    out.writeU32(p.password);
    out.writeU32(p.screenSaverTime);
    out.writeU32(p.screenSaverMode);
    out.writeI32(p.screenSaverBrightness);
    for (bool flag : {p.useKeyAddress, p.useKeyLampAddress, p.useTLampAddress, p.useAlarm,
                      p.useCustomLeft, p.useCustomRight})
        out.writeBool(flag);
    for (const CLedRegister* reg :
         {&p.keyRegister, &p.keyLampRegister, &p.tLampRegister, &p.alarmRegister, &p.leftRegister,
          &p.rightRegister, &p.buzzerRegister})
        out.writeRegister(*reg);
    out.writeBool(p.useCustomRight);
    for (bool flag :
         {p.leftSigned, p.leftLeadingZero, p.rightSigned, p.rightLeadingZero, p.keyVoiceOff})
        out.writeBool(flag);
    out.writeU32(p.leftDecimals);
    out.writeU32(p.rightDecimals);
    out.writeBool(p.useBuzzer);
    out.writeI32(p.currentPage);
    out.writeU32(quint32(p.pageCount()));
    for (const CLedPage& page : p.pages())
        out.writePage(page);
    out.writeTextList(p.options().texts());
    for (const QStringList& spare : p.spareLists)
        out.writeTextList(spare);
    for (const CLedRegister& reg : p.extraRegisters)
        out.writeRegister(reg);
}

// Reads fields 3..24 after the banner and version were accepted.
bool readProjectBody(ProjectStreamReader& in, CLedProject& p)
{
    p.plcVendorIndex = in.readU32();
    p.plcModelIndex = in.readU32();
    p.modelName = in.readText();
    p.portName = in.readText();
    p.filePath = in.readText();
    p.link = in.readLink();
    p.password = in.readU32();
    p.screenSaverTime = in.readU32();
    p.screenSaverMode = in.readU32();
    p.screenSaverBrightness = in.readI32();
    for (bool* flag : {&p.useKeyAddress, &p.useKeyLampAddress, &p.useTLampAddress, &p.useAlarm,
                       &p.useCustomLeft, &p.useCustomRight})
        *flag = in.readBool();
    for (CLedRegister* reg :
         {&p.keyRegister, &p.keyLampRegister, &p.tLampRegister, &p.alarmRegister, &p.leftRegister,
          &p.rightRegister, &p.buzzerRegister})
        *reg = in.readRegister();
    // The second copy of useCustomRight is the one that counts.
    p.useCustomRight = in.readBool();
    for (bool* flag :
         {&p.leftSigned, &p.leftLeadingZero, &p.rightSigned, &p.rightLeadingZero, &p.keyVoiceOff})
        *flag = in.readBool();
    p.leftDecimals = in.readU32();
    p.rightDecimals = in.readU32();
    p.useBuzzer = in.readBool();
    p.currentPage = in.readI32();

    const quint32 pageCount =
        in.readCount(CLedProject::kMaxPages, ProjectStreamReader::kMinPageSize);
    for (quint32 i = 0; i < pageCount && in.ok(); ++i)
        p.appendPage(in.readPage());

    const QStringList options = in.readTextList();
    for (QStringList& spare : p.spareLists)
        spare = in.readTextList();
    for (CLedRegister& reg : p.extraRegisters)
        reg = in.readRegister();
    p.replaceOptions(options);
    return in.ok();
}

} // namespace

bool save(CLedProject& project, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    project.banner = kBanner;
    project.version = kVersion;
    ProjectStreamWriter out(&file);
    writeProject(out, project);
    if (!out.ok()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

LoadResult load(CLedProject& project, const QString& path)
{
    project = CLedProject();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return CannotOpen;

    CLedProject loaded;
    ProjectStreamReader in(&file);
    loaded.banner = in.readText();
    if (!in.ok() || loaded.banner != kBanner)
        return InvalidFormat;
    loaded.version = in.readText();
    if (!in.ok() || loaded.version != kVersion)
        return InvalidFormat;
    if (!readProjectBody(in, loaded))
        return InvalidFormat;

    if (isRetiredModelName(loaded.modelName))
        loaded.modelName = QStringLiteral("DX-PANEL-9A");
    // The file keeps the panel model by name only, but the image carries its
    // position in the model list; without this a reopened project would
    // compile as model 0.
    loaded.modelIndex = quint32(std::max(0, CLedManager::instance().indexOf(loaded.modelName)));
    loaded.isOpen = true;
    project = std::move(loaded);
    return Loaded;
}

} // namespace CLedProjectFile

bool CLedProject::save(const QString& path)
{
    return CLedProjectFile::save(*this, path);
}

int CLedProject::load(const QString& path)
{
    return CLedProjectFile::load(*this, path);
}
