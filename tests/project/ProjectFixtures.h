#pragma once

#include "project/CLedProject.h"

// A project with every kind of field away from its default: pages with
// descriptions, registers, flags and limits, lamps and keys, flicker,
// dynamic text, boot text, screen saver and special registers.
inline void fillRichProject(CLedProject& p)
{
    p.isOpen = true;
    p.modelName = QStringLiteral("KAVIO-FX");
    p.modelIndex = 1;
    p.plcVendorIndex = 1;
    p.plcModelIndex = 0;
    p.portName = QStringLiteral("COM7");
    p.filePath = QStringLiteral("/tmp/rich.kavio");
    p.link.station = 2;
    p.link.baudIndex = 4;
    p.link.dataBitsIndex = 3;
    p.link.stopBitsIndex = 2;
    p.link.parityIndex = 1;
    p.link.comTypeIndex = 2;
    p.link.linkList = QStringList{QStringLiteral("a"), QString(), QStringLiteral("链路")};
    p.password = 1234;
    p.screenSaverTime = 5;
    p.screenSaverMode = 2;
    p.screenSaverBrightness = -3;
    p.useAlarm = false;
    p.useCustomRight = false;
    p.leftSigned = true;
    p.rightLeadingZero = true;
    p.keyVoiceOff = true;
    p.leftDecimals = 1;
    p.rightDecimals = 2;
    p.useBuzzer = false;
    p.keyRegister = CLedRegister::of(QStringLiteral("X"), 0x1234);
    p.keyRegister.station = 7;
    p.alarmRegister.reserved3 = 9;
    p.extraRegisters[0] = CLedRegister::of(QStringLiteral("D"), 500);
    p.extraRegisters[31].reserved4 = 77;
    p.spareLists[2] = QStringList{QStringLiteral("spare")};

    for (int i = 0; i < 5; ++i)
        p.addPage();
    p.setPageDescription(0, QStringLiteral("温度 1"));
    p.setPageRegType(0, QStringLiteral("D"));
    p.setPageAddress(0, 100);
    p.setPageStation(1, 300);
    p.setPageTotalDigits(1, 6);
    p.setPageDecimals(1, 2);
    p.setPageSigned(1, true);
    p.setPageLeadingZero(2, true);
    p.setPageSettable(2, true);
    p.setPageEncrypted(3, true);
    p.setPageLimited(3, true);
    p.setPageMinValue(3, -100);
    p.setPageMaxValue(3, 9999);
    p.setPageParamText(4, QStringLiteral("ab"));
    p.setPageCount(4, 3);
    p.setCurrentPage(2);

    p.assignTLamp(0, 1);
    p.assignTLamp(3, 10);
    p.assignFLamp(1, 4);
    p.assignFKey(2, 9);
    p.assignFKey(4, 2);
    p.setTLampFlicker(2, true);
    p.setFLampFlicker(3, false);

    CLedPanelOptions& o = p.options();
    o.setSixDigitMode(true);
    o.setScreenSaverText(QStringLiteral("HELLO"));
    o.setDisplayBrightness(6);
    o.setDynTextRows(2);
    o.setDynTextValues(QStringLiteral("1|300|"));
    o.setDynTextContents(QStringLiteral("A|BC|"));
    o.setBootTextEnabled(true);
    o.setBootText(QStringLiteral("RUN"));
    o.setNavLampsEnabled(false);
}
