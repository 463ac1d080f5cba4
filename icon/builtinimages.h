#pragma once

#include <QFile>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QString>

// A picture built into the program as a resource, read as the format it is
// in. Read without a fixed format, Qt first loads every image format plugin
// it has and asks each whether it reads the file, although the handlers
// built into Qt read BMP and PNG themselves; that would cost the start of
// the program a few milliseconds and the libraries' memory.
// A missing picture gives a null pixmap.
inline QPixmap builtInPixmap(const QString &path, const char *format)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QPixmap();
    QImageReader reader(&file, format);
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

// The program icon for the window: the sizes a window's frame, the task
// bar and the task switcher draw, from the resources that
// add_program_icon() builds into the program. The larger sizes are left to
// the installed icon theme: every size given here goes to the window system
// with the window, and all six (358 KB) would hold up its first showing by
// about 10 ms on an X server.
inline QIcon programWindowIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addPixmap(builtInPixmap(QStringLiteral(":/icon/program-%1.png").arg(size), "png"));
    return icon;
}
