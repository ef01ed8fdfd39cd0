#include "platform/SerialLink.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

int millisecondsUntil(Clock::time_point deadline)
{
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return int(std::max<long long>(0, left.count()));
}

speed_t speedFor(unsigned baud)
{
    switch (baud) {
    case 1200:
        return B1200;
    case 2400:
        return B2400;
    case 4800:
        return B4800;
    case 9600:
        return B9600;
    case 19200:
        return B19200;
    case 38400:
        return B38400;
    case 57600:
        return B57600;
    case 230400:
        return B230400;
    case 460800:
        return B460800;
    case 921600:
        return B921600;
    default:
        return B115200;
    }
}

bool configure(int fd, unsigned baud)
{
    termios tio{};
    if (tcgetattr(fd, &tio) != 0)
        return false;
    cfmakeraw(&tio);
    tio.c_cflag &= ~(CSTOPB | PARENB | CRTSCTS | CSIZE);
    tio.c_cflag |= CS8 | CLOCAL | CREAD;
    tio.c_iflag &= ~(IXON | IXOFF | IXANY);
    // With O_NONBLOCK and VMIN 1 an empty port reads as EAGAIN, and 0 means hung up.
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    cfsetispeed(&tio, speedFor(baud));
    cfsetospeed(&tio, speedFor(baud));
    return tcsetattr(fd, TCSANOW, &tio) == 0;
}

} // namespace

SerialLink::SerialLink() : m_wakeFd(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

SerialLink::~SerialLink()
{
    close();
    if (m_wakeFd >= 0)
        ::close(m_wakeFd);
}

bool SerialLink::open(const std::string& device, unsigned baud)
{
    std::lock_guard<std::mutex> lock(m_ioMutex);
    closeLocked();
    if (device.empty())
        return false;
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    // Two programs must never share the panel's port.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0 || ioctl(fd, TIOCEXCL) != 0 || !configure(fd, baud)) {
        ::close(fd);
        return false;
    }
    tcflush(fd, TCIOFLUSH);
    m_timeouts = Timeouts();
    m_fd.store(fd);
    return true;
}

void SerialLink::cancel()
{
    m_cancelled.store(true);
    const uint64_t one = 1;
    if (m_wakeFd >= 0 && ::write(m_wakeFd, &one, sizeof one) < 0) {
        // The counter is full, so a wake-up is pending already.
    }
}

void SerialLink::close()
{
    cancel();
    std::lock_guard<std::mutex> lock(m_ioMutex);
    closeLocked();
}

void SerialLink::closeLocked()
{
    const int fd = m_fd.exchange(-1);
    if (fd >= 0) {
        ioctl(fd, TIOCNXCL);
        ::close(fd);
    }
    uint64_t drained = 0;
    if (m_wakeFd >= 0 && ::read(m_wakeFd, &drained, sizeof drained) < 0) {
        // Nothing was pending.
    }
    m_cancelled.store(false);
}

bool SerialLink::waitFor(short events, int timeoutMs)
{
    if (m_cancelled.load())
        return false;
    pollfd fds[2] = {{m_fd.load(), events, 0}, {m_wakeFd, POLLIN, 0}};
    int ready = 0;
    do {
        ready = poll(fds, 2, timeoutMs);
    } while (ready < 0 && errno == EINTR);
    if (ready <= 0 || (fds[1].revents & POLLIN) || m_cancelled.load())
        return false;
    // Data that came before a hang-up is still read; after it nothing will come.
    return (fds[0].revents & events) != 0;
}

int SerialLink::write(const unsigned char* data, int count)
{
    std::lock_guard<std::mutex> lock(m_ioMutex);
    const int fd = m_fd.load();
    if (fd < 0 || count < 0)
        return -1;
    const long long total =
        (long long)m_timeouts.writeMultiplier * count + m_timeouts.writeConstant;
    const auto deadline = Clock::now() + std::chrono::milliseconds(total);
    int written = 0;
    while (written < count) {
        const ssize_t n = ::write(fd, data + written, size_t(count - written));
        if (n > 0) {
            written += int(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            break;
        if (!waitFor(POLLOUT, total > 0 ? millisecondsUntil(deadline) : -1))
            break;
        if (total > 0 && Clock::now() >= deadline)
            break;
    }
    return written;
}

int SerialLink::read(unsigned char* buffer, int count)
{
    std::lock_guard<std::mutex> lock(m_ioMutex);
    const int fd = m_fd.load();
    if (fd < 0 || count <= 0)
        return 0;
    const long long total = (long long)m_timeouts.readMultiplier * count + m_timeouts.readConstant;
    const auto deadline = Clock::now() + std::chrono::milliseconds(total);
    int got = 0;
    while (got < count) {
        const ssize_t n = ::read(fd, buffer + got, size_t(count - got));
        if (n > 0) {
            got += int(n);
            continue;
        }
        if (n == 0 || (errno != EAGAIN && errno != EINTR))
            break; // hung up or failed
        int wait = total > 0 ? millisecondsUntil(deadline) : -1;
        if (got > 0 && m_timeouts.readInterval > 0)
            wait = wait < 0 ? m_timeouts.readInterval : std::min(wait, m_timeouts.readInterval);
        if ((total > 0 && wait == 0) || !waitFor(POLLIN, wait))
            break;
    }
    return got;
}

void SerialLink::setTimeouts(const Timeouts& timeouts)
{
    std::lock_guard<std::mutex> lock(m_ioMutex);
    m_timeouts = timeouts;
}

void SerialLink::clear(bool input, bool output)
{
    std::lock_guard<std::mutex> lock(m_ioMutex);
    const int fd = m_fd.load();
    if (fd < 0)
        return;
    if (input && output)
        tcflush(fd, TCIOFLUSH);
    else if (input)
        tcflush(fd, TCIFLUSH);
    else if (output)
        tcflush(fd, TCOFLUSH);
}
