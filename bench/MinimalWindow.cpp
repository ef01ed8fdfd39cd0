// The reference for the start-up benchmark: a Qt Widgets program that shows
// one empty main window and ends as soon as its event loop is idle. With
// --raster-only it opts out of the OpenGL integration as Segmo does.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <cstring>

int main(int argc, char* argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--raster-only") == 0)
        QApplication::setAttribute(Qt::AA_ForceRasterWidgets);
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(849, 747);
    window.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
