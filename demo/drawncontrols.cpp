#include "drawncontrols.h"

#include "builtinimages.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QTextLayout>
#include <QWidget>

#include <algorithm>

DrawnControl::DrawnControl(Kind kind, const QString &name, int index, const QRect &twips,
                           QWidget *surface)
    : QObject(surface), m_surface(surface), m_kind(kind), m_name(name), m_index(index),
      m_twips(twips)
{
    setObjectName(fullName());
}

QString DrawnControl::fullName() const
{
    return m_index < 0 ? m_name : m_name + u'(' + QString::number(m_index) + u')';
}

void DrawnControl::setVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    repaint();
    if (isDecoration())
        return;
    QAccessible::State changed;
    changed.invisible = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void DrawnControl::repaint()
{
    if (m_surface)
        m_surface->update(pixels().adjusted(-1, -1, 1, 1));
}

void DrawnControl::nameChanged()
{
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

Label::Label(const QString &name, int index, const QRect &twips, QWidget *surface)
    : DrawnControl(Kind::Label, name, index, twips, surface)
{
}

void Label::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    repaint();
    nameChanged();
}

void Label::setForeColor(const Colour &colour)
{
    if (colour == m_fore)
        return;
    const bool wasLit = isLit();
    m_fore = colour;
    repaint();
    if (isLit() != wasLit) {
        QAccessible::State changed;
        changed.selected = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
}

namespace {

// Screen pixels by which bold text is drawn a second time, to the right of
// itself, so that it stays bold in a window scaled for a projector. The
// Tahoma Bold file is bold only in its bitmaps of the window's own size.
// Scaled up, its outlines are set as wide as bold but drawn as thin as
// Tahoma's. Drawn a second time, as many screen pixels to the right as the
// scale's whole part (never more than a stroke is wide, so the two copies
// don't stand apart), they thicken as the bitmaps do.
int boldOverstrike()
{
    static const int pixels = [] {
        const qreal scale = qGuiApp->devicePixelRatio();
        return scale != 1.0 && !classicFamily(FontRole::Bold).isEmpty()
                   ? std::max(1, int(scale)) : 0;
    }();
    return pixels;
}

struct CaptionRow
{
    QString text;
    int width;
};

// Broken between words only, never inside a word or number, as many words
// on a row as fit; a word wider than the label has a row of its own. Each
// row is measured once.
QList<CaptionRow> breakCaption(const QString &caption, const QFontMetrics &metrics, int width)
{
    // Most captions are one row that fits.
    const int whole = metrics.horizontalAdvance(caption);
    if (whole <= width || !caption.contains(QLatin1Char(' ')))
        return {{caption, whole}};
    QList<CaptionRow> rows;
    for (const QString &word : caption.split(QLatin1Char(' '))) {
        if (!rows.isEmpty()) {
            const QString longer = rows.last().text + QLatin1Char(' ') + word;
            const int longerWidth = metrics.horizontalAdvance(longer);
            if (longerWidth <= width) {
                rows.last() = {longer, longerWidth};
                continue;
            }
        }
        rows.append({word, metrics.horizontalAdvance(word)});
    }
    return rows;
}

// A caption that QPainter::drawText() lays out as one line with nothing
// replaced or expanded in it: no line breaks, tabs, length variants or
// spaces at its ends.
bool isPlainRow(const QString &caption)
{
    if (caption.isEmpty() || caption.front().isSpace() || caption.back().isSpace())
        return false;
    return std::none_of(caption.begin(), caption.end(), [](QChar c) {
        return c == u'\n' || c == u'\r' || c == u'\t' || c == QChar(0x9c)
               || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
    });
}

// One row laid out once, as QPainter::drawText() lays out a rectangle's
// text with Qt::TextDontClip: it is both measured and drawn from this one
// layout, where measuring and then drawing would lay it out twice.
class RowLayout
{
public:
    RowLayout(const QString &text, const QPainter &painter) : m_layout(text, painter.font())
    {
        QTextOption option;
        option.setTextDirection(painter.layoutDirection());
        option.setAlignment(Qt::AlignLeft);
        m_layout.setTextOption(option);
        m_layout.setCacheEnabled(true);
        m_layout.beginLayout();
        m_line = m_layout.createLine();
        m_line.setLineWidth(0x01000000);
        m_line.setPosition(QPointF(0, 0));
        m_layout.endLayout();
    }

    int width() const { return qRound(m_line.horizontalAdvance()); }

    // Drawn in `row` from its top, on the left or centred.
    void draw(QPainter &painter, const QRectF &row, Qt::Alignment h) const
    {
        const qreal x = h & Qt::AlignHCenter ? (row.width() - m_line.horizontalAdvance()) / 2 : 0;
        m_line.draw(&painter, QPointF(row.x() + x, row.y()));
    }

private:
    QTextLayout m_layout;
    QTextLine m_line;
};

} // namespace

QStringList Label::captionRows() const
{
    QStringList rows;
    for (const CaptionRow &row :
         breakCaption(m_caption, QFontMetrics(classicFont(m_font)), pixels().width()))
        rows << row.text;
    return rows;
}

void Label::paint(QPainter &painter, const QPalette &palette) const
{
    const QRect r = pixels();
    if (!m_transparent)
        painter.fillRect(r, m_back.resolve(palette));
    if (m_caption.isEmpty())
        return;
    const QFont font = classicFont(m_font);
    const QFontMetrics metrics(font);
    const qreal overstrike =
        m_font == FontRole::Bold ? boldOverstrike() / painter.device()->devicePixelRatioF() : 0;
    painter.save();
    painter.setFont(font);
    painter.setPen(m_fore.resolve(palette));
    // What doesn't fit is cut at the label's edges.
    painter.setClipRect(r, Qt::IntersectClip);
    QRectF row(r.left(), r.top(), r.width(), metrics.lineSpacing());
    // Most captions are one row that fits: laid out once, to be measured
    // and drawn.
    if ((m_alignment & (Qt::AlignLeft | Qt::AlignHCenter)) && isPlainRow(m_caption)) {
        const RowLayout caption(m_caption, painter);
        if (caption.width() <= r.width()) {
            caption.draw(painter, row, m_alignment);
            if (overstrike > 0)
                caption.draw(painter, row.translated(overstrike, 0), m_alignment);
            painter.restore();
            return;
        }
    }
    for (const CaptionRow &caption : breakCaption(m_caption, metrics, r.width())) {
        if (row.top() > r.bottom())
            break;
        // A row wider than the label starts at its left edge, so that a
        // long number shows its first digits.
        const Qt::Alignment h = caption.width > r.width() ? Qt::AlignLeft : m_alignment;
        const int flags = int(h | Qt::AlignTop | Qt::TextDontClip);
        painter.drawText(row, flags, caption.text);
        if (overstrike > 0)
            painter.drawText(row.translated(overstrike, 0), flags, caption.text);
        row.translate(0, metrics.lineSpacing());
    }
    painter.restore();
}

ImageBox::ImageBox(const QString &name, const QRect &twips, QWidget *surface)
    : DrawnControl(Kind::ImageBox, name, -1, twips, surface)
{
}

void ImageBox::paint(QPainter &painter, const QPalette &) const
{
    if (m_picture.isNull())
        return;
    const QRect r = pixels();
    // Unscaled from the top-left corner, cut off at the box's edges.
    drawBuiltIn(painter, r.topLeft(), m_picture, r);
}

QAccessible::Role ImageBox::accessibleRole() const
{
    return isClickable() ? QAccessible::Button : QAccessible::Graphic;
}

QString ImageBox::accessibleName() const
{
    return m_toolTip.isEmpty() ? m_accessibleName : m_toolTip;
}

Shape::Shape(const QString &name, const QRect &twips, QWidget *surface)
    : DrawnControl(Kind::Shape, name, -1, twips, surface)
{
}

void Shape::paint(QPainter &painter, const QPalette &palette) const
{
    const QRect r = pixels();
    if (!m_transparent)
        painter.fillRect(r, m_back.resolve(palette));
    painter.setPen(QPen(Colour(Colour::Role::WindowText).resolve(palette), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r.adjusted(0, 0, -1, -1));
}

Line::Line(const QString &name, const QLine &twips, QWidget *surface)
    : DrawnControl(Kind::Line, name, -1,
                   QRect(twips.p1(), twips.p2()).normalized(), surface),
      m_ends(twips)
{
}

QLine Line::pixelEnds() const
{
    return QLine(toPixels(m_ends.x1()), toPixels(m_ends.y1()),
                 toPixels(m_ends.x2()), toPixels(m_ends.y2()));
}

QRect Line::pixels() const
{
    const QLine e = pixelEnds();
    return QRect(e.p1(), e.p2()).normalized();
}

void Line::paint(QPainter &painter, const QPalette &palette) const
{
    painter.setPen(QPen(Colour(Colour::Role::WindowText).resolve(palette), 1));
    painter.drawLine(pixelEnds());
}
