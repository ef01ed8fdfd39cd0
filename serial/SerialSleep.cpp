#include "serial/SerialSleep.h"

#include <QThread>
#include <atomic>

namespace {
std::atomic<int> g_scalePercent{100};
}

namespace SerialSleep {

void sleepMs(int milliseconds)
{
    const long scaled = long(milliseconds) * g_scalePercent.load() / 100;
    if (scaled > 0)
        QThread::msleep(ulong(scaled));
}

void setScalePercent(int percent)
{
    g_scalePercent.store(percent < 0 ? 0 : percent);
}

} // namespace SerialSleep
