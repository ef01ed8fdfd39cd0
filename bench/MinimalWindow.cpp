// The reference for the start-up benchmark: a Qt Widgets program that shows
// one empty main window and ends as soon as its event loop is idle.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(849, 747);
    window.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
