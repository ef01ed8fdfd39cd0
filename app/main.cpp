// Segmo: the LED text-monitor panel programmer.
#include "app/LanguageSetup.h"
#include "app/MainWindow.h"
#include "app/ProcessValues.h"
#include "app/UserPrompt.h"
#include "resources/TranslationResources.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <future>

int main(int argc, char* argv[])
{
    // argv[0] may be a bare name found through PATH or a link: the program's
    // real location is where its files lie.
    setProgramDir(
        programDirFromArgument(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()));
    QDir::setCurrent(programDir());

    // Reading the system's serial ports walks its devices: it runs while Qt
    // starts and the window is built.
    std::future<QList<SystemPort>> ports = std::async(std::launch::async, systemPorts);
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    // Segmo draws with the raster engine only: loading the OpenGL driver
    // (Mesa's software renderer on a machine without a GPU) would cost the
    // start more than everything else the window does.
    QApplication::setAttribute(Qt::AA_ForceRasterWidgets);
    QApplication app(argc, argv);
    initTranslationResources();
    LanguageSetup::applyLanguage();

    // A run without a user (scripts, tests) answers every box at once.
    if (qEnvironmentVariableIsSet("SEGMO_UNATTENDED"))
        UserPrompt::setUnattended(true);
    MainWindow window(nullptr, std::move(ports));
    if (window.startupExitCode() != 0)
        return window.startupExitCode();
    QCoreApplication::setOrganizationName(QStringLiteral("Kavio"));
    QCoreApplication::setApplicationName(QStringLiteral("recent pro files"));
    QDir().mkpath(QStringLiteral("%1/%2/").arg(programDir(), QStringLiteral("Firm")));
    if (argc > 1)
        window.setStartupProject(QString::fromLocal8Bit(argv[1]));
    window.show();
    // The start-up benchmark measures up to the first idle moment.
    if (qEnvironmentVariableIsSet("SEGMO_QUIT_WHEN_IDLE"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
