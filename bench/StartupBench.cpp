// Time from process start to Segmo's main window shown and idle with the
// demo project open, against a minimal Qt Widgets program that shows one
// empty main window the same way. Both run in a copy of the program
// directory on a real X server when there is one (an Xvfb the bench starts
// itself, or $DISPLAY), which is what a user's start costs; the offscreen
// platform is measured as well. The median of several alternating runs
// counts.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int kRuns = 15;

// One start of a program until it ends by itself; -1 when it fails.
double startMs(const QString& program, const QStringList& arguments, const QString& workDir,
               const QString& display)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (display.isEmpty()) {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    } else {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("DISPLAY"), display);
    }
    environment.insert(QStringLiteral("SEGMO_QUIT_WHEN_IDLE"), QStringLiteral("1"));
    // No box may wait for a user; the update check is refused at once
    // by a closed local port instead of waiting for a name server.
    environment.insert(QStringLiteral("SEGMO_UNATTENDED"), QStringLiteral("1"));
    environment.insert(QStringLiteral("ZTVERSION_SERVER"), QStringLiteral("http://127.0.0.1:9"));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(workDir);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        std::fprintf(stderr, "%s did not end cleanly\n", qPrintable(program));
        return -1;
    }
    return double(timer.nsecsElapsed()) / 1e6;
}

double median(QVector<double> times)
{
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

struct Result
{
    double minimal;
    double segmo;
};

// Both programs on one platform: "" for offscreen, else an X display.
bool measure(const QString& bin, const QString& programDir, const QString& display, Result& out)
{
    const QString demo = bin + QStringLiteral("/../../examples/demo.kavio");
    const QString minimal = bin + QStringLiteral("/minimal-window");
    const QString segmo = programDir + QStringLiteral("/Segmo");
    // Segmo opts out of the OpenGL integration (it draws with the raster
    // engine only); the minimal program doing the same shows what is left.
    const QStringList rasterOnly{QStringLiteral("--raster-only")};
    // The programs alternate, so that a machine busy for a while burdens
    // all alike; one unmeasured start of each first fills the file cache.
    QVector<double> minimalTimes;
    QVector<double> rasterTimes;
    QVector<double> segmoTimes;
    for (int run = -1; run < kRuns; ++run) {
        const double m = startMs(minimal, {}, programDir, display);
        const double r = startMs(minimal, rasterOnly, programDir, display);
        const double s = startMs(segmo, {demo}, programDir, display);
        if (m < 0 || r < 0 || s < 0)
            return false;
        if (run >= 0) {
            minimalTimes.append(m);
            rasterTimes.append(r);
            segmoTimes.append(s);
        }
    }
    out.minimal = median(minimalTimes);
    out.segmo = median(segmoTimes);
    const double raster = median(rasterTimes);
    const QString name = display.isEmpty() ? QStringLiteral("offscreen")
                                           : QStringLiteral("X server %1").arg(display);
    std::printf("%s: minimal Qt main window %.1f ms, Segmo with the demo %.1f ms (medians of %d), "
                "ratio %.2f\n",
                qPrintable(name), out.minimal, out.segmo, kRuns, out.segmo / out.minimal);
    std::printf("%s: minimal window without OpenGL too %.1f ms, ratio %.2f (for information)\n",
                qPrintable(name), raster, out.segmo / raster);
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QString bin = QCoreApplication::applicationDirPath();
    QTemporaryDir programDir;
    for (const char* file :
         {"Segmo", "Model.ini", "ZtFactory.dll", "ZtSerial.dll", "ZtVersion.dll"})
        QFile::copy(bin + QLatin1Char('/') + QLatin1String(file),
                    programDir.filePath(QLatin1String(file)));

    // A private X server when Xvfb is installed, else the caller's display.
    QProcess xvfb;
    QString display = qEnvironmentVariable("DISPLAY");
    if (!QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()) {
        display = QStringLiteral(":%1").arg(90 + QCoreApplication::applicationPid() % 9);
        xvfb.start(QStringLiteral("Xvfb"), {display, QStringLiteral("-screen"), QStringLiteral("0"),
                                            QStringLiteral("1280x1024x24")});
        QThread::msleep(500);
    }
    Result offscreen{};
    if (!measure(bin, programDir.path(), QString(), offscreen))
        return 1;
    Result onX = offscreen;
    if (!display.isEmpty() && !measure(bin, programDir.path(), display, onX))
        return 1;
    xvfb.terminate();
    xvfb.waitForFinished(3000);
    // What a user waits for is the start on a real display.
    const double ratio = onX.segmo / onX.minimal;
    std::printf("ratio that counts (%s): %.2f (target at most 1.5)\n",
                display.isEmpty() ? "offscreen" : "X server", ratio);
    return ratio <= 1.5 ? 0 : 2;
}
