#pragma once

#include <QString>

// What the emulated panel is and which faults it plays.
struct EmulatorOptions
{
    QString portDir; // where the COM<n> link is made
    int comNumber = 9;
    QString imageOut;    // the saved project image
    QString firmwareOut; // the firmware received in update mode
    QString logPath;     // one line per frame seen
    quint16 flag = 0x5A4B;
    quint16 model = 10901;
    quint16 version = 0x0100;

    // Project block numbers count from 1; -1 turns a fault off.
    int nakBlock = -1;     // answer block k with NAK
    int badSumBlock = -1;  // answer block k with a frame whose sum is wrong
    int silentBlock = -1;  // never answer block k
    int garbageBlock = -1; // answer block k with a byte that means nothing
    int hangupAfter = -1;  // hang up after acknowledging k blocks
    bool silent = false;   // answer nothing at all
    bool garbageEnquiry = false;
    bool rejectFirmware = false; // the firmware check fails
    int replyDelayMs = 0;        // a slow panel
    int baud = 0;                // emulate the wire time of every byte at this rate
};
