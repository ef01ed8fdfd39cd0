#include "project/CLedProject.h"
#include "tools/segmo-cli/CliSupport.h"
#include "tools/segmo-cli/Commands.h"
#include "tools/segmo-cli/ProjectJson.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>

namespace {

bool readJsonObject(const QString& path, QJsonObject& object)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Cli::error(QStringLiteral("cannot read %1").arg(path));
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!document.isObject()) {
        Cli::error(
            QStringLiteral("%1 is not a JSON object: %2").arg(path, parseError.errorString()));
        return false;
    }
    object = document.object();
    return true;
}

} // namespace

int runImportCommand(const QStringList& arguments)
{
    const QString command = QStringLiteral("import");
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Creates a project from JSON in the form 'segmo-cli info' prints. Keys that are\n"
        "missing keep the values of a new project; the lamp and key arrays, when given,\n"
        "replace panel options 15 to 19.\n"
        "Exit codes: 0 done, 1 bad arguments, bad JSON or the file cannot be written."));
    parser.addPositionalArgument(QStringLiteral("JSON"), QStringLiteral("The JSON file."));
    parser.addPositionalArgument(QStringLiteral("PROJECT"),
                                 QStringLiteral("The project file (.kavio is appended)."));
    parser.addOption({QStringLiteral("force"), QStringLiteral("Replace an existing file.")});
    if (const int exit = Cli::parse(parser, command, arguments); exit != Cli::kContinue)
        return exit;
    if (!Cli::requirePositional(parser, 2, command))
        return Cli::BadArguments;

    const QString path = Cli::withProjectExtension(parser.positionalArguments().at(1));
    if (QFileInfo::exists(path) && !parser.isSet(QStringLiteral("force"))) {
        Cli::error(QStringLiteral("%1 exists; use --force to replace it").arg(path));
        return Cli::BadArguments;
    }
    QJsonObject object;
    if (!readJsonObject(parser.positionalArguments().at(0), object))
        return Cli::BadArguments;
    CLedProject project;
    QString message;
    if (!ProjectJson::fromJson(object, project, &message)) {
        Cli::error(message);
        return Cli::BadArguments;
    }
    project.isOpen = true;
    project.filePath = QDir(path).absolutePath();
    if (!project.save(path)) {
        Cli::error(QStringLiteral("cannot write %1").arg(path));
        return Cli::BadArguments;
    }
    Cli::note(QStringLiteral("imported %1: %2 page(s)").arg(path).arg(project.pageCount()));
    return Cli::Success;
}
