#pragma once

#include <QDialog>
#include <QString>

#include <array>
#include <bitset>
#include <vector>

class QMimeData;
class QPushButton;
class QTableWidget;

// One row of the trace table: a step the demonstrated program carried out,
// with its variables as they are after it.
struct TraceRow
{
    int step = 0;      // 1 to 24
    QString line;      // the listing line of the step, as the listing shows it
    // A, B, C and X as the window writes numbers; empty while the program
    // has not yet given the variable a value in this run.
    std::array<QString, 4> values;
    std::bitset<4> changed; // the variables this step gave a value
    QString condition; // at a comparison: «Да» or «Нет», perhaps with the class's answer
    bool operator==(const TraceRow &other) const
    {
        return step == other.step && line == other.line && values == other.values
               && changed == other.changed && condition == other.condition;
    }
};

// «Таблица трассировки»: the run as a trace table, one row per step shown,
// in a window of its own that the demonstrator's window owns. Not modal: the
// demonstration goes on under it. F2 and Esc close it; «Копировать» and
// Ctrl+C put the whole table on the clipboard.
// A dialog that is never modal: assistive technology presents it as one.
class TraceTable : public QDialog
{
    Q_OBJECT
public:
    explicit TraceTable(QWidget *owner);

    void append(const TraceRow &row);
    void removeLast();
    void clear();
    const std::vector<TraceRow> &rows() const { return m_rows; }

    // Opens beside its owner where the screen has room, else where it fits
    // best, always whole on the owner's screen; raised if it is open.
    void open() override;
    // The whole table: an HTML table (text/html) and tab-separated lines
    // (text/plain), each with the header row first.
    QMimeData *mimeData() const;
    void copy() const;

    // The table's widget and button, for assistive technology and tests.
    QTableWidget *grid() const { return m_grid; }
    QPushButton *copyButton() const { return m_copy; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void fill(int index, const TraceRow &row);
    void showLast();

    std::vector<TraceRow> m_rows;
    QTableWidget *m_grid = nullptr;
    QPushButton *m_copy = nullptr;
};
