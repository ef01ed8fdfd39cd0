// panel-emulator: plays an LED text-monitor panel on a pseudo-terminal, so
// that downloads can be tried and tested without hardware.
#include "tools/panel-emulator/PanelEmulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <atomic>
#include <csignal>
#include <cstdio>

namespace {

std::atomic<bool> g_stop{false};

void requestStop(int)
{
    g_stop.store(true);
}

QCommandLineOption option(const char* name, const char* description, const char* value = nullptr,
                          const char* fallback = nullptr)
{
    if (!value)
        return QCommandLineOption(QString::fromLatin1(name), QString::fromLatin1(description));
    return QCommandLineOption(QString::fromLatin1(name), QString::fromLatin1(description),
                              QString::fromLatin1(value),
                              fallback ? QString::fromLatin1(fallback) : QString());
}

int intValue(const QCommandLineParser& parser, const char* name, int fallback, bool& ok)
{
    const QString text = parser.value(QString::fromLatin1(name));
    if (text.isEmpty())
        return fallback;
    bool valid = false;
    const int value = text.toInt(&valid, 0);
    if (!valid) {
        std::fprintf(stderr, "panel-emulator: --%s needs a number\n", name);
        ok = false;
    }
    return value;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Plays a panel on a pseudo-terminal linked as COM<n> in the port folder.\n"
                       "Prints \"ready <device>\" when it listens; ends on SIGTERM or SIGINT."));
    parser.addHelpOption();
    parser.addOptions({
        option("port-dir", "Folder for the COM<n> link (default: the Segmo port folder).", "DIR"),
        option("com", "The n of COM<n>.", "N", "9"),
        option("image", "File the saved project image is written to.", "FILE"),
        option("firmware-out", "File the received firmware is written to.", "FILE"),
        option("log", "File that gets one line per frame seen.", "FILE"),
        option("flag", "Firmware identification mark (hardware query).", "N", "0x5A4B"),
        option("model", "Panel model number (hardware query).", "N", "10901"),
        option("version", "Firmware version (hardware query).", "N", "0x0100"),
        option("nak-block", "Answer project block K with NAK.", "K"),
        option("bad-sum-block", "Answer project block K with a wrong sum check.", "K"),
        option("silent-block", "Never answer project block K.", "K"),
        option("garbage-block", "Answer project block K with a meaningless byte.", "K"),
        option("hangup-after", "Hang up after acknowledging K project blocks.", "K"),
        option("silent", "Answer nothing at all."),
        option("garbage-enquiry", "Answer the enquiry with a meaningless byte."),
        option("reject-firmware", "Fail the firmware check."),
        option("delay", "Wait this many milliseconds before every reply.", "MS"),
        option("baud", "Take the wire time of every byte at this baud rate.", "RATE"),
    });
    parser.process(app);

    EmulatorOptions options;
    bool ok = true;
    options.portDir = parser.value(QStringLiteral("port-dir"));
    if (options.portDir.isEmpty()) {
        const QByteArray dir = qgetenv("ZTSERIAL_PORT_DIR");
        options.portDir = dir.isEmpty() ? QString::fromLocal8Bit(qgetenv("HOME")) +
                                              QStringLiteral("/.config/Segmo/ports")
                                        : QString::fromLocal8Bit(dir);
    }
    options.comNumber = intValue(parser, "com", 9, ok);
    options.imageOut = parser.value(QStringLiteral("image"));
    options.firmwareOut = parser.value(QStringLiteral("firmware-out"));
    options.logPath = parser.value(QStringLiteral("log"));
    options.flag = quint16(intValue(parser, "flag", options.flag, ok));
    options.model = quint16(intValue(parser, "model", options.model, ok));
    options.version = quint16(intValue(parser, "version", options.version, ok));
    options.nakBlock = intValue(parser, "nak-block", -1, ok);
    options.badSumBlock = intValue(parser, "bad-sum-block", -1, ok);
    options.silentBlock = intValue(parser, "silent-block", -1, ok);
    options.garbageBlock = intValue(parser, "garbage-block", -1, ok);
    options.hangupAfter = intValue(parser, "hangup-after", -1, ok);
    options.silent = parser.isSet(QStringLiteral("silent"));
    options.garbageEnquiry = parser.isSet(QStringLiteral("garbage-enquiry"));
    options.rejectFirmware = parser.isSet(QStringLiteral("reject-firmware"));
    options.replyDelayMs = intValue(parser, "delay", 0, ok);
    options.baud = intValue(parser, "baud", 0, ok);
    if (!ok)
        return 1;

    std::signal(SIGTERM, requestStop);
    std::signal(SIGINT, requestStop);
    PanelEmulator emulator(options);
    QString error;
    const QString device = emulator.start(&error);
    if (device.isEmpty()) {
        std::fprintf(stderr, "panel-emulator: %s\n", qPrintable(error));
        return 2;
    }
    std::printf("ready %s\n", qPrintable(device));
    std::fflush(stdout);
    emulator.serve(g_stop);
    return 0;
}
