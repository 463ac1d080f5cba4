#pragma once

#include <QDialog>
#include <QStringList>

class QMimeData;
class QPushButton;
class QTableView;

namespace lesson {
class Trace;
}

// «Таблица трассировки»: the trace of the run, one row per step shown, in a
// window of its own that the demonstrator's window owns. It shows the
// trace as it is, row by row, and keeps no copy of it. Not modal: the
// demonstration goes on under it. F2 and Esc close it; «Копировать» and
// Ctrl+C put the whole table on the clipboard.
// A dialog that is never modal: assistive technology presents it as one.
class TraceTable : public QDialog
{
    Q_OBJECT
public:
    // The table of `trace`, its listing's column as wide as the widest of
    // `lines`.
    TraceTable(const lesson::Trace &trace, const QStringList &lines, QWidget *owner);

    // Opens beside its owner where the screen has room, else where it fits
    // best, always whole on the owner's screen; raised if it is open.
    void open() override;
    // The whole table: an HTML table (text/html) and tab-separated lines
    // (text/plain), each with the header row first.
    QMimeData *mimeData() const;
    void copy() const;

    // The table's view and button, for assistive technology and tests.
    QTableView *grid() const { return m_grid; }
    QPushButton *copyButton() const { return m_copy; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void fitColumns();
    void showLast();

    const lesson::Trace &m_trace;
    QTableView *m_grid = nullptr;
    QPushButton *m_copy = nullptr;
};
