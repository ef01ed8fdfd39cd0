// A host program for the installer download tests: loads ZtVersion.dll,
// starts a check, presses Start in the update dialog and reports what
// happens on stdout. The library ends this program when it starts an
// installer; otherwise the host ends itself and says why.
#include "ZtVersionLibrary.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <cstdio>

namespace {

void say(const QString& line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

// Watches the dialogs: presses Start once, reports the progress and the
// status text, answers message boxes, and ends the host when a download has
// ended without ending it.
class Driver : public QObject
{
public:
    Driver()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
        m_timer.start(10);
    }

private:
    void poll()
    {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            say(QStringLiteral("MESSAGE ") + box->text());
            box->accept();
            return;
        }
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == QLatin1String("CDlgUpdate") && widget->isVisible())
                drive(widget);
        }
    }

    void drive(QWidget* dialog)
    {
        auto* start = dialog->findChild<QPushButton*>(QStringLiteral("id3004"));
        auto* progress = dialog->findChild<QProgressBar*>(QStringLiteral("id3003"));
        auto* status = dialog->findChild<QLabel*>(QStringLiteral("id3008"));
        if (!m_pressed) {
            m_pressed = true;
            say(QStringLiteral("START"));
            start->click();
            return;
        }
        if (progress->value() != m_progress) {
            m_progress = progress->value();
            say(QStringLiteral("PROGRESS %1").arg(m_progress));
        }
        if (status->text() != m_status) {
            m_status = status->text();
            say(QStringLiteral("STATUS ") + m_status);
        }
        // A download that ran (the status text moved) and left Start enabled for
        // half a second did not end the host.
        if (!start->isEnabled() || m_status == QLatin1String(" -"))
            m_idlePolls = 0;
        else if (++m_idlePolls > 50) {
            say(QStringLiteral("START ENABLED"));
            QCoreApplication::exit(7);
        }
    }

    QTimer m_timer;
    bool m_pressed = false;
    int m_idlePolls = 0;
    int m_progress = -1;
    QString m_status;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ZtVersionLibrary library;
    if (argc < 2 || !library.load(QString::fromLocal8Bit(argv[1]))) {
        say(QStringLiteral("CANNOT LOAD"));
        return 2;
    }
    library.updateAuto(1);
    library.updateInit(0, 1);
    Driver driver;
    QTimer::singleShot(20000, [] {
        say(QStringLiteral("TIMED OUT"));
        QCoreApplication::exit(3);
    });
    const int code = app.exec();
    say(QStringLiteral("HOST ENDED %1").arg(code));
    // The library's threads end on their own right after the event loop; give
    // them that moment, so that the leak checker sees them finished.
    QThread::msleep(500);
    return code;
}
