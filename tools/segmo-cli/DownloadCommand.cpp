#include "app/ProcessValues.h"
#include "project/CLedProject.h"
#include "project/CompileCheck.h"
#include "serial/QSerialThread.h"
#include "serial/SerialResult.h"
#include "serial/SerialTransport.h"
#include "tools/segmo-cli/CliSupport.h"
#include "tools/segmo-cli/Commands.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QRegularExpression>

namespace {

const QString kCommand = QStringLiteral("download");

// Exit codes past the serial results 0..7.
enum DownloadExit
{
    BadDownloadArguments = 10,
    ProjectNotLoaded = 11,
    ImageNotAccepted = 12,
    NoTransport = 13
};

void printLine(const QString& text)
{
    Cli::note(QStringLiteral("[%1] %2").arg(
        QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz")), text));
}

// Prints a progress line at every tenth of the transfer and at its end.
class ProgressPrinter
{
public:
    void init(uint total)
    {
        m_total = total;
        m_lastTenth = -1;
    }
    void update(uint total, uint written)
    {
        if (total == 0) {
            printLine(QStringLiteral("transfer cancelled"));
            return;
        }
        const int tenth = int(qint64(written) * 10 / total);
        if (tenth != m_lastTenth) {
            m_lastTenth = tenth;
            printLine(QStringLiteral("progress %1/%2 bytes").arg(written).arg(m_total));
        }
    }

private:
    uint m_total = 0;
    int m_lastTenth = -1;
};

struct DownloadRequest
{
    QString projectPath;
    QString port;
    QString firmwareDir;
    bool force = false;
};

int parseRequest(const QStringList& arguments, DownloadRequest& request)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Compiles a project and downloads it to the panel, updating the panel's firmware\n"
        "from the firmware folder when its version differs.\n"
        "Exit codes: 0 done, 1-7 the serial result (1 port cannot be opened, 3 check\n"
        "failed, 4 time-out, 5 no data, 6 no response, 7 cancelled), 10 bad arguments,\n"
        "11 the project cannot be loaded, 12 the image is refused, 13 ZtSerial.dll cannot\n"
        "be loaded."));
    parser.addPositionalArgument(QStringLiteral("PROJECT"), QStringLiteral("The project file."));
    parser.addOption({QStringLiteral("port"), QStringLiteral("The panel's port, COM<n>."),
                      QStringLiteral("COMn")});
    parser.addOption({QStringLiteral("force"),
                      QStringLiteral("Update the firmware even when the versions agree.")});
    parser.addOption(
        {QStringLiteral("firm-dir"),
         QStringLiteral("Folder of the firmware files (default: Firm beside the program)."),
         QStringLiteral("DIR")});
    if (const int exit = Cli::parse(parser, kCommand, arguments); exit != Cli::kContinue)
        return exit == Cli::Success ? int(Cli::Success) : int(BadDownloadArguments);
    if (!Cli::requirePositional(parser, 1, kCommand))
        return BadDownloadArguments;
    request.projectPath = parser.positionalArguments().at(0);
    request.port = parser.value(QStringLiteral("port"));
    request.firmwareDir = parser.value(QStringLiteral("firm-dir"));
    request.force = parser.isSet(QStringLiteral("force"));
    if (!QRegularExpression(QStringLiteral("^COM[1-9][0-9]*$")).match(request.port).hasMatch()) {
        Cli::error(QStringLiteral("--port needs a port name such as COM3"));
        return BadDownloadArguments;
    }
    return Cli::kContinue;
}

uint runDownload(const DownloadRequest& request, const QByteArray& image, const QString& text)
{
    QSerialThread worker(SerialTransport::instance());
    worker.setPortName(request.port);
    if (!request.firmwareDir.isEmpty())
        worker.setFirmwareDir(request.firmwareDir);

    ProgressPrinter progress;
    uint result = OpenFailed;
    QObject receiver;
    QObject::connect(&worker, &QSerialThread::sendCmdSetLog, &receiver,
                     [](const QString& line, const QColor&) { printLine(line); });
    QObject::connect(&worker, &QSerialThread::sendCmdInit, &receiver,
                     [&progress](uint total) { progress.init(total); });
    QObject::connect(&worker, &QSerialThread::sendCmdProgress, &receiver,
                     [&progress](uint total, uint written, CSerialCommandBase*) {
                         progress.update(total, written);
                     });
    QObject::connect(&worker, &QSerialThread::sendCmdReply, &receiver,
                     [&result](uint code, CSerialCommandBase* command) {
                         result = code;
                         delete command;
                         QCoreApplication::quit();
                     });
    worker.start();
    worker.queueDownload(0, image.constData(), image.size(), text, request.force);
    QCoreApplication::exec();
    worker.stop();
    return result;
}

} // namespace

int runDownloadCommand(const QStringList& arguments)
{
    DownloadRequest request;
    if (const int exit = parseRequest(arguments, request); exit != Cli::kContinue)
        return exit;
    CLedProject project;
    if (!Cli::loadProject(request.projectPath, project))
        return ProjectNotLoaded;
    QByteArray image;
    if (const ImageCheck check = compileImage(project, image); check != ImageCheck::Ok) {
        Cli::error(check == ImageCheck::Empty
                       ? QStringLiteral("Failed to compile the project!")
                       : QStringLiteral("The project data exceeds the maximum capacity: %1 bytes!")
                             .arg(kImageCapacity));
        return ImageNotAccepted;
    }
    SerialTransport& transport = SerialTransport::instance();
    const QString library = Cli::besideProgram(QStringLiteral("ZtSerial.dll"));
    if (!transport.bind(library)) {
        Cli::error(QStringLiteral("cannot load the serial transport library %1").arg(library));
        return NoTransport;
    }
    setProgramDir(QCoreApplication::applicationDirPath());
    const uint result = runDownload(request, image, project.modelName);
    if (result != Ok)
        Cli::error(QStringLiteral("download failed (0x800%1): %2")
                       .arg(result)
                       .arg(serialResultText(result, request.port)));
    return int(result);
}
