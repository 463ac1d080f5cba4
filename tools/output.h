// Writing the generated files, or checking that the files on disk are
// exactly what the generator draws now.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace picturekit {

struct OutputFile
{
    QString name;
    QByteArray bytes;
};

// An image encoded as a file of the given format ("bmp", "png").
QByteArray encodedImage(const QImage &image, const char *format);

// A plain uncompressed 24-bit bottom-up BMP file at 96 dpi, as the three
// pictures are stored.
QByteArray bmpFile(const QImage &image);

// Command line: <tool> <folder> writes the files into folder (a name may
// hold a subfolder, made where missing);
// <tool> --check <folder> compares them with the files there and reports
// each one that differs. Returns the process exit code.
int writeOrCheck(const char *tool, int argc, char *argv[],
                 QList<OutputFile> (*generate)());

} // namespace picturekit
