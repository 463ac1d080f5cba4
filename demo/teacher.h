#pragma once

#include <QObject>
#include <QRect>

class QAbstractButton;
class QKeyEvent;
class QPoint;
class QWidget;
class TraceTable;

namespace lesson {
class Lesson;
}

// What the teacher has beyond the window's own controls: the pace of the
// automatic mode, a presenter's remote, the trace table of the run,
// «Проверь себя» and the language of the listing, through keys and the
// window's context menu.
//
//   PageDown, PageUp  "Вперед", "Назад", when they are available
//   Right, Left       the same, while no input box has the focus
//   +, −              a faster, a slower pace (not in an input box)
//   F2                the trace table, open or closed
//   F3                «Проверь себя», on or off
//
// None of them changes the window itself: without them it is as it was.
class Teacher : public QObject
{
    Q_OBJECT
public:
    // For `window`, whose buttons `next` and `back` step forward and back,
    // and its lesson.
    Teacher(lesson::Lesson &lesson, QAbstractButton *next, QAbstractButton *back, QWidget *window);

    // A key on its way to `to`, a control or the window: true when it was
    // one of the teacher's, which are the window's alone. A key held down
    // steps once, as a held Enter presses a button once.
    bool key(QObject *to, const QKeyEvent *key);
    // The context menu at a point of the screen.
    void menu(const QPoint &globalPos);

    // The trace table's window, made when first needed, and whether it is
    // open; the part of the window it may cover where the screen has no
    // room around it (TraceTable::setCoverable()).
    TraceTable *traceTable();
    bool traceTableOpen() const;
    void toggleTraceTable();
    void setTableCoverable(const QRect &clientPart) { m_coverable = clientPart; }

protected:
    // In the trace table the remote's and the pace's keys go to the
    // demonstration, whichever of its controls has the keyboard.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    lesson::Lesson &m_lesson;
    QAbstractButton *m_next;
    QAbstractButton *m_back;
    QWidget *m_window;
    TraceTable *m_table = nullptr;
    QRect m_coverable;
};
