#pragma once

#include "controlrow.h"

#include <QHash>
#include <QWidget>

#include <functional>
#include <vector>

class QAbstractButton;
class QKeyEvent;

// What both programs' windows share: each is made from its table of
// controls (ControlRow), one control per row, and reads and uses them by
// name. A window that draws some of its controls itself (labels, image
// boxes, shapes, lines) makes those; the rest become widgets here.
class TableWindow : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

    // A control by its full name ("Text1", "lbl_alg(5)"), or null.
    QObject *control(const QString &fullName) const { return m_byName.value(fullName); }
    // The controls in the table's order.
    const std::vector<QObject *> &controls() const { return m_made; }
    // The controls that take the focus, in their tab order.
    const std::vector<QWidget *> &tabOrder() const { return m_tabOrder; }

    // The controls a user reads or uses, in reading order: what assistive
    // technology presents as the window's children. By default every
    // control of the table, which lists them in that order.
    virtual std::vector<QObject *> readingOrder() const { return m_made; }
    // What assistive technology finds at a window pixel beyond the widgets:
    // a control the window draws, or null.
    virtual QObject *drawnControlAt(const QPoint &) const { return nullptr; }

    // A text of the table as the user reads it: translated in the window's
    // context (its class).
    QString shown(const QString &text) const;

protected:
    using DrawnMaker = std::function<QObject *(const ControlRow &)>;

    // Makes the window's controls from its table once its font is set: the
    // drawn ones through `drawn` (rows it returns null for, and every row
    // without it, become widgets), each widget at its place with its
    // translated text and initial state. Then the tab order; each box
    // named by its label (a widget label also becomes its buddy); a key
    // held down kept from pressing a button more than once; and the
    // window's message boxes and context menus in its face.
    void makeControls(const std::vector<ControlRow> &rows, const DrawnMaker &drawn = {});

    // The control of that name and kind. The table names every control a
    // window binds, so a miss is a fault of the build.
    template <typename T>
    T *named(const QString &fullName) const
    {
        if (T *c = qobject_cast<T *>(control(fullName)))
            return c;
        missing(fullName);
    }

private:
    QWidget *makeWidget(const ControlRow &row);
    [[noreturn]] void missing(const QString &fullName) const;

    std::vector<QObject *> m_made;
    std::vector<QWidget *> m_tabOrder;
    QHash<QString, QObject *> m_byName;
};

// A key held down presses a button once: the button takes a press of a key
// only if that key was released since the last press of it that reached
// the button, or since the focus arrived (a key held as the focus moves
// onto the button presses nothing). The window system's repeats are told
// apart by Qt's flag or, where it misses them, by their release and press
// coming at the same instant.
void guardAgainstHeldKeys(QAbstractButton *button);

// Whether a key press is the key's first since it went down, and not a
// repeat of the key held down, by the same rules: for the window's own keys
// (a presenter's remote) that act once per press.
bool isFreshKeyPress(const QKeyEvent *key);
