#include "project/CLedImageCompiler.h"

#include "project/CLedProject.h"
#include "project/CompileCheck.h"
#include "project/Crc16Modbus.h"

namespace CLedImageCompiler {

namespace {

constexpr char kTypeM = 0x4D;
constexpr char kTypeD = 0x44;
constexpr char kBootTextMark = 0x5A;
constexpr int kScreenSaverTextBytes = 24;

void appendU16(QByteArray& out, quint32 value)
{
    out.append(char((value >> 8) & 0xFF));
    out.append(char(value & 0xFF));
}

void appendU32(QByteArray& out, quint32 value)
{
    appendU16(out, value >> 16);
    appendU16(out, value);
}

void appendByte(QByteArray& out, quint32 value)
{
    out.append(char(value & 0xFF));
}

QByteArray registerRecord(const CLedRegister& reg)
{
    QByteArray out;
    appendByte(out, reg.station);
    out.append(reg.type == QLatin1String("M") ? kTypeM : kTypeD);
    appendU32(out, reg.address);
    appendByte(out, reg.reserved3);
    appendByte(out, reg.reserved4);
    appendByte(out, reg.count);
    return out;
}

// A register record where its flag is on, nine zero bytes where it is off.
QByteArray optionalRecord(bool used, const CLedRegister& reg)
{
    return used ? registerRecord(reg) : QByteArray(9, '\0');
}

quint8 bits(std::initializer_list<bool> flags)
{
    quint8 value = 0;
    int bit = 0;
    for (bool flag : flags) {
        if (flag)
            value |= quint8(1u << bit);
        ++bit;
    }
    return value;
}

QByteArray header(CLedProject& p, quint16 checksum)
{
    CLedPanelOptions& options = p.options();
    QByteArray out;
    out.append("QD", 2);
    appendU16(out, p.modelIndex);
    appendU16(out, quint32(p.pageCount()));
    appendU16(out, p.plcVendorIndex);
    appendByte(out, p.plcModelIndex);
    for (quint32 index : {p.link.baudIndex, p.link.dataBitsIndex, p.link.stopBitsIndex,
                          p.link.parityIndex, p.link.comTypeIndex})
        appendByte(out, index);
    appendU32(out, p.password % 10000);
    appendByte(out, p.screenSaverTime);
    appendByte(out, p.screenSaverMode);
    appendByte(out, bits({p.useKeyAddress, p.useKeyLampAddress, p.useTLampAddress, p.useAlarm,
                          p.useCustomLeft, p.useCustomRight, options.navLampsOff() != 0}));
    out += optionalRecord(p.useKeyAddress, p.keyRegister);
    out += optionalRecord(p.useKeyLampAddress, p.keyLampRegister);
    out += optionalRecord(p.useTLampAddress, p.tLampRegister);
    out += optionalRecord(p.useAlarm, p.alarmRegister);
    out += optionalRecord(p.useCustomLeft, p.leftRegister);
    out += optionalRecord(p.useCustomRight, p.rightRegister);
    appendByte(out, p.leftDecimals);
    appendByte(out, p.rightDecimals);
    appendByte(out, bits({p.leftSigned, p.leftLeadingZero, p.rightSigned, p.rightLeadingZero,
                          p.keyVoiceOff, p.useBuzzer, options.sixDigitMode() != 0}));
    appendByte(out, options.displayBrightness());
    out += optionalRecord(p.useBuzzer, p.buzzerRegister);
    out.append(kHeaderSize - 2 - out.size(), '\0');
    appendU16(out, checksum);
    return out;
}

QByteArray pageRecord(const CLedPage& page, int index)
{
    QByteArray out = registerRecord(page.reg);
    appendU16(out, quint32(index));
    appendByte(out, page.totalDigits);
    appendByte(out, page.decimals);
    appendByte(
        out, bits({page.isSigned, page.leadingZero, page.settable, page.encrypted, page.limited}));
    appendU32(out, quint32(page.minValue));
    appendU32(out, quint32(page.maxValue));
    const QByteArray label = page.paramText.left(2).toLatin1();
    out.append(label.size() > 0 ? label.at(0) : '\0');
    out.append(label.size() > 1 ? label.at(1) : '\0');
    out.append(kPageRecordSize - out.size(), '\0');
    return out;
}

QByteArray pageArea(const CLedProject& p)
{
    QByteArray out;
    out.reserve(p.pageCount() * kPageRecordSize);
    for (int i = 0; i < p.pageCount(); ++i)
        out += pageRecord(*p.page(i), i);
    return out;
}

void appendDynamicTextRows(QByteArray& out, const CLedProject& p, quint32 rows)
{
    // Rows beyond the panel's capacity cannot be downloaded anyway; stopping
    // there keeps a corrupt row count from exhausting memory, and the image
    // stays too large, so the capacity check still refuses it.
    for (quint32 j = 0; j < rows && out.size() < kImageCapacity; ++j) {
        appendU16(out, quint32(p.rowValue(int(j))));
        out += p.rowText(int(j)).toLatin1();
        out.append('\0');
    }
}

QByteArray parameterBlock(CLedProject& p)
{
    CLedPanelOptions& o = p.options();
    const quint32 rows = o.dynTextRows();
    QByteArray out;
    appendByte(out,
               bits({p.screenSaverMode == 2, o.screenSaverSlide() != 0, rows != 0,
                     o.dynTextSlide() != 0, o.bootTextEnabled() != 0, o.bootTextSlide() != 0}));
    appendByte(out, o.screenSaverSpeed());
    const QString saverText = o.screenSaverText();
    appendByte(out, qMin<quint32>(quint32(saverText.size()) % 256, kScreenSaverTextBytes));
    QByteArray saverBytes = saverText.toLatin1().left(kScreenSaverTextBytes);
    saverBytes.append(kScreenSaverTextBytes - saverBytes.size(), '\0');
    out += saverBytes;
    appendByte(out, o.bootTextSpeed());
    appendByte(out, o.bootTextTime());
    out.append(8, '\0');
    out += optionalRecord(rows != 0, p.extraRegisters[0]);
    appendByte(out, rows);
    appendByte(out, o.dynTextSpeed());
    appendDynamicTextRows(out, p, rows);
    if (o.bootTextEnabled() != 0) {
        out.append(kBootTextMark);
        out += o.bootText().toLatin1();
        out.append('\0');
    }
    return out;
}

quint8 flickerBits(const CLedAssignmentArray& flicker, int first, int last)
{
    quint8 value = 0;
    for (int n = first; n <= last; ++n) {
        if (flicker.at(n, 0) != 0)
            value |= quint8(1 << (n - first));
    }
    return value;
}

void appendPages(QByteArray& out, const CLedAssignmentArray& pages, int first, int last)
{
    for (int n = first; n <= last; ++n) {
        const qint32 page = pages.at(n, -1);
        appendByte(out, page == -1 ? 0xFF : quint32(page));
    }
}

QByteArray keyBlock(const CLedProject& p)
{
    const auto& tLamps = p.assignments(CLedProject::TLampPage);
    const auto& fLamps = p.assignments(CLedProject::FLampPage);
    const auto& fKeys = p.assignments(CLedProject::FKeyPage);
    const auto& tFlicker = p.assignments(CLedProject::TLampFlicker);
    const auto& fFlicker = p.assignments(CLedProject::FLampFlicker);
    QByteArray out;
    appendPages(out, tLamps, 1, 8);
    appendPages(out, fLamps, 1, 8);
    appendPages(out, fKeys, 1, 8);
    appendByte(out, flickerBits(tFlicker, 1, 8));
    appendByte(out, flickerBits(fFlicker, 1, 8));
    appendPages(out, tLamps, 9, 10);
    appendPages(out, fLamps, 9, 10);
    appendPages(out, fKeys, 9, 10);
    appendByte(out, flickerBits(tFlicker, 9, 10));
    appendByte(out, flickerBits(fFlicker, 9, 10));
    return out;
}

} // namespace

QByteArray buildPlainImage(CLedProject& project)
{
    const QByteArray pages = pageArea(project);
    QByteArray image = header(project, crc16Modbus(pages));
    image += pages;
    image += parameterBlock(project);
    image += keyBlock(project);
    return image;
}

QByteArray scramble(QByteArray image)
{
    for (char& byte : image)
        byte ^= kScramble;
    return image;
}

} // namespace CLedImageCompiler

QByteArray CLedProject::buildImage()
{
    return CLedImageCompiler::scramble(CLedImageCompiler::buildPlainImage(*this));
}
