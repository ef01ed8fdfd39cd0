#include "serial/SerialTransport.h"
#include "serial/SystemPorts.h"
#include "tools/segmo-cli/CliSupport.h"
#include "tools/segmo-cli/Commands.h"

#include <cstdio>

int runPortsCommand(const QStringList& arguments)
{
    const QString command = QStringLiteral("ports");
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Lists the serial ports by COM name with their device and busy state, and marks\n"
        "the download cable. Exit codes: 0 done, 1 bad arguments."));
    if (const int exit = Cli::parse(parser, command, arguments); exit != Cli::kContinue)
        return exit;
    if (!Cli::requirePositional(parser, 0, command))
        return Cli::BadArguments;

    SerialTransport& transport = SerialTransport::instance();
    const int cable = transport.bind(Cli::besideProgram(QStringLiteral("ZtSerial.dll")))
                          ? transport.cablePort()
                          : -1;
    const QList<SystemPort> ports = systemPorts();
    if (ports.isEmpty())
        Cli::note(QStringLiteral("no serial ports"));
    for (const SystemPort& port : ports) {
        const QString line =
            QStringLiteral("%1\t%2\t%3%4")
                .arg(port.name, port.device,
                     port.busy ? QStringLiteral("busy") : QStringLiteral("free"),
                     port.number == cable ? QStringLiteral("\tdownload cable") : QString());
        std::printf("%s\n", qPrintable(line));
    }
    return Cli::Success;
}
