#pragma once

#include "serial/SerialTransport.h"

#include <QByteArrayList>
#include <QList>
#include <QMutex>
#include <QVector>
#include <cstring>

// A scripted ZtSerial.dll: records what is written and the calls made, and
// answers reads from a list of replies (an empty reply is silence).
struct FakeSerialApi
{
    QMutex lock;
    bool open = false;
    bool openSucceeds = true;
    int cablePort = -1;
    bool windowsXp = false;
    int writeShortfall = 0; // bytes a write leaves out
    QList<int> openedPorts;
    QByteArrayList written;
    QByteArrayList replies;
    QVector<QVector<int>> timeouts;
    int clears = 0;

    static FakeSerialApi& state()
    {
        static FakeSerialApi fake;
        return fake;
    }

    static void reset()
    {
        FakeSerialApi& f = state();
        QMutexLocker guard(&f.lock);
        f.open = false;
        f.openSucceeds = true;
        f.cablePort = -1;
        f.windowsXp = false;
        f.writeShortfall = 0;
        f.openedPorts.clear();
        f.written.clear();
        f.replies.clear();
        f.timeouts.clear();
        f.clears = 0;
    }

    static ZtSerialApi api()
    {
        ZtSerialApi a;
        a.openPort = [](int port) {
            FakeSerialApi& f = state();
            QMutexLocker guard(&f.lock);
            f.openedPorts.append(port);
            f.open = f.openSucceeds;
            return f.open ? 1 : 0;
        };
        a.checkPort = [] { return state().open ? 1 : 0; };
        a.cancelIo = [] {};
        a.closePort = [] { state().open = false; };
        a.writeData = [](const unsigned char* data, int count) {
            FakeSerialApi& f = state();
            QMutexLocker guard(&f.lock);
            f.written.append(QByteArray(reinterpret_cast<const char*>(data), count));
            return count - f.writeShortfall;
        };
        a.readData = [](unsigned char* buffer, int count) {
            FakeSerialApi& f = state();
            QMutexLocker guard(&f.lock);
            if (f.replies.isEmpty())
                return 0;
            const QByteArray reply = f.replies.takeFirst().left(count);
            std::memcpy(buffer, reply.constData(), size_t(reply.size()));
            return int(reply.size());
        };
        a.setTimeout = [](int a1, int a2, int a3, int a4, int a5) {
            FakeSerialApi& f = state();
            QMutexLocker guard(&f.lock);
            f.timeouts.append({a1, a2, a3, a4, a5});
        };
        a.setDefaultTimeout = [] {};
        a.clearAllBuffer = [] { ++state().clears; };
        a.clearReadBuffer = [] {};
        a.clearWriteBuffer = [] {};
        a.getUsbPort = [](int, int) { return state().cablePort; };
        a.checkWinXP = [] { return state().windowsXp ? 1 : 0; };
        return a;
    }
};
