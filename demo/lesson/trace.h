#pragma once

#include "run.h"

#include <QObject>
#include <QString>

#include <array>
#include <bitset>
#include <utility>
#include <vector>

namespace lesson {

// One row of the trace table: a step the demonstrated program carried out,
// with its variables as they are after it.
struct TraceRow
{
    int step = 0;      // 1 to 24
    QString line;      // the listing line of the step, as it is quoted
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

// The class's answer to a question of «Проверь себя», and whether it was
// right.
enum class Answer { NotAsked, Refused, Yes, No };
enum class Verdict { None, Right, Wrong };

// The trace of a run, one row per step shown, with the verdict on the
// class's answer where one was given: what the trace table shows and what
// «Проверь себя» scores. It records the program, not the display: a double
// click's clearing leaves it as it is.
class Trace : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    const std::vector<TraceRow> &rows() const { return m_rows; }
    Verdict verdict(std::size_t row) const { return m_verdicts[row]; }

    // The row of a step just carried out, following the last row, and the
    // verdict on the class's answer to its question.
    std::pair<TraceRow, Verdict> next(const StepResult &step, Answer answer) const;

    void append(const TraceRow &row, Verdict verdict = Verdict::None);
    void dropLast();
    void clear();
    // Every row's line anew, from the listing as it is now quoted.
    void relabel(const std::array<QString, kSteps> &lines);

    // The answers that were right, and those given.
    std::pair<int, int> score() const;

signals:
    void appended();    // a row at the end
    void droppedLast(); // the last row taken away
    void reset();       // emptied, or every row changed

private:
    std::vector<TraceRow> m_rows;
    std::vector<Verdict> m_verdicts; // per row
};

} // namespace lesson
