// The baseline: the least a Qt Widgets program does to show a window, an
// empty QWidget of a given client size, ended at its first frame.
// usage: bench-host-baseline <width> <height>

#include "firstframe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    QWidget window;
    window.resize(args.value(1).toInt(), args.value(2).toInt());
    window.show();
    return reportFirstFrame(&window);
}
