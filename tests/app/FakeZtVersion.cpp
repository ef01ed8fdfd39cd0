// A stand-in for ZtVersion.dll that Segmo's tests load under that name: it
// answers the update check with a status the test sets and records how it
// was called. Built without ZtUpdateAuto, it is the library lacking an export.
#include <cstring>

namespace {
int g_status = 2;
int g_showAlways = -1;
int g_chinese = -1;
int g_autoValue = -1;
} // namespace

extern "C" {

__attribute__((visibility("default"))) void ZtGetVersionEx(char* buffer, int size)
{
    if (size > 0) {
        std::strncpy(buffer, "3.0.179", std::size_t(size) - 1);
        buffer[size - 1] = '\0';
    }
}

__attribute__((visibility("default"))) int ZtUpdateInit(int showAlways, int chinese)
{
    g_showAlways = showAlways;
    g_chinese = chinese;
    return g_status;
}

#ifndef FAKE_ZTVERSION_WITHOUT_AUTO
__attribute__((visibility("default"))) int ZtUpdateAuto(int on)
{
    g_autoValue = on;
    return 1;
}
#endif

// For the tests only.
__attribute__((visibility("default"))) void FakeZtSetStatus(int status)
{
    g_status = status;
}

__attribute__((visibility("default"))) void FakeZtLastCall(int* showAlways, int* chinese,
                                                           int* autoValue)
{
    *showAlways = g_showAlways;
    *chinese = g_chinese;
    *autoValue = g_autoValue;
}

__attribute__((visibility("default"))) void FakeZtReset()
{
    g_status = 2;
    g_showAlways = g_chinese = g_autoValue = -1;
}
}
