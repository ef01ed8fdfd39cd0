#include "plc/CPlcManager.h"
#include "tools/segmo-cli/CatalogJson.h"
#include "tools/segmo-cli/CliSupport.h"
#include "tools/segmo-cli/Commands.h"

#include <QJsonObject>

int runCatalogCommand(const QStringList& arguments)
{
    const QString command = QStringLiteral("catalog");
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Prints the parsed PLC catalogue as JSON on stdout.\n"
                       "Exit codes: 0 done, 1 bad arguments, 2 the catalogue cannot be loaded."));
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QStringLiteral("The catalogue (default: ZtFactory.dll beside the program)."),
        QStringLiteral("[FILE]"));
    if (const int exit = Cli::parse(parser, command, arguments); exit != Cli::kContinue)
        return exit;
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        Cli::error(QStringLiteral("catalog takes at most one file"));
        return Cli::BadArguments;
    }
    const QString path = positional.isEmpty()
                             ? Cli::besideProgram(QString::fromLatin1(CPlcManager::kDefaultFile))
                             : positional.at(0);
    CPlcManager& catalog = CPlcManager::instance();
    if (!catalog.load(path)) {
        Cli::error(QStringLiteral("cannot load the PLC catalogue %1: the file is missing, "
                                  "not XML, or lists no vendor")
                       .arg(path));
        return Cli::LoadFailed;
    }
    const QJsonObject object{{QStringLiteral("vendors"), CatalogJson::toJson(catalog)}};
    return Cli::printJson(QJsonDocument(object)) ? Cli::Success : Cli::WriteFailed;
}
