#include "output.h"

#include <QBuffer>
#include <QImageWriter>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QList>

#include <cstdio>
#include <cstring>
#include <exception>

namespace picturekit {

QByteArray encodedImage(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, format).write(image);
    return bytes;
}

QByteArray bmpFile(const QImage &image)
{
    // Qt's BMP writer stores RGB32 as plain 24-bit rows, bottom-up, with a
    // BITMAPINFOHEADER and no palette. Fix the resolution so that the header
    // does not depend on the screen the generator runs on.
    QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int dotsPerMeter = 3780; // 96 dpi
    rgb.setDotsPerMeterX(dotsPerMeter);
    rgb.setDotsPerMeterY(dotsPerMeter);
    return encodedImage(rgb, "bmp");
}

int writeOrCheck(const char *tool, int argc, char *argv[], QList<OutputFile> (*generate)())
{
    // Text is drawn off screen; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const bool check = argc == 3 && std::strcmp(argv[1], "--check") == 0;
    if (argc != 2 && !check) {
        std::fprintf(stderr, "usage: %s [--check] <folder>\n", tool);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[argc - 1]));

    QList<OutputFile> files;
    try {
        files = generate();
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s: %s\n", tool, e.what());
        return 1;
    }

    int failures = 0;
    for (const OutputFile &f : files) {
        QFile file(folder.filePath(f.name));
        if (check) {
            if (!file.open(QIODevice::ReadOnly) || file.readAll() != f.bytes) {
                std::fprintf(stderr, "%s: %s differs from what the generator draws\n", tool,
                             qPrintable(file.fileName()));
                ++failures;
            }
        } else if (!QDir().mkpath(QFileInfo(file).absolutePath())
                   || !file.open(QIODevice::WriteOnly) || file.write(f.bytes) != f.bytes.size()) {
            std::fprintf(stderr, "%s: cannot write %s\n", tool, qPrintable(file.fileName()));
            ++failures;
        }
    }
    return failures ? 1 : 0;
}

} // namespace picturekit
