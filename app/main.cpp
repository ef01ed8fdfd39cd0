// Segmo: the LED text-monitor panel programmer.
#include "app/LanguageSetup.h"
#include "app/MainWindow.h"
#include "app/ProcessValues.h"
#include "resources/TranslationResources.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <QTranslator>

int main(int argc, char* argv[])
{
    // argv[0] may be a bare name found through PATH or a link: the program's
    // real location is where its files lie.
    setProgramDir(
        programDirFromArgument(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()));
    QDir::setCurrent(programDir());

    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication app(argc, argv);
    initTranslationResources();
    QTranslator program;
    QTranslator framework;
    LanguageSetup::applyLanguage(program, framework);

    MainWindow window;
    QCoreApplication::setOrganizationName(QStringLiteral("Kavio"));
    QCoreApplication::setApplicationName(QStringLiteral("recent pro files"));
    QDir().mkpath(QStringLiteral("%1/%2/").arg(programDir(), QStringLiteral("Firm")));
    const char* languageAction =
        languageIndex() == ProcessValues::Chinese ? "action_chinese" : "action_english";
    if (QAction* action = window.findChild<QAction*>(QLatin1String(languageAction))) {
        action->setCheckable(true);
        action->setChecked(true);
    }
    if (argc > 1)
        window.setStartupProject(QString::fromLocal8Bit(argv[1]));
    window.show();
    // The start-up benchmark measures up to the first idle moment.
    if (qEnvironmentVariableIsSet("SEGMO_QUIT_WHEN_IDLE"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
