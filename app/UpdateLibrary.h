#pragma once

#include <QString>

// Segmo's binding of the update library "ZtVersion.dll", which lies in the
// current directory (the program directory). It is loaded by name for each
// use and never unloaded: its check worker keeps running after the call.
namespace UpdateLibrary {

enum class Binding
{
    Ok,
    Missing,
    NotLoadable,
    ExportMissing
};

struct CheckFunctions
{
    int (*updateInit)(int showAlways, int chinese) = nullptr;
    int (*updateAuto)(int on) = nullptr;
};

struct CheckBinding
{
    Binding binding = Binding::Missing;
    CheckFunctions functions;
};

// Binds the two functions of the update check.
CheckBinding bindCheck();

// The library's short version ("3.0.178"), or "" when the library or its
// export is missing.
QString productVersion();

} // namespace UpdateLibrary
