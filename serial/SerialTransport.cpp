#include "serial/SerialTransport.h"

#include "platform/LibraryFunction.h"

namespace {

bool complete(const ZtSerialApi& a)
{
    return a.openPort && a.checkPort && a.cancelIo && a.closePort && a.writeData && a.readData &&
           a.setTimeout && a.setDefaultTimeout && a.clearAllBuffer && a.clearReadBuffer &&
           a.clearWriteBuffer && a.getUsbPort && a.checkWinXP;
}

} // namespace

SerialTransport& SerialTransport::instance()
{
    static SerialTransport transport;
    return transport;
}

bool SerialTransport::bind(const QString& libraryPath)
{
    m_bound = false;
    m_library.setFileName(libraryPath);
    if (!m_library.load())
        return false;
    ZtSerialApi api;
    const bool all = resolveFunction(m_library, "mOpenPort", api.openPort) &
                     resolveFunction(m_library, "mCheckPort", api.checkPort) &
                     resolveFunction(m_library, "mCancelIo", api.cancelIo) &
                     resolveFunction(m_library, "mClosePort", api.closePort) &
                     resolveFunction(m_library, "mWriteData", api.writeData) &
                     resolveFunction(m_library, "mReadData", api.readData) &
                     resolveFunction(m_library, "mSetTimeout", api.setTimeout) &
                     resolveFunction(m_library, "mSetDefaultTimeout", api.setDefaultTimeout) &
                     resolveFunction(m_library, "mClearAllBuffer", api.clearAllBuffer) &
                     resolveFunction(m_library, "mClearReadBuffer", api.clearReadBuffer) &
                     resolveFunction(m_library, "mClearWriteBuffer", api.clearWriteBuffer) &
                     resolveFunction(m_library, "mGetUsbPort", api.getUsbPort) &
                     resolveFunction(m_library, "mCheckWinXP", api.checkWinXP);
    if (!all) {
        m_library.unload();
        return false;
    }
    return bind(api);
}

bool SerialTransport::bind(const ZtSerialApi& api)
{
    m_bound = complete(api);
    m_api = m_bound ? api : ZtSerialApi();
    return m_bound;
}

bool SerialTransport::openPort(int number)
{
    return m_bound && m_api.openPort(number) != 0;
}

bool SerialTransport::isPortOpen()
{
    return m_bound && m_api.checkPort() != 0;
}

void SerialTransport::cancelIo()
{
    if (m_bound)
        m_api.cancelIo();
}

void SerialTransport::closePort()
{
    if (m_bound)
        m_api.closePort();
}

int SerialTransport::writeData(const QByteArray& bytes)
{
    if (!m_bound)
        return -1;
    return m_api.writeData(reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size());
}

int SerialTransport::readData(char* buffer, int count)
{
    if (!m_bound)
        return 0;
    return m_api.readData(reinterpret_cast<unsigned char*>(buffer), qMin(count, kReadBufferSize));
}

void SerialTransport::setTimeout(int readInterval, int readMultiplier, int readConstant,
                                 int writeMultiplier, int writeConstant)
{
    if (m_bound)
        m_api.setTimeout(readInterval, readMultiplier, readConstant, writeMultiplier,
                         writeConstant);
}

void SerialTransport::clearAllBuffer()
{
    if (m_bound)
        m_api.clearAllBuffer();
}

int SerialTransport::cablePort()
{
    return m_bound ? m_api.getUsbPort(kCableVendorId, kCableProductId) : -1;
}

bool SerialTransport::isWindowsXp()
{
    return m_bound && m_api.checkWinXP() != 0;
}
