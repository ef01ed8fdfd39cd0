// Downloads a 3999-byte image to the panel emulator, which takes the wire
// time of every byte at 115200 baud, and compares the time the download took
// with the time its bytes need on the wire plus the job's fixed pauses.
#include "serial/PanelFrame.h"
#include "serial/QSerialThread.h"
#include "serial/SerialTransport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int kImageSize = 3999;
constexpr int kBaud = 115200;
constexpr int kBlock = 20;
constexpr int kRuns = 3;

// Bytes on the wire, both directions: enquiry, hardware query, the project
// blocks and the save command with their replies (no firmware file).
qint64 wireBytes(int imageSize)
{
    qint64 bytes = 1 + 1; // ENQ, ACK
    bytes += 6 + 16;      // hardware query and its reply frame
    for (int sent = 0; sent < imageSize; sent += kBlock)
        bytes += 2 * qMin(kBlock, imageSize - sent) + 11 + 1;
    bytes += 5 + 1; // save, ACK
    return bytes;
}

// The job's own pauses on this path: the worker's open, the job's open, the
// firmware check's open (100 ms each), the pause before the re-open for the
// project transfer (600 ms) and that open (100 ms), and the start (100 ms).
constexpr double kFixedPausesMs = 100 + 100 + 100 + 100 + 600 + 100;

double downloadOnce(SerialTransport& transport, const QByteArray& image)
{
    QSerialThread worker(transport);
    worker.setPortName(QStringLiteral("COM9"));
    uint result = 99;
    QObject::connect(&worker, &QSerialThread::sendCmdReply, &worker,
                     [&result](uint code, CSerialCommandBase* command) {
                         result = code;
                         delete command;
                         QCoreApplication::quit();
                     });
    worker.start();
    QElapsedTimer timer;
    timer.start();
    worker.queueDownload(0, image.constData(), image.size(), QStringLiteral("bench"), false);
    QCoreApplication::exec();
    const double elapsed = double(timer.nsecsElapsed()) / 1e6;
    worker.stop();
    return result == 0 ? elapsed : -1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QString programDir = QCoreApplication::applicationDirPath();
    QTemporaryDir dir;
    const QString ports = dir.filePath(QStringLiteral("ports"));
    qputenv("ZTSERIAL_PORT_DIR", ports.toUtf8());

    QProcess emulator;
    emulator.start(programDir + QStringLiteral("/panel-emulator"),
                   {QStringLiteral("--port-dir"), ports, QStringLiteral("--com"),
                    QStringLiteral("9"), QStringLiteral("--baud"), QString::number(kBaud)});
    if (!emulator.waitForReadyRead(10000)) {
        std::fprintf(stderr, "the panel emulator did not start\n");
        return 1;
    }
    SerialTransport transport;
    if (!transport.bind(programDir + QStringLiteral("/ZtSerial.dll"))) {
        std::fprintf(stderr, "cannot load ZtSerial.dll\n");
        return 1;
    }

    const QByteArray image(kImageSize, char(0x5A));
    const double wireMs = double(wireBytes(kImageSize)) * 10 * 1000 / kBaud;
    const double expectedMs = wireMs + kFixedPausesMs;
    double best = 1e12;
    for (int run = 0; run < kRuns; ++run) {
        const double ms = downloadOnce(transport, image);
        if (ms < 0) {
            std::fprintf(stderr, "download failed\n");
            return 1;
        }
        std::printf("run %d: %.1f ms\n", run + 1, ms);
        best = qMin(best, ms);
    }
    emulator.terminate();
    emulator.waitForFinished(5000);

    std::printf("image %d bytes at %d baud\n", kImageSize, kBaud);
    std::printf("wire time %.1f ms + fixed pauses %.0f ms = %.1f ms\n", wireMs, kFixedPausesMs,
                expectedMs);
    std::printf("download (best of %d) %.1f ms, ratio %.3f (target at most 1.05)\n", kRuns, best,
                best / expectedMs);
    return best / expectedMs <= 1.05 ? 0 : 2;
}
