#pragma once

#include <atomic>
#include <mutex>
#include <string>

// One open serial port with Windows-style time-outs. A read or write polls the
// port together with a wake-up descriptor, so that cancel() and close() from
// another thread end it at once.
class SerialLink
{
public:
    struct Timeouts
    {
        int readInterval = 500;
        int readMultiplier = 500;
        int readConstant = 500;
        int writeMultiplier = 500;
        int writeConstant = 500;
    };

    SerialLink();
    ~SerialLink();
    SerialLink(const SerialLink&) = delete;
    SerialLink& operator=(const SerialLink&) = delete;

    // Opens the device with the panel's line settings and an exclusive lock.
    bool open(const std::string& device, unsigned baud);
    bool isOpen() const { return m_fd.load() >= 0; }
    void cancel();
    void close();

    int write(const unsigned char* data, int count);
    int read(unsigned char* buffer, int count);
    void setTimeouts(const Timeouts& timeouts);
    void clear(bool input, bool output);

private:
    void closeLocked();
    // Waits for the port (POLLIN or POLLOUT) or a wake-up; false on wake-up,
    // time-out or error. A negative timeout waits without limit.
    bool waitFor(short events, int timeoutMs);

    std::mutex m_ioMutex; // held by every I/O call and by open and close
    std::atomic<int> m_fd{-1};
    std::atomic<bool> m_cancelled{false};
    int m_wakeFd = -1;
    Timeouts m_timeouts;
};
