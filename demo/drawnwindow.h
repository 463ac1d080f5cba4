#pragma once

#include "drawncontrols.h"
#include "tablewindow.h"

#include <QPixmap>

#include <vector>

// A window made from its table that draws its labels, image boxes, shapes
// and lines itself, over a background picture: it paints them in their
// stacking order, finds the one under the mouse, shows its tooltip, clicks
// an image box and tells a double click on bare background; its live
// controls lie above them all.
class DrawnWindow : public TableWindow
{
    Q_OBJECT
public:
    // A drawn control by its full name ("Lbl_MemA", "lbl_alg(5)", "Line12").
    DrawnControl *drawn(const QString &fullName) const;
    Label *label(const QString &fullName) const;
    // Drawn controls front to back.
    const std::vector<DrawnControl *> &drawnControls() const { return m_stack; }
    // The controls a user reads or uses, in reading order (shapes and lines
    // are decoration), then what the window said last to a screen reader.
    std::vector<QObject *> readingOrder() const override;
    // The front-most label or image box at a window pixel, or null where the
    // window's own background takes the mouse.
    DrawnControl *controlAt(const QPoint &windowPixel) const;
    QObject *drawnControlAt(const QPoint &windowPixel) const override { return controlAt(windowPixel); }
    const QPixmap &picture() const { return m_picture; }

protected:
    DrawnWindow(QWidget *parent, Qt::WindowFlags flags);

    // Makes the controls of the table over the background picture; image
    // boxes show their pictures in the language of the window's texts.
    void makeWindow(const std::vector<ControlRow> &rows, const QPixmap &background);
    // A double click with the left button on bare background.
    virtual void backgroundDoubleClicked() {}

    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    DrawnControl *makeDrawn(const ControlRow &row);

    QPixmap m_picture;
    std::vector<DrawnControl *> m_stack; // front to back
    DrawnControl *m_pressed = nullptr;   // where the left button went down
};
