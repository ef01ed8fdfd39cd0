#pragma once

#include <QCommandLineParser>
#include <QJsonDocument>
#include <QStringList>

class CLedProject;

// What every segmo-cli command shares: exit codes, messages on stderr, files
// beside the program, loading a project.
namespace Cli {

enum Exit
{
    Success = 0,
    BadArguments = 1,
    LoadFailed = 2,
    ImageRefused = 3,
    WriteFailed = 4
};

// Prints "segmo-cli: <message>" on stderr.
void error(const QString& message);
// Prints a line on stderr.
void note(const QString& message);

constexpr int kContinue = -1;

// Parses the arguments of one command. Returns kContinue, or the exit code
// after printing the help (--help) or the parse error.
int parse(QCommandLineParser& parser, const QString& command, const QStringList& arguments);

// A positional argument that must be there; prints the help hint otherwise.
bool requirePositional(const QCommandLineParser& parser, int count, const QString& command);

// A file of the program directory (the data files lie beside the program).
QString besideProgram(const QString& name);

// The path with ".kavio" appended unless it already ends with it (any case).
QString withProjectExtension(const QString& path);

// Loads a project file, or explains on stderr why not.
bool loadProject(const QString& path, CLedProject& project);

bool printJson(const QJsonDocument& document);

// Reads an unsigned option value; false with a message when it is not a number.
bool unsignedOption(const QCommandLineParser& parser, const QString& name, quint32 fallback,
                    quint32& value);

} // namespace Cli
