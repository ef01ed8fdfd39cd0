#include "resources/TranslationResources.h"
#include "tools/segmo-cli/CliSupport.h"
#include "tools/segmo-cli/Commands.h"

#include <QCoreApplication>
#include <QTranslator>
#include <cstdio>

namespace {

struct Command
{
    const char* name;
    int (*run)(const QStringList&);
    const char* summary;
};

constexpr Command kCommands[] = {
    {"new", runNewCommand, "create a project the way File New does"},
    {"compile", runCompileCommand, "compile a project into the panel image"},
    {"info", runInfoCommand, "print a project as JSON"},
    {"import", runImportCommand, "create a project from JSON"},
    {"catalog", runCatalogCommand, "print the PLC catalogue as JSON"},
    {"download", runDownloadCommand, "compile a project and download it to the panel"},
    {"ports", runPortsCommand, "list the serial ports by COM name"},
};

void printUsage(std::FILE* stream)
{
    std::fprintf(stream, "Usage: segmo-cli COMMAND [OPTIONS] ...\n\nCommands:\n");
    for (const Command& command : kCommands)
        std::fprintf(stream, "  %-9s %s\n", command.name, command.summary);
    std::fprintf(stream, "\n'segmo-cli COMMAND --help' describes a command.\n");
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("segmo-cli"));
    // Messages that the core shares with the GUI come in English.
    initTranslationResources();
    QTranslator english;
    if (english.load(QStringLiteral(":/language/lang_en")))
        QCoreApplication::installTranslator(&english);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty()) {
        printUsage(stderr);
        return Cli::BadArguments;
    }
    const QString name = arguments.takeFirst();
    if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
        printUsage(stdout);
        return Cli::Success;
    }
    for (const Command& command : kCommands) {
        if (name == QLatin1String(command.name))
            return command.run(arguments);
    }
    Cli::error(QStringLiteral("unknown command \"%1\"").arg(name));
    printUsage(stderr);
    return Cli::BadArguments;
}
