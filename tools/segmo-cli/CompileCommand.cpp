#include "project/CLedProject.h"
#include "project/CompileCheck.h"
#include "tools/segmo-cli/CliSupport.h"
#include "tools/segmo-cli/Commands.h"

#include <QSaveFile>

namespace {

const QString kCommand = QStringLiteral("compile");

QString refusal(ImageCheck check, int size)
{
    if (check == ImageCheck::Empty)
        return QStringLiteral("Failed to compile the project!");
    return QStringLiteral("The project data exceeds the maximum capacity: %1 bytes! "
                          "(the image has %2 bytes)")
        .arg(kImageCapacity)
        .arg(size);
}

bool writeImage(const QString& path, const QByteArray& image)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size())
        return false;
    return file.commit();
}

} // namespace

int runCompileCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Compiles a project into the panel image.\n"
        "Exit codes: 0 done, 1 bad arguments, 2 the project cannot be loaded,\n"
        "3 the image is refused (empty or too large), 4 the image cannot be written."));
    parser.addPositionalArgument(QStringLiteral("PROJECT"), QStringLiteral("The project file."));
    parser.addOption({{QStringLiteral("o"), QStringLiteral("output")},
                      QStringLiteral("The image file (default ledprj.hex)."),
                      QStringLiteral("FILE"),
                      QStringLiteral("ledprj.hex")});
    if (const int exit = Cli::parse(parser, kCommand, arguments); exit != Cli::kContinue)
        return exit;
    if (!Cli::requirePositional(parser, 1, kCommand))
        return Cli::BadArguments;

    CLedProject project;
    const QString path = parser.positionalArguments().at(0);
    if (!Cli::loadProject(path, project))
        return Cli::LoadFailed;
    QByteArray image;
    const ImageCheck check = compileImage(project, image);
    if (check != ImageCheck::Ok) {
        Cli::error(refusal(check, image.size()));
        return Cli::ImageRefused;
    }
    const QString output = parser.value(QStringLiteral("output"));
    if (!writeImage(output, image)) {
        Cli::error(QStringLiteral("cannot write the image to %1").arg(output));
        return Cli::WriteFailed;
    }
    Cli::note(QStringLiteral("compiled %1: %2 pages, %3 bytes -> %4")
                  .arg(path)
                  .arg(project.pageCount())
                  .arg(image.size())
                  .arg(output));
    return Cli::Success;
}
