#include "drawnwindow.h"

#include "accessibility.h"
#include "builtinimages.h"
#include "launch.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>

DrawnWindow::DrawnWindow(QWidget *parent, Qt::WindowFlags flags) : TableWindow(parent, flags)
{
    installDemoAccessibility();
}

DrawnControl *DrawnWindow::makeDrawn(const ControlRow &row)
{
    DrawnControl *made = nullptr;
    if (row.kind == ControlKind::Label) {
        auto *l = new Label(row.name, row.index, row.twips, this);
        l->setCaption(shown(row.text));
        l->setForeColor(row.fore);
        l->setBackColor(row.back);
        l->setTransparent(row.transparentBack);
        l->setAlignment(row.alignment);
        l->setFontRole(row.font);
        l->setTag(row.tag);
        made = l;
    } else if (row.kind == ControlKind::ImageBox) {
        auto *img = new ImageBox(row.name, row.twips, this);
        // The pictures' texts in the language of the window's.
        if (const RawImage *picture = row.pictureIn(launch::uiLanguage()))
            img->setPicture(builtInPixmap(*picture));
        img->setToolTip(shown(row.toolTip));
        img->setAccessibleName(shown(row.accessibleName));
        made = img;
    } else if (row.kind == ControlKind::Shape) {
        auto *sh = new Shape(row.name, row.twips, this);
        sh->setTransparent(row.transparentBack);
        sh->setBackColor(row.back);
        made = sh;
    } else {
        made = new Line(row.name, row.ends, this);
    }
    made->setVisible(row.visible);
    return made;
}

// The drawn controls front to back, by their rank in the table.
void DrawnWindow::makeWindow(const std::vector<ControlRow> &rows, const QPixmap &background)
{
    m_picture = background;
    makeControls(rows, [this](const ControlRow &row) { return makeDrawn(row); });
    std::vector<std::pair<int, DrawnControl *>> ranked;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (auto *c = qobject_cast<DrawnControl *>(controls()[i]))
            ranked.emplace_back(rows[i].stack, c);
    std::sort(ranked.begin(), ranked.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    for (const auto &entry : ranked)
        m_stack.push_back(entry.second);
}

std::vector<QObject *> DrawnWindow::readingOrder() const
{
    // The table lists the controls in reading order; shapes and lines are
    // decoration.
    std::vector<QObject *> read;
    for (QObject *control : controls())
        if (const auto *d = qobject_cast<DrawnControl *>(control); !d || !d->isDecoration())
            read.push_back(control);
    if (QObject *said = announcement(this))
        read.push_back(said);
    return read;
}

DrawnControl *DrawnWindow::drawn(const QString &fullName) const
{
    return qobject_cast<DrawnControl *>(control(fullName));
}

Label *DrawnWindow::label(const QString &fullName) const
{
    return qobject_cast<Label *>(drawn(fullName));
}

DrawnControl *DrawnWindow::controlAt(const QPoint &windowPixel) const
{
    for (DrawnControl *c : m_stack)
        if (c->hitTest(windowPixel))
            return c;
    return nullptr;
}

void DrawnWindow::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    // At a whole scale factor every picture pixel becomes a square block of
    // screen pixels; in between, smoothing keeps the pictures readable.
    const qreal dpr = devicePixelRatioF();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, dpr != std::floor(dpr));
    const QPalette pal = palette();
    // Painted rectangle by rectangle: clipped to one rectangle, Qt copies
    // pictures and fills areas line by line in this thread; clipped to a
    // region of several (the check box, an opaque child, cuts the first
    // one in four) it hands every large picture to a pool of threads,
    // whose start costs more than the copy.
    for (const QRect &part : event->region()) {
        painter.setClipRect(part);
        drawBuiltIn(painter, QPoint(0, 0), m_picture, part);
        for (auto it = m_stack.rbegin(); it != m_stack.rend(); ++it) {
            const DrawnControl *c = *it;
            if (c->isVisible() && c->pixels().adjusted(-1, -1, 1, 1).intersects(part))
                c->paint(painter, pal);
        }
    }
}

void DrawnWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = controlAt(event->position().toPoint());
    event->accept();
}

void DrawnWindow::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    DrawnControl *pressed = m_pressed;
    m_pressed = nullptr;
    // A click is a press and a release on the same control.
    if (pressed && pressed == controlAt(event->position().toPoint()))
        if (auto *box = qobject_cast<ImageBox *>(pressed))
            box->click();
}

void DrawnWindow::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && !controlAt(event->position().toPoint()))
        backgroundDoubleClicked();
    event->accept();
}

bool DrawnWindow::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        // The live boxes and buttons lie above every drawn control and show
        // no tooltip: theirs only came up here because they have none.
        const DrawnControl *c = childAt(help->pos()) ? nullptr : controlAt(help->pos());
        if (c && !c->toolTip().isEmpty())
            QToolTip::showText(help->globalPos(), c->toolTip(), this, c->pixels());
        else
            QToolTip::hideText();
        return true;
    }
    return TableWindow::event(event);
}
