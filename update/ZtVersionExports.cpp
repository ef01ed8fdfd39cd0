// The ten exports of ZtVersion.dll.
#include "update/DocumentDownload.h"
#include "update/HostEnvironment.h"
#include "update/UpdateCheck.h"
#include "update/UpdateState.h"
#include "update/VersionTexts.h"
#include "update/ZtVersion.h"

#include <thread>

#define ZT_EXPORT __attribute__((visibility("default")))

namespace {

// The preference is read at every check and written back, so that its key
// exists after the first one.
void reloadAutoCheck()
{
    const int value = HostEnvironment::readAutoPreference();
    updateState().autoCheck.store(value);
    HostEnvironment::writeAutoPreference(value);
}

int openPage(const char* name)
{
    return HostEnvironment::shellOpen(HostEnvironment::hostFolder() + QStringLiteral("/Win11/") +
                                      QString::fromLatin1(name));
}

} // namespace

extern "C" {

ZT_EXPORT void ZtGetVersion(char* buffer, int size)
{
    VersionTexts::copyText(buffer, size, VersionTexts::kFullVersion);
}

ZT_EXPORT void ZtGetVersionEx(char* buffer, int size)
{
    VersionTexts::copyText(buffer, size, VersionTexts::kShortVersion);
}

ZT_EXPORT void ZtGetPdfVersion(char* buffer, int size)
{
    VersionTexts::copyText(buffer, size, updateState().texts().docVersion.toLocal8Bit());
}

ZT_EXPORT int ZtGetDpi(void)
{
    return VersionTexts::dpiPercent(HostEnvironment::screenDotsPerInch());
}

ZT_EXPORT int ZtOpenWin11(void)
{
    return openPage("Win11.htm");
}

ZT_EXPORT int ZtOpenCreateLogo(void)
{
    return openPage("CreateLogo.htm");
}

ZT_EXPORT int ZtUpdateAuto(int on)
{
    updateState().autoCheck.store(on);
    return HostEnvironment::writeAutoPreference(on != 0 ? 1 : 0) ? 1 : 0;
}

ZT_EXPORT int ZtUpdateInit(int showAlways, int chinese)
{
    UpdateState& state = updateState();
    state.chinese.store(chinese);
    reloadAutoCheck();
    state.showAlways.store(showAlways);
    // One check at a time: a second call while one runs only reports.
    bool idle = false;
    if (state.checkRunning.compare_exchange_strong(idle, true)) {
        std::thread([] {
            UpdateCheck::run();
            updateState().checkRunning.store(false);
        }).detach();
    }
    return state.status.load();
}

ZT_EXPORT void ZtUpdateStart(void)
{
    UpdateCheck::showDialog();
}

ZT_EXPORT int ZtUpdatePdfInit(int showAlways, int chinese, int docKind)
{
    UpdateState& state = updateState();
    DocumentDownload::localPath(docKind);
    state.docKind.store(docKind);
    state.chinese.store(chinese);
    reloadAutoCheck();
    state.showAlways.store(showAlways);
    return DocumentDownload::check(docKind);
}

} // extern "C"
