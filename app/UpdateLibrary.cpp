#include "app/UpdateLibrary.h"

#include "platform/LibraryFunction.h"

#include <QDir>
#include <QFile>
#include <QLibrary>

namespace UpdateLibrary {

namespace {

const QString kFileName = QStringLiteral("ZtVersion.dll");

// The library object is dropped without unloading: QLibrary unloads only on request.
Binding load(QLibrary& library)
{
    if (!QFile::exists(kFileName))
        return Binding::Missing;
    library.setFileName(QDir::current().absoluteFilePath(kFileName));
    return library.load() ? Binding::Ok : Binding::NotLoadable;
}

} // namespace

CheckBinding bindCheck()
{
    CheckBinding result;
    QLibrary library;
    result.binding = load(library);
    if (result.binding != Binding::Ok)
        return result;
    CheckFunctions& functions = result.functions;
    const bool init = resolveFunction(library, "ZtUpdateInit", functions.updateInit);
    const bool automatic = resolveFunction(library, "ZtUpdateAuto", functions.updateAuto);
    if (!init || !automatic)
        result.binding = Binding::ExportMissing;
    return result;
}

QString productVersion()
{
    QLibrary library;
    void (*getVersionEx)(char*, int) = nullptr;
    if (load(library) != Binding::Ok || !resolveFunction(library, "ZtGetVersionEx", getVersionEx))
        return QString();
    char buffer[256] = {};
    getVersionEx(buffer, int(sizeof buffer));
    buffer[sizeof buffer - 1] = '\0';
    return QString::fromLatin1(buffer);
}

} // namespace UpdateLibrary
