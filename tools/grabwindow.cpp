// grabwindow: saves what an X window shows as a PNG file, for
// tools/screenshot.sh. Run it on the xcb platform:
//   grabwindow <window id> <file.png>
// Exit status 0 on success, 1 on failure, 2 on a wrong call.

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QString>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    bool isNumber = false;
    const WId window = argc == 3 ? QString::fromLocal8Bit(argv[1]).toULongLong(&isNumber, 0) : 0;
    if (!isNumber) {
        std::fprintf(stderr, "usage: grabwindow <window id> <file.png>\n");
        return 2;
    }
    QScreen *screen = QGuiApplication::primaryScreen();
    const QPixmap shot = screen ? screen->grabWindow(window) : QPixmap();
    if (shot.isNull() || !shot.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "grabwindow: could not save window %s to %s\n", argv[1], argv[2]);
        return 1;
    }
    return 0;
}
