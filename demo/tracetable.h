#pragma once

#include <QDialog>
#include <QStringList>

#include <vector>

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

    // The part of the owner's client area the table may cover where the
    // screen has no room for it around the owner; reaching the client
    // area's right edge, it goes on to the screen's.
    void setCoverable(const QRect &clientPart) { m_coverable = clientPart; }

    // Opens where it covers nothing of its owner (placeTable()), sized to
    // the room there, and raised if it is open.
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
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The columns as wide as their texts in the run shown, and the window
    // with them, within the screen.
    void fitColumns();
    // The listing's column as wide as the room the others leave, no
    // narrower than its header.
    void fitLine();
    void showLast();
    // The table's client size showing `rows` rows, its listing's column
    // `lineWidth` wide, the others as fitColumns() has them.
    QSize clientSize(int rows, int lineWidth) const;
    // The columns but the listing's, together.
    int otherColumnsWidth() const;
    // The frame's margins: the table's own once shown, else its owner's.
    QMargins frameMargins() const;

    const lesson::Trace &m_trace;
    QRect m_coverable;
    std::vector<int> m_planned;  // each column's width before any row
    int m_lineWidth = 0;         // the listing column's, for the widest line
    QTableView *m_grid = nullptr;
    QPushButton *m_copy = nullptr;
};

// Where a table opens, as its frame: beside its owner's frame `owner`
// (right, then left), else below it, else above it, on the first side where
// the screen's available `area` has room for `least`, sized to the room
// there up to `wanted`; where no side has, within `spare`, the part of the
// owner it may cover, as large as `wanted` fits there. Whole on the screen
// where it fits.
QRect placeTable(const QRect &area, const QRect &owner, const QRect &spare, QSize wanted,
                 QSize least);
