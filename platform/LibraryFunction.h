#pragma once

#include <QLibrary>

// Binds one exported function of a library loaded at run time; false when the
// library does not export it (target is then null). Header only: Segmo and
// ZtVersion.dll each use it on the libraries they load.
template <typename Function>
bool resolveFunction(QLibrary& library, const char* name, Function& target)
{
    target = reinterpret_cast<Function>(library.resolve(name));
    return target != nullptr;
}
