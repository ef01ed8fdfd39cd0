// The C interface of ZtSerial.dll over one process-wide SerialLink.
#include "platform/ComPortNames.h"
#include "platform/SerialLink.h"
#include "platform/UsbPortFinder.h"
#include "platform/ZtSerial.h"

#include <cstdlib>

#define ZT_EXPORT __attribute__((visibility("default")))

namespace {

constexpr int kMaxRead = 1024;
constexpr unsigned kPanelBaud = 115200;

SerialLink& link()
{
    static SerialLink instance;
    return instance;
}

unsigned baudRate()
{
    const char* text = std::getenv("ZTSERIAL_BAUD");
    const long value = text ? std::strtol(text, nullptr, 10) : 0;
    return value > 0 ? unsigned(value) : kPanelBaud;
}

} // namespace

extern "C" {

ZT_EXPORT int mOpenPort(int port)
{
    return link().open(ComPortNames::devicePath(port), baudRate()) ? 1 : 0;
}

ZT_EXPORT int mCheckPort(void)
{
    return link().isOpen() ? 1 : 0;
}

ZT_EXPORT void mCancelIo(void)
{
    link().cancel();
}

ZT_EXPORT void mClosePort(void)
{
    link().close();
}

ZT_EXPORT int mWriteData(const unsigned char* data, int count)
{
    return data ? link().write(data, count) : -1;
}

ZT_EXPORT int mReadData(unsigned char* buffer, int count)
{
    return buffer ? link().read(buffer, count < kMaxRead ? count : kMaxRead) : 0;
}

ZT_EXPORT void mSetTimeout(int readInterval, int readMultiplier, int readConstant,
                           int writeMultiplier, int writeConstant)
{
    link().setTimeouts(
        {readInterval, readMultiplier, readConstant, writeMultiplier, writeConstant});
}

ZT_EXPORT void mSetDefaultTimeout(void)
{
    link().setTimeouts(SerialLink::Timeouts());
}

ZT_EXPORT void mClearAllBuffer(void)
{
    link().clear(true, true);
}

ZT_EXPORT void mClearReadBuffer(void)
{
    link().clear(true, false);
}

ZT_EXPORT void mClearWriteBuffer(void)
{
    link().clear(false, true);
}

ZT_EXPORT int mGetUsbPort(int vid, int pid)
{
    return UsbPortFinder::comNumberOf(vid, pid);
}

ZT_EXPORT int mCheckWinXP(void)
{
    return 0;
}

} // extern "C"
