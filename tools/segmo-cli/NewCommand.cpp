#include "plc/CPlcManager.h"
#include "project/CLedManager.h"
#include "project/CLedProject.h"
#include "tools/segmo-cli/CliSupport.h"
#include "tools/segmo-cli/Commands.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kCommand = QStringLiteral("new");
const QString kDefaultModel = QStringLiteral("DX-PANEL-9A");

struct NewOptions
{
    QString path;
    QString model;
    quint32 vendor = 0;
    quint32 plc = 0;
    quint32 pages = 1;
    bool force = false;
};

// Returns Cli::kContinue or the exit code.
int readOptions(QCommandLineParser& parser, const QStringList& arguments, NewOptions& options)
{
    parser.setApplicationDescription(
        QStringLiteral("Creates a project the way File New does and saves it.\n"
                       "Exit codes: 0 done, 1 bad arguments or the file cannot be written."));
    parser.addPositionalArgument(QStringLiteral("PROJECT"),
                                 QStringLiteral("The project file (.kavio is appended)."));
    parser.addOption({QStringLiteral("model"), QStringLiteral("Panel model of Model.ini."),
                      QStringLiteral("NAME"), kDefaultModel});
    parser.addOption({QStringLiteral("vendor"), QStringLiteral("PLC vendor id of the catalogue."),
                      QStringLiteral("N"), QStringLiteral("0")});
    parser.addOption({QStringLiteral("plc"), QStringLiteral("PLC model id of that vendor."),
                      QStringLiteral("N"), QStringLiteral("0")});
    parser.addOption({QStringLiteral("pages"), QStringLiteral("Number of pages, 1 to 100."),
                      QStringLiteral("N"), QStringLiteral("1")});
    parser.addOption({QStringLiteral("force"), QStringLiteral("Replace an existing file.")});
    if (const int exit = Cli::parse(parser, kCommand, arguments); exit != Cli::kContinue)
        return exit;
    if (!Cli::requirePositional(parser, 1, kCommand))
        return Cli::BadArguments;
    options.path = Cli::withProjectExtension(parser.positionalArguments().at(0));
    options.model = parser.value(QStringLiteral("model"));
    options.force = parser.isSet(QStringLiteral("force"));
    const bool numbersOk =
        Cli::unsignedOption(parser, QStringLiteral("vendor"), 0, options.vendor) &&
        Cli::unsignedOption(parser, QStringLiteral("plc"), 0, options.plc) &&
        Cli::unsignedOption(parser, QStringLiteral("pages"), 1, options.pages);
    return numbersOk ? Cli::kContinue : Cli::BadArguments;
}

bool checkOptions(const NewOptions& options)
{
    if (options.pages < 1 || options.pages > quint32(CLedProject::kMaxPages)) {
        Cli::error(QStringLiteral("--pages must be from 1 to %1").arg(CLedProject::kMaxPages));
        return false;
    }
    if (QFileInfo::exists(options.path) && !options.force) {
        Cli::error(QStringLiteral("%1 exists; use --force to replace it").arg(options.path));
        return false;
    }
    return true;
}

} // namespace

int runNewCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    NewOptions options;
    if (const int exit = readOptions(parser, arguments, options); exit != Cli::kContinue)
        return exit;
    if (!checkOptions(options))
        return Cli::BadArguments;

    CLedManager& panels = CLedManager::instance();
    if (!panels.load(Cli::besideProgram(QStringLiteral("Model.ini")))) {
        Cli::error(QStringLiteral("the panel model list Model.ini beside the program is missing"));
        return Cli::BadArguments;
    }
    const int modelIndex = panels.indexOf(options.model);
    if (modelIndex < 0) {
        Cli::error(QStringLiteral("unknown panel model \"%1\"").arg(options.model));
        return Cli::BadArguments;
    }
    CPlcManager& catalog = CPlcManager::instance();
    if (!catalog.load(Cli::besideProgram(QString::fromLatin1(CPlcManager::kDefaultFile)))) {
        Cli::error(QStringLiteral("cannot load the PLC catalogue %1")
                       .arg(QString::fromLatin1(CPlcManager::kDefaultFile)));
        return Cli::BadArguments;
    }
    const CPlcModel* plc = catalog.findModel(options.vendor, options.plc);
    if (!plc) {
        Cli::error(QStringLiteral("the catalogue has no PLC model %1 of vendor %2")
                       .arg(options.plc)
                       .arg(options.vendor));
        return Cli::BadArguments;
    }

    CLedProject project(options.model, quint32(modelIndex), options.vendor, options.plc);
    project.link = plc->linkDefaults();
    for (quint32 i = 0; i < options.pages; ++i)
        project.addPage();
    project.setCurrentPage(0);
    project.filePath = QDir(options.path).absolutePath();
    if (!project.save(options.path)) {
        Cli::error(QStringLiteral("cannot write %1").arg(options.path));
        return Cli::BadArguments;
    }
    Cli::note(QStringLiteral("created %1: %2 page(s), panel %3, PLC %4 / %5, port %6")
                  .arg(options.path)
                  .arg(options.pages)
                  .arg(options.model, catalog.findVendor(options.vendor)->nameFor(1),
                       plc->nameFor(1), project.portName));
    return Cli::Success;
}
