#pragma once

#include <QString>
#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

// A pseudo-terminal for serial tests: the test plays the panel on the master
// side, the code under test opens the slave as its port.
class PtyPair
{
public:
    PtyPair()
    {
        m_master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0)
            return;
        m_slavePath = QString::fromLocal8Bit(ptsname(m_master));
        // Kept open so that the pty lives while the code under test closes it.
        m_slave = ::open(ptsname(m_master), O_RDWR | O_NOCTTY | O_CLOEXEC);
        termios tio{};
        if (m_slave >= 0 && tcgetattr(m_slave, &tio) == 0) {
            cfmakeraw(&tio);
            tcsetattr(m_slave, TCSANOW, &tio);
        }
    }
    ~PtyPair()
    {
        closeMaster();
        if (m_slave >= 0)
            ::close(m_slave);
    }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool isValid() const { return m_master >= 0 && m_slave >= 0; }
    QString slavePath() const { return m_slavePath; }
    int master() const { return m_master; }

    bool send(const QByteArray& bytes)
    {
        return ::write(m_master, bytes.constData(), size_t(bytes.size())) == bytes.size();
    }
    QByteArray receive(int max = 4096)
    {
        QByteArray buffer(max, '\0');
        const int flags = fcntl(m_master, F_GETFL);
        fcntl(m_master, F_SETFL, flags | O_NONBLOCK);
        const ssize_t n = ::read(m_master, buffer.data(), size_t(max));
        fcntl(m_master, F_SETFL, flags);
        return n > 0 ? buffer.left(int(n)) : QByteArray();
    }
    // Collects what the code under test sent until `count` bytes are there or
    // a few seconds have passed.
    QByteArray receive(int count, int timeoutMs)
    {
        QByteArray got;
        for (int waited = 0; got.size() < count && waited < timeoutMs; waited += 10) {
            got += receive(count - got.size());
            if (got.size() < count)
                usleep(10000);
        }
        return got;
    }
    // Hangs the line up: the slave side reads end of file from now on.
    void closeMaster()
    {
        if (m_master >= 0)
            ::close(m_master);
        m_master = -1;
    }

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
};
