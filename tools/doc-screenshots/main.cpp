// doc-screenshots: the README's pictures, taken the way a newcomer meets
// Segmo: the demo project open, one page selected, a download to the panel
// emulator through the progress dialog, then the Chinese interface. Run it
// on an X server (scripts/take-screenshots.sh starts an Xvfb for it).
#include "app/LanguageSetup.h"
#include "app/MainWindow.h"
#include "app/ProcessValues.h"
#include "app/SettingsFiles.h"
#include "app/UserPrompt.h"
#include "resources/TranslationResources.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QWindow>
#include <cstdio>

namespace {

bool waitFor(const std::function<bool()>& done, int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

// Lets the window paint and the queued work run for a while.
void settle(int ms)
{
    waitFor([] { return false; }, ms);
}

bool save(QWidget& widget, const QString& path)
{
    const QPixmap shot = widget.screen()->grabWindow(widget.winId());
    if (shot.isNull() || !shot.save(path))
        return false;
    std::printf("%s (%d x %d)\n", qPrintable(path), shot.width(), shot.height());
    return true;
}

// A program directory of its own, so that the settings files of the build stay untouched.
void prepareProgramDir(const QString& bin, const QTemporaryDir& dir)
{
    for (const char* file : {"Model.ini", "ZtFactory.dll", "ZtSerial.dll", "ZtVersion.dll"})
        QFile::copy(bin + QLatin1Char('/') + QLatin1String(file),
                    dir.filePath(QLatin1String(file)));
    setProgramDir(dir.path());
    QDir::setCurrent(dir.path());
    qputenv("ZTSERIAL_PORT_DIR", dir.filePath(QStringLiteral("ports")).toUtf8());
    qputenv("ZTVERSION_SERVER", "http://127.0.0.1:9"); // no update check leaves the machine
}

bool startEmulator(QProcess& emulator, const QString& bin, const QTemporaryDir& dir)
{
    emulator.start(bin + QStringLiteral("/panel-emulator"),
                   {QStringLiteral("--port-dir"), dir.filePath(QStringLiteral("ports")),
                    QStringLiteral("--com"), QStringLiteral("1"), QStringLiteral("--image"),
                    dir.filePath(QStringLiteral("panel.bin"))});
    return emulator.waitForReadyRead(10000) && emulator.readLine().startsWith("ready ");
}

void useLanguage(const char* country)
{
    saveLanguageSetting(QLatin1String(country));
    LanguageSetup::applyLanguage();
    settle(300);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: doc-screenshots DEMO_PROJECT OUTPUT_DIR\n");
        return 1;
    }
    const QString demo = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const QDir out(QString::fromLocal8Bit(argv[2]));
    const QString bin = QCoreApplication::applicationDirPath();
    QTemporaryDir dir;
    prepareProgramDir(bin, dir);
    QProcess emulator;
    if (!startEmulator(emulator, bin, dir)) {
        std::fprintf(stderr, "the panel emulator did not start\n");
        return 2;
    }
    initTranslationResources();
    useLanguage("english");
    UserPrompt::setUnattended(true);

    MainWindow window;
    window.show();
    if (!window.openProject(demo, false))
        return 3;
    window.findChild<QTableWidget*>(QStringLiteral("tableWidget"))->setCurrentCell(1, 1);
    settle(800);
    bool ok = save(window, out.filePath(QStringLiteral("main-window.png")));

    UserPrompt::queueDialogAction([&](QDialog& dialog) {
        dialog.show();
        settle(300);
        auto* download = dialog.findChild<QPushButton*>(QStringLiteral("mBtnDown"));
        download->click();
        ok = waitFor([download] { return download->isEnabled(); }, 60000) && ok;
        settle(300);
        ok = save(dialog, out.filePath(QStringLiteral("download-progress.png"))) && ok;
        return int(QDialog::Accepted);
    });
    window.findChild<QAction*>(QStringLiteral("action_compile_build"))->trigger();

    useLanguage("chinese");
    ok = save(window, out.filePath(QStringLiteral("main-window-zh.png"))) && ok;
    emulator.terminate();
    emulator.waitForFinished(5000);
    return ok ? 0 : 4;
}
