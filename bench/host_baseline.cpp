// The baseline: the least a Qt Widgets program does to show a window, an
// empty QWidget of a given client size, ended at its first frame. With a
// text, the window shows it in one QLabel: the least a window with text
// costs, for its fonts.
// usage: bench-host-baseline <width> <height> [text]

#include "firstframe.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    QWidget window;
    window.resize(args.value(1).toInt(), args.value(2).toInt());
    if (args.size() > 3)
        new QLabel(args.at(3), &window);
#ifdef Q_OS_WASM
    // In a web page Qt would show it full screen, the page's size; kalumet's
    // page shows its window at its own size (web/page.cpp), and so does this.
    window.showNormal();
#else
    window.show();
#endif
    return reportFirstFrame(&window);
}
