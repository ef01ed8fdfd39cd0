#pragma once

#include <QByteArray>
#include <QLibrary>
#include <QString>

// The thirteen functions of the serial transport library ZtSerial.dll.
struct ZtSerialApi
{
    int (*openPort)(int) = nullptr;
    int (*checkPort)() = nullptr;
    void (*cancelIo)() = nullptr;
    void (*closePort)() = nullptr;
    int (*writeData)(const unsigned char*, int) = nullptr;
    int (*readData)(unsigned char*, int) = nullptr;
    void (*setTimeout)(int, int, int, int, int) = nullptr;
    void (*setDefaultTimeout)() = nullptr;
    void (*clearAllBuffer)() = nullptr;
    void (*clearReadBuffer)() = nullptr;
    void (*clearWriteBuffer)() = nullptr;
    int (*getUsbPort)(int, int) = nullptr;
    int (*checkWinXP)() = nullptr;
};

// The binding of ZtSerial.dll. Until a bind succeeds every call fails the way
// a port that cannot be opened fails, without calling a missing function.
class SerialTransport
{
public:
    static constexpr int kCableVendorId = 0x05AC;
    static constexpr int kCableProductId = 0x6666;
    static constexpr int kReadBufferSize = 1024;

    // The process-wide binding that the main window makes.
    static SerialTransport& instance();

    SerialTransport() = default;
    SerialTransport(const SerialTransport&) = delete;
    SerialTransport& operator=(const SerialTransport&) = delete;

    // Loads the library and resolves all thirteen functions; on any failure
    // the library is unloaded and the transport stays unbound.
    bool bind(const QString& libraryPath);
    // Uses a table of functions directly (tests); all must be set.
    bool bind(const ZtSerialApi& api);
    bool isBound() const { return m_bound; }

    bool openPort(int number);
    bool isPortOpen();
    void cancelIo();
    void closePort();
    int writeData(const QByteArray& bytes);
    // Reads up to count bytes (at most 1024) into buffer; 0 for none.
    int readData(char* buffer, int count);
    void setTimeout(int readInterval, int readMultiplier, int readConstant, int writeMultiplier,
                    int writeConstant);
    void clearAllBuffer();
    // The COM number of the download cable, or -1.
    int cablePort();
    bool isWindowsXp();

private:
    ZtSerialApi m_api;
    QLibrary m_library;
    bool m_bound = false;
};
