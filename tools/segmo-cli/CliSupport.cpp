#include "tools/segmo-cli/CliSupport.h"

#include "project/CLedManager.h"
#include "project/CLedProject.h"
#include "project/CLedProjectFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

namespace Cli {

void error(const QString& message)
{
    note(QStringLiteral("segmo-cli: ") + message);
}

void note(const QString& message)
{
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    std::fflush(stderr);
}

int parse(QCommandLineParser& parser, const QString& command, const QStringList& arguments)
{
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help."));
    parser.addOption(help);
    const QString name = QStringLiteral("segmo-cli ") + command;
    if (!parser.parse(QStringList{name} + arguments)) {
        error(parser.errorText());
        return BadArguments;
    }
    if (!parser.isSet(help))
        return kContinue;
    // The usage line names the program by its path; name the command instead.
    QString text = parser.helpText();
    const int end = text.indexOf(QLatin1String(" [options]"));
    if (text.startsWith(QLatin1String("Usage: ")) && end > 0)
        text.replace(7, end - 7, name);
    std::fputs(text.toLocal8Bit().constData(), stdout);
    return Success;
}

bool requirePositional(const QCommandLineParser& parser, int count, const QString& command)
{
    if (parser.positionalArguments().size() == count)
        return true;
    error(QStringLiteral("%1 takes %2 argument(s); see 'segmo-cli %1 --help'")
              .arg(command)
              .arg(count));
    return false;
}

QString besideProgram(const QString& name)
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
}

QString withProjectExtension(const QString& path)
{
    const QString extension = QStringLiteral(".kavio");
    return path.endsWith(extension, Qt::CaseInsensitive) ? path : path + extension;
}

bool loadProject(const QString& path, CLedProject& project)
{
    // The loader looks the panel model up in the list beside the program.
    CLedManager::instance().load(besideProgram(QStringLiteral("Model.ini")));
    switch (project.load(path)) {
    case CLedProjectFile::Loaded:
        project.filePath = QDir(path).absolutePath();
        return true;
    case CLedProjectFile::CannotOpen:
        error(QStringLiteral("cannot open project %1: the file cannot be read (load result 1)")
                  .arg(path));
        return false;
    default:
        error(QStringLiteral("cannot open project %1: not a valid project file (load result 2)")
                  .arg(path));
        return false;
    }
}

bool printJson(const QJsonDocument& document)
{
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly))
        return false;
    return out.write(document.toJson(QJsonDocument::Indented)) >= 0;
}

bool unsignedOption(const QCommandLineParser& parser, const QString& name, quint32 fallback,
                    quint32& value)
{
    if (!parser.isSet(name)) {
        value = fallback;
        return true;
    }
    bool ok = false;
    value = parser.value(name).toUInt(&ok);
    if (!ok)
        error(QStringLiteral("--%1 needs a number, not \"%2\"").arg(name, parser.value(name)));
    return ok;
}

} // namespace Cli
