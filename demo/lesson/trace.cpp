#include "trace.h"

#include "words.h"

#include <algorithm>

namespace lesson {

std::pair<TraceRow, Verdict> Trace::next(const StepResult &step, Answer answer) const
{
    TraceRow row;
    row.step = step.step;
    row.line = step.lineText;
    if (!m_rows.empty())
        row.values = m_rows.back().values;
    if (step.assigned != None) {
        row.values[std::size_t(step.assigned)] = step.value;
        row.changed.set(std::size_t(step.assigned));
    }
    Verdict verdict = Verdict::None;
    if (step.yes) {
        const bool yes = *step.yes;
        const QString condition = yes ? Words::tr("Да") : Words::tr("Нет");
        if (answer == Answer::Yes || answer == Answer::No) {
            const bool right = (answer == Answer::Yes) == yes;
            verdict = right ? Verdict::Right : Verdict::Wrong;
            row.condition = right ? Words::tr("%1 (верно)").arg(condition)
                                  : Words::tr("%1 (ответ «%2» — неверно)")
                                        .arg(condition, yes ? Words::tr("Нет") : Words::tr("Да"));
        } else {
            row.condition = condition;
        }
    }
    return {row, verdict};
}

void Trace::append(const TraceRow &row, Verdict verdict)
{
    m_rows.push_back(row);
    m_verdicts.push_back(verdict);
    emit appended();
}

void Trace::dropLast()
{
    if (m_rows.empty())
        return;
    m_rows.pop_back();
    m_verdicts.pop_back();
    emit droppedLast();
}

void Trace::clear()
{
    if (m_rows.empty())
        return;
    m_rows.clear();
    m_verdicts.clear();
    emit reset();
}

void Trace::relabel(const std::array<QString, kSteps> &lines)
{
    for (TraceRow &row : m_rows)
        row.line = lines[std::size_t(step(row.step).line)];
    if (!m_rows.empty())
        emit reset();
}

std::pair<int, int> Trace::score() const
{
    const auto given = std::count_if(m_verdicts.begin(), m_verdicts.end(),
                                     [](Verdict v) { return v != Verdict::None; });
    const auto right = std::count(m_verdicts.begin(), m_verdicts.end(), Verdict::Right);
    return {int(right), int(given)};
}

} // namespace lesson
