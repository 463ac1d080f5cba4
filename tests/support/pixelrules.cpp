#include "pixelrules.h"

#include <QSet>
#include <QStringList>

#include <cmath>

using Kind = PixelRule::Kind;

namespace {

PixelRule rule(Kind kind, const QRect &area, std::vector<QRgb> colours = {}, int count = 0)
{
    PixelRule r;
    r.kind = kind;
    r.area = area;
    r.colours = std::move(colours);
    r.count = count;
    return r;
}

} // namespace

PixelRule fill(const QRect &area, QRgb colour) { return rule(Kind::Fill, area, {colour}); }
PixelRule runs(const QRect &area, QRgb colour, const char *runs)
{
    PixelRule r = rule(Kind::Runs, area, {colour});
    r.text = QString::fromLatin1(runs);
    return r;
}
PixelRule ramp(const QRect &area, QRgb left, QRgb right, int tolerance)
{
    return rule(Kind::Ramp, area, {left, right}, tolerance);
}
PixelRule same(const QRect &area, const QPoint &shift)
{
    PixelRule r = rule(Kind::Same, area);
    r.shift = shift;
    return r;
}
PixelRule palette(const QRect &area, std::vector<QRgb> palette)
{
    return rule(Kind::Palette, area, std::move(palette));
}
PixelRule varied(const QRect &area, int count) { return rule(Kind::Varied, area, {}, count); }
PixelRule atLeast(const QRect &area, QRgb colour, int count)
{
    return rule(Kind::AtLeast, area, {colour}, count);
}
PixelRule besides(const QRect &area, QRgb colour, int count)
{
    return rule(Kind::Besides, area, {colour}, count);
}
PixelRule gray(const QRect &area, int low, int high)
{
    PixelRule r = rule(Kind::Gray, area);
    r.low = low;
    r.high = high;
    return r;
}
PixelRule art(const QPoint &topLeft, const char *rows)
{
    PixelRule r = rule(Kind::Art, {});
    r.text = QString::fromLatin1(rows).simplified();
    const QStringList lines = r.text.split(QLatin1Char(' '));
    r.area = QRect(topLeft, QSize(int(lines.first().size()), int(lines.size())));
    return r;
}

namespace {

QString colourText(QRgb c)
{
    if (qAlpha(c) == 0)
        return QStringLiteral("transparent");
    return QStringLiteral("(%1, %2, %3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}

QString at(const QImage &image, int x, int y)
{
    return QStringLiteral("(%1, %2) is %3").arg(x).arg(y).arg(colourText(image.pixel(x, y)));
}

QRgb artColour(QChar letter)
{
    using namespace colours;
    switch (letter.unicode()) {
    case 'K': return Black;
    case 'W': return White;
    case 'C': return Cyan;
    case 'S': return Silver;
    case 'G': return Grey;
    case 'D': return DarkGrey;
    case 'F': return Face;
    }
    return 0; // transparent
}

// Pixels of an art rule that differ; the first one named.
QString brokenArt(const QImage &image, const PixelRule &rule)
{
    const QStringList rows = rule.text.split(QLatin1Char(' '));
    for (int y = 0; y < rows.size(); ++y)
        for (int x = 0; x < rows[y].size(); ++x) {
            const QPoint p = rule.area.topLeft() + QPoint(x, y);
            const QRgb want = artColour(rows[y][x]);
            const QRgb got = image.pixel(p);
            if (qAlpha(want) == 0 ? qAlpha(got) != 0 : got != want)
                return at(image, p.x(), p.y()) + QStringLiteral(", not ") + colourText(want);
        }
    return {};
}

QString brokenRuns(const QImage &image, const PixelRule &rule)
{
    const bool row = rule.area.height() == 1;
    const int length = row ? rule.area.width() : rule.area.height();
    QStringList found;
    int first = -1;
    for (int i = 0; i <= length; ++i) {
        const QPoint p = rule.area.topLeft() + (row ? QPoint(i, 0) : QPoint(0, i));
        const bool on = i < length && image.pixel(p) == rule.colours[0];
        const int coordinate = row ? p.x() : p.y();
        if (on && first < 0)
            first = coordinate;
        if (!on && first >= 0) {
            found << QStringLiteral("%1-%2").arg(first).arg(coordinate - 1);
            first = -1;
        }
    }
    const QString runs = found.join(QLatin1Char(' '));
    return runs == rule.text ? QString() : QStringLiteral("runs %1, not %2").arg(runs, rule.text);
}

int channel(QRgb c, int i) { return i == 0 ? qRed(c) : i == 1 ? qGreen(c) : qBlue(c); }

QString brokenRamp(const QImage &image, const PixelRule &rule)
{
    const QRect &a = rule.area;
    const QRgb left = rule.colours[0], right = rule.colours[1];
    if (image.pixel(a.topLeft()) != left || image.pixel(a.topRight()) != right)
        return QStringLiteral("ends %1 and %2").arg(colourText(image.pixel(a.topLeft())),
                                                    colourText(image.pixel(a.topRight())));
    for (int x = a.left(); x <= a.right(); ++x) {
        const QRgb c = image.pixel(x, a.top());
        for (int y = a.top(); y <= a.bottom(); ++y)
            if (image.pixel(x, y) != c)
                return at(image, x, y) + QStringLiteral(": not one colour in the column");
        for (int i = 0; i < 3; ++i) {
            const int step = channel(c, i) - channel(image.pixel(std::max(x - 1, a.left()), a.top()), i);
            const int direction = channel(right, i) - channel(left, i);
            const double ideal = channel(left, i)
                + direction * double(x - a.left()) / std::max(1, a.width() - 1);
            if (step * direction < 0 || std::abs(channel(c, i) - ideal) > rule.count)
                return at(image, x, a.top()) + QStringLiteral(": off the ramp");
        }
    }
    return {};
}

// The rules that look at each pixel of the area on its own.
QString brokenPixels(const QImage &image, const PixelRule &rule)
{
    QSet<QRgb> used;
    int matching = 0, other = 0;
    const QRect &a = rule.area;
    for (int y = a.top(); y <= a.bottom(); ++y)
        for (int x = a.left(); x <= a.right(); ++x) {
            const QRgb c = image.pixel(x, y);
            used.insert(c);
            const bool is = !rule.colours.empty() && c == rule.colours[0];
            matching += is;
            other += !is;
            if (rule.kind == Kind::Fill && !is)
                return at(image, x, y) + QStringLiteral(", not ") + colourText(rule.colours[0]);
            if (rule.kind == Kind::Gray && (qGray(c) < rule.low || qGray(c) > rule.high))
                return at(image, x, y) + QStringLiteral(": grey level %1").arg(qGray(c));
            if (rule.kind == Kind::Same && c != image.pixel(QPoint(x, y) + rule.shift))
                return at(image, x, y) + QStringLiteral(", its copy ")
                    + at(image, x + rule.shift.x(), y + rule.shift.y());
        }
    const int count = rule.kind == Kind::Varied    ? int(used.size())
                      : rule.kind == Kind::AtLeast ? matching
                                                   : other;
    if ((rule.kind == Kind::Varied || rule.kind == Kind::AtLeast || rule.kind == Kind::Besides)
        && count < rule.count)
        return QStringLiteral("%1 found, at least %2 expected").arg(count).arg(rule.count);
    if (rule.kind == Kind::Palette
        && used != QSet<QRgb>(rule.colours.begin(), rule.colours.end())) {
        QStringList names;
        for (const QRgb c : used)
            names << colourText(c);
        return QStringLiteral("colours used: ") + names.join(QLatin1Char(' '));
    }
    return {};
}

} // namespace

QString broken(const QImage &image, const PixelRule &rule)
{
    if (!image.rect().contains(rule.area) || !image.rect().contains(rule.area.translated(rule.shift)))
        return QStringLiteral("the area lies outside the picture");
    switch (rule.kind) {
    case Kind::Art: return brokenArt(image, rule);
    case Kind::Runs: return brokenRuns(image, rule);
    case Kind::Ramp: return brokenRamp(image, rule);
    default: return brokenPixels(image, rule);
    }
}
