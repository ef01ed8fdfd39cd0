#include "project/CLedProject.h"
#include "tools/segmo-cli/CliSupport.h"
#include "tools/segmo-cli/Commands.h"
#include "tools/segmo-cli/ProjectJson.h"

int runInfoCommand(const QStringList& arguments)
{
    const QString command = QStringLiteral("info");
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Prints the whole project as JSON on stdout.\n"
                       "Exit codes: 0 done, 1 bad arguments, 2 the project cannot be loaded."));
    parser.addPositionalArgument(QStringLiteral("PROJECT"), QStringLiteral("The project file."));
    if (const int exit = Cli::parse(parser, command, arguments); exit != Cli::kContinue)
        return exit;
    if (!Cli::requirePositional(parser, 1, command))
        return Cli::BadArguments;

    CLedProject project;
    if (!Cli::loadProject(parser.positionalArguments().at(0), project))
        return Cli::LoadFailed;
    return Cli::printJson(QJsonDocument(ProjectJson::toJson(project))) ? Cli::Success
                                                                       : Cli::WriteFailed;
}
