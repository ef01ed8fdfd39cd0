#pragma once

#include <QString>

// The result of every serial operation.
enum SerialResult : uint
{
    Ok = 0,
    OpenFailed = 1,
    SendFailed = 2,
    CheckFailed = 3,
    Timeout = 4,
    BadParameter = 5,
    NoResponse = 6,
    Cancelled = 7,
};

// The user's text for a result (translated, "SerialResult" context); %1 of
// the source text is the port name. Empty for Ok and unknown codes.
QString serialResultText(uint code, const QString& portName);

// "通讯失败，错误代码: 0x800<code>\n\n<text>", the message a failure shows.
QString serialFailureMessage(uint code, const QString& portName);
