// Time from process start to Segmo's main window shown and idle with the
// demo project open, against a minimal Qt Widgets program that shows one
// empty main window the same way. Both run headless (offscreen platform) in
// a copy of the program directory; the median of several runs counts.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int kRuns = 9;

double medianMs(const QString& program, const QStringList& arguments, const QString& workDir)
{
    QVector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("SEGMO_QUIT_WHEN_IDLE"), QStringLiteral("1"));
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(workDir);
        QElapsedTimer timer;
        timer.start();
        process.start(program, arguments);
        if (!process.waitForFinished(30000) || process.exitCode() != 0) {
            std::fprintf(stderr, "%s did not end cleanly\n", qPrintable(program));
            return -1;
        }
        times.append(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times.at(kRuns / 2);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QString bin = QCoreApplication::applicationDirPath();
    QTemporaryDir programDir;
    for (const char* file : {"Segmo", "Model.ini", "ZtFactory.dll", "ZtSerial.dll"})
        QFile::copy(bin + QLatin1Char('/') + QLatin1String(file),
                    programDir.filePath(QLatin1String(file)));
    const QString demo = bin + QStringLiteral("/../../examples/demo.kavio");

    const double minimal = medianMs(bin + QStringLiteral("/minimal-window"), {}, programDir.path());
    const double segmo =
        medianMs(programDir.filePath(QStringLiteral("Segmo")), {demo}, programDir.path());
    if (minimal < 0 || segmo < 0)
        return 1;
    std::printf("minimal Qt main window: %.1f ms (median of %d)\n", minimal, kRuns);
    std::printf("Segmo with the demo project: %.1f ms (median of %d)\n", segmo, kRuns);
    std::printf("ratio %.2f (target at most 1.5)\n", segmo / minimal);
    return segmo / minimal <= 1.5 ? 0 : 2;
}
