#pragma once

#include <QLibrary>

// ZtVersion.dll loaded by file name, as a host loads it.
struct ZtVersionLibrary
{
    using TextCopy = void (*)(char*, int);
    TextCopy getVersion = nullptr;
    TextCopy getVersionEx = nullptr;
    TextCopy getPdfVersion = nullptr;
    int (*getDpi)() = nullptr;
    int (*openWin11)() = nullptr;
    int (*openCreateLogo)() = nullptr;
    int (*updateAuto)(int) = nullptr;
    int (*updateInit)(int, int) = nullptr;
    void (*updateStart)() = nullptr;
    int (*updatePdfInit)(int, int, int) = nullptr;

    bool load(const QString& path)
    {
        m_library.setFileName(path);
        if (!m_library.load())
            return false;
        auto get = [this](const char* name, auto& target) {
            target = reinterpret_cast<std::decay_t<decltype(target)>>(m_library.resolve(name));
            return target != nullptr;
        };
        return get("ZtGetVersion", getVersion) & get("ZtGetVersionEx", getVersionEx) &
               get("ZtGetPdfVersion", getPdfVersion) & get("ZtGetDpi", getDpi) &
               get("ZtOpenWin11", openWin11) & get("ZtOpenCreateLogo", openCreateLogo) &
               get("ZtUpdateAuto", updateAuto) & get("ZtUpdateInit", updateInit) &
               get("ZtUpdateStart", updateStart) & get("ZtUpdatePdfInit", updatePdfInit);
    }

private:
    QLibrary m_library;
};
