#include "update/CurlLibrary.h"

#include "platform/LibraryFunction.h"

#include <QLibrary>
#include <mutex>

namespace {

struct Loaded
{
    CurlLibrary functions;
    QString error;
    bool ok = false;
};

void load(Loaded& loaded)
{
    QLibrary library(QStringLiteral("curl"), 4);
    if (!library.load()) {
        loaded.error = library.errorString();
        return;
    }
    CurlLibrary& f = loaded.functions;
    const bool complete = resolveFunction(library, "curl_global_init", f.globalInit) &
                          resolveFunction(library, "curl_easy_init", f.easyInit) &
                          resolveFunction(library, "curl_easy_setopt", f.easySetopt) &
                          resolveFunction(library, "curl_easy_perform", f.easyPerform) &
                          resolveFunction(library, "curl_easy_cleanup", f.easyCleanup) &
                          resolveFunction(library, "curl_easy_getinfo", f.easyGetinfo) &
                          resolveFunction(library, "curl_easy_strerror", f.easyStrerror) &
                          resolveFunction(library, "curl_slist_append", f.slistAppend) &
                          resolveFunction(library, "curl_slist_free_all", f.slistFreeAll);
    if (!complete) {
        loaded.error = QStringLiteral("%1 lacks a function").arg(library.fileName());
        return;
    }
    loaded.ok = f.globalInit(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    if (!loaded.ok)
        loaded.error = QStringLiteral("libcurl could not be initialised");
}

} // namespace

const CurlLibrary* CurlLibrary::instance(QString* error)
{
    static Loaded loaded;
    static std::once_flag once;
    std::call_once(once, [] { load(loaded); });
    if (!loaded.ok && error)
        *error = loaded.error;
    return loaded.ok ? &loaded.functions : nullptr;
}
