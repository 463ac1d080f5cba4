// Turns image files into C++ arrays of their pixels, in the format the
// programs paint them in, so that a program shows its pictures without
// reading or decoding a file: builtInImage() wraps an array as it is.
// Opaque images become QImage::Format_RGB32, images with transparency
// QImage::Format_ARGB32_Premultiplied. Run by the build (add_raw_images()).
// usage: rawimages <header> <source> <name>=<image file>...
//   writes <header>, declaring one `extern const RawImage <name>` per image,
//   and <source>, defining them

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTextStream>

#include <cstdio>
#include <vector>

namespace {

struct Entry
{
    QString name;
    QString file;
    QImage image;
};

bool write(const QString &path, const QString &text)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0 && file.flush())
        return true;
    std::fprintf(stderr, "rawimages: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: rawimages <header> <source> <name>=<image file>...\n");
        return 2;
    }
    std::vector<Entry> entries;
    for (int i = 3; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        const qsizetype eq = arg.indexOf(QLatin1Char('='));
        Entry e{arg.left(eq), arg.mid(eq + 1), QImage()};
        if (eq <= 0 || !e.image.load(e.file)) {
            std::fprintf(stderr, "rawimages: cannot read %s\n", qPrintable(arg));
            return 1;
        }
        e.image = e.image.convertToFormat(e.image.hasAlphaChannel()
                                              ? QImage::Format_ARGB32_Premultiplied
                                              : QImage::Format_RGB32);
        entries.push_back(e);
    }

    const QString header = QString::fromLocal8Bit(argv[1]);
    QString h, cpp;
    QTextStream hs(&h), cs(&cpp);
    hs << "// Made by rawimages at build time; not to be edited.\n"
          "#pragma once\n\n#include \"builtinimages.h\"\n\n";
    cs << "// Made by rawimages at build time; not to be edited.\n"
          "#include \"" << QFileInfo(header).fileName() << "\"\n";
    for (const Entry &e : entries) {
        const QImage &img = e.image;
        hs << "// " << QFileInfo(e.file).fileName() << '\n'
           << "extern const RawImage " << e.name << ";\n";
        cs << "\nnamespace {\nalignas(16) const quint32 " << e.name << "Pixels[] = {";
        // Scan lines are whole 32-bit words in both formats: the array is
        // the image's memory as QImage lays it out.
        int n = 0;
        for (int y = 0; y < img.height(); ++y) {
            const auto *line = reinterpret_cast<const quint32 *>(img.constScanLine(y));
            for (int x = 0; x < img.width(); ++x, ++n)
                cs << (n % 12 ? " " : "\n") << "0x" << qSetFieldWidth(8) << qSetPadChar(u'0')
                   << Qt::hex << line[x] << qSetFieldWidth(0) << Qt::dec << ',';
        }
        cs << "\n};\n} // namespace\n"
           << "const RawImage " << e.name << " = {" << img.width() << ", " << img.height()
           << ", QImage::"
           << (img.format() == QImage::Format_RGB32 ? "Format_RGB32"
                                                    : "Format_ARGB32_Premultiplied")
           << ", " << e.name << "Pixels};\n";
    }
    hs.flush();
    cs.flush();
    return write(header, h) && write(QString::fromLocal8Bit(argv[2]), cpp) ? 0 : 1;
}
