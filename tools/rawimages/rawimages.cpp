// Turns image files into C++ arrays of their pixels, laid out as QImage
// lays them out in memory, so that a program shows its pictures without
// reading or decoding a file: builtInImage() wraps an array as it is.
// An opaque image of at most 256 colours becomes QImage::Format_Indexed8
// (a quarter of the memory), other opaque images QImage::Format_RGB32,
// images with transparency QImage::Format_ARGB32_Premultiplied. Run by the
// build (add_raw_images()).
// usage: rawimages <header> <source> <name>=<image file>...
//   writes <header>, declaring one `extern const RawImage <name>` per image,
//   and <source>, defining them

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Entry
{
    QString name;
    QString file;
    QImage image;
};

// The image with a colour table, where it is opaque and has at most 256
// colours: the colours in the order they first appear.
QImage indexed(const QImage &rgb)
{
    QList<QRgb> table;
    QHash<QRgb, uchar> index;
    QImage out(rgb.size(), QImage::Format_Indexed8);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        uchar *line = out.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            auto it = index.constFind(in[x]);
            if (it == index.constEnd()) {
                if (table.size() == 256)
                    return QImage();
                it = index.insert(in[x], uchar(table.size()));
                table.append(in[x]);
            }
            line[x] = *it;
        }
        // The padding to a whole 32-bit word, zero.
        std::fill(line + rgb.width(), line + out.bytesPerLine(), uchar(0));
    }
    out.setColorTable(table);
    return out;
}

QImage paintable(const QImage &image)
{
    if (image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const QImage few = indexed(rgb);
    return few.isNull() ? rgb : few;
}

const char *formatName(QImage::Format format)
{
    switch (format) {
    case QImage::Format_Indexed8: return "Format_Indexed8";
    case QImage::Format_RGB32: return "Format_RGB32";
    default: return "Format_ARGB32_Premultiplied";
    }
}

// Writes `values` as the initialiser of an array, 12 to a line.
template <typename T>
void writeValues(QTextStream &out, const std::vector<T> &values, int digits)
{
    for (std::size_t i = 0; i < values.size(); ++i)
        out << (i % 12 ? " " : "\n") << "0x" << qSetFieldWidth(digits) << qSetPadChar(u'0')
            << Qt::hex << values[i] << qSetFieldWidth(0) << Qt::dec << ',';
    out << "\n};\n";
}

void writeImage(QTextStream &cs, const Entry &e)
{
    const QImage &img = e.image;
    const QString pixels = e.name + QStringLiteral("Pixels");
    const QString colours = e.name + QStringLiteral("Colours");
    cs << "\nnamespace {\n";
    if (img.format() == QImage::Format_Indexed8) {
        // Scan lines padded to whole 32-bit words, as QImage has them.
        std::vector<uchar> bytes;
        for (int y = 0; y < img.height(); ++y)
            bytes.insert(bytes.end(), img.constScanLine(y), img.constScanLine(y) + img.bytesPerLine());
        cs << "alignas(16) const uchar " << pixels << "[] = {";
        writeValues(cs, bytes, 2);
        const QList<QRgb> table = img.colorTable();
        cs << "const QRgb " << colours << "[] = {";
        writeValues(cs, std::vector<QRgb>(table.begin(), table.end()), 8);
    } else {
        // Whole words for each pixel, in the byte order of the program's
        // machine.
        std::vector<quint32> words;
        for (int y = 0; y < img.height(); ++y) {
            const auto *line = reinterpret_cast<const quint32 *>(img.constScanLine(y));
            words.insert(words.end(), line, line + img.width());
        }
        cs << "alignas(16) const quint32 " << pixels << "[] = {";
        writeValues(cs, words, 8);
    }
    cs << "} // namespace\n"
       << "const RawImage " << e.name << " = {" << img.width() << ", " << img.height()
       << ", QImage::" << formatName(img.format()) << ", " << pixels;
    if (img.format() == QImage::Format_Indexed8)
        cs << ", " << colours << ", " << img.colorCount();
    cs << "};\n";
}

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
        e.image = paintable(e.image);
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
        hs << "// " << QFileInfo(e.file).fileName() << '\n'
           << "extern const RawImage " << e.name << ";\n";
        writeImage(cs, e);
    }
    hs.flush();
    cs.flush();
    return write(header, h) && write(QString::fromLocal8Bit(argv[2]), cpp) ? 0 : 1;
}
