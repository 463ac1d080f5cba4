#include "demomodel.h"

#include "comparison.h"
#include "fixtures.h"
#include "lesson.h"

#include <QLocale>

#include <algorithm>
#include <iterator>

namespace {

// The flowchart labels that light by their tag at each step (-1: none).
constexpr int kLabelsOfStep[25][2] = {
    {-1, -1}, {0, -1},  {-1, -1}, {2, -1},  {3, -1},  {4, -1},  {5, -1},   {6, 7},   {8, -1},
    {9, -1},  {-1, -1}, {11, -1}, {12, 13}, {14, -1}, {15, -1}, {-1, -1},  {17, -1}, {18, 19},
    {20, -1}, {21, -1}, {-1, -1}, {23, -1}, {24, -1}, {25, -1}, {26, -1}};

} // namespace

struct DemoModel::Shown
{
    int counter;
    bool panel;
    double a, b, c, x;
    std::array<QString, 4> cells;
    std::bitset<24> litLines;
    std::bitset<27> litLabels;
    std::map<int, QString> captions;
    std::array<Box, 3> boxes;
};

QString numberText(double value)
{
    // The fewest digits from 15 up that read back as the very same double.
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text;
    for (int digits = 15; digits <= 17; ++digits) {
        text = locale.toString(value == 0 ? 0.0 : value, 'g', digits);
        if (locale.toDouble(text) == value)
            break;
    }
    return text;
}

DemoModel::DemoModel()
    : boxes{{{QStringLiteral("5"), 5}, {QStringLiteral("4"), 4}, {QStringLiteral("3"), 3}}}
{
    clearDisplays();
}

bool DemoModel::play(QStringView actions)
{
    for (const QChar action : actions)
        if (!act(action))
            return false;
    return true;
}

bool DemoModel::act(QChar action)
{
    messageBoxes = 0;
    constexpr int paces[] = {250, 500, 1000, 2000, 4000};
    const int *pace = std::find(std::begin(paces), std::end(paces), this->pace);
    switch (action.unicode()) {
    case '+':
        this->pace = pace == std::begin(paces) ? *pace : *(pace - 1);
        return true;
    case '-':
        this->pace = pace + 1 == std::end(paces) ? *pace : *(pace + 1);
        return true;
    case 'F': tableOpen = !tableOpen; return true;
    case 'Q': quiz = !quiz; return true;
    case 'L': language = (language + 1) % 5; return true;
    case 'y':
    case 'n':
    case 'e': answer = char(action.unicode()); return true;
    case 'S':
        if (running())
            return false;
        if (refusedBox() < 0)
            start();
        return true;
    case 'N':
    case 'T':
        if (action == QLatin1Char('N') ? !nextOn() : !timer)
            return false;
        step();
        return true;
    case 'B': {
        if (!previewOn())
            return false;
        const Shown &back = *history.back();
        counter = back.counter;
        panel = back.panel;
        a = back.a, b = back.b, c = back.c, x = back.x;
        cells = back.cells;
        litLines = back.litLines;
        litLabels = back.litLabels;
        captions = back.captions;
        boxes = back.boxes;
        history.pop_back();
        trace.pop_back();
        return true;
    }
    case 'K':
        if (!running())
            return false;
        checked = !checked;
        timer = timer && !checked; // ticked, the box pauses a running timer
        return true;
    case 'G':
    case 'P':
        if (!gotoOn())
            return false;
        timer = action == QLatin1Char('G');
        return true;
    case 'R':
        counter = 0;
        timer = false;
        history.clear();
        trace.clear();
        clearDisplays();
        return true;
    case 'D': // the displays only: a run goes on with the numbers it has read
        clearPanel();
        clearHighlightAndCaptions();
        return true;
    case 'd': return true;
    }
    return false;
}

void DemoModel::type(int box, const QString &text, std::optional<double> number)
{
    boxes[std::size_t(box)] = {text, number};
}

int DemoModel::refusedBox() const
{
    for (int i = 0; i < 3; ++i)
        if (!boxes[std::size_t(i)].number)
            return i;
    return -1;
}

void DemoModel::start()
{
    clearDisplays();
    trace.clear();
    checked = true;
    timer = false;
    counter = 1;
}

void DemoModel::clearPanel()
{
    panel = false;
    cells = {};
}

void DemoModel::clearMemory()
{
    a = b = c = x = 0;
    clearPanel();
}

void DemoModel::clearDisplays()
{
    clearMemory();
    clearHighlightAndCaptions();
}

void DemoModel::clearHighlightAndCaptions()
{
    litLines.reset();
    litLabels.reset();
    for (const auto &[label, caption] : kIdleCaptions)
        captions[label] = QString::fromUtf8(caption);
}

void DemoModel::compare(double left, double right, int label, int noLabel)
{
    const int s = counter;
    captions[label] = numberText(left) + QStringLiteral(" > ") + numberText(right);
    const bool yes = left > right;
    if (yes) {
        counter += 1;
    } else {
        counter += 4;
        litLabels.set(std::size_t(noLabel));
    }
    traceStep(s, -1, 0);
    TraceStep &row = trace.back();
    row.condition = yes ? QStringLiteral("Да") : QStringLiteral("Нет");
    if (!quiz)
        return;
    ++messageBoxes; // the question
    if (answer == 'e')
        return;
    const bool correct = (answer == 'y') == yes;
    row.verdict = correct ? 1 : -1;
    row.condition += correct ? QStringLiteral(" (верно)")
                           : QStringLiteral(" (ответ «%1» — неверно)")
                                 .arg(yes ? QStringLiteral("Нет") : QStringLiteral("Да"));
}

// A row of the trace: the values of the row before it, and the variable
// the step gave a value, if any (0 to 3 for A, B, C, X).
void DemoModel::traceStep(int s, int assigned, double value)
{
    TraceStep row{s, trace.empty() ? std::array<QString, 4>{} : trace.back().values, {}, {}, 0};
    if (assigned >= 0) {
        row.values[std::size_t(assigned)] = numberText(value);
        row.changed.set(std::size_t(assigned));
    }
    trace.push_back(row);
}

void DemoModel::assign(double &target, double value, int cell, int label, const char *name)
{
    target = value;
    cells[std::size_t(cell)] = numberText(value);
    captions[label] = QLatin1String(name) + QStringLiteral(" = ") + numberText(value);
    traceStep(counter, cell, value);
    counter += 1;
}

void DemoModel::step()
{
    history.push_back(std::make_shared<const Shown>(
        Shown{counter, panel, a, b, c, x, cells, litLines, litLabels, captions, boxes}));
    const int s = counter;
    litLines.set(std::size_t(s - 1));
    for (const int label : kLabelsOfStep[s])
        if (label >= 0)
            litLabels.set(std::size_t(label));
    const auto read = [this, s](double &target, int box) {
        target = boxes[std::size_t(box)].number.value_or(0);
        cells[std::size_t(box)] = numberText(target);
        counter += 1;
        traceStep(s, box, target);
    };
    const auto write = [this, s](int box, double value) {
        boxes[std::size_t(box)] = {numberText(value), value};
        counter += 1;
        traceStep(s, -1, 0);
    };
    switch (s) {
    case 2: panel = true; counter = 3; traceStep(s, -1, 0); break;
    case 3: read(a, 0); break;
    case 4: read(b, 1); break;
    case 5: read(c, 2); break;
    case 6: compare(a, b, 5, 10); break;
    case 7: assign(x, a, 3, 7, "X"); break;
    case 8: assign(a, b, 0, 8, "A"); break;
    case 9: assign(b, x, 1, 9, "B"); break;
    case 11: compare(b, c, 11, 16); break;
    case 12: assign(x, c, 3, 13, "X"); break;
    case 13: assign(c, b, 2, 14, "C"); break;
    case 14: assign(b, x, 1, 15, "B"); break;
    case 16: compare(a, b, 17, 22); break;
    case 17: assign(x, a, 3, 19, "X"); break;
    case 18: assign(a, b, 0, 20, "A"); break;
    case 19: assign(b, x, 1, 21, "B"); break;
    case 21: write(0, a); break;
    case 22: write(1, b); break;
    case 23: write(2, c); break;
    case 24:
        traceStep(s, -1, 0);
        clearMemory();
        counter = 0;
        timer = false;
        history.clear();
        if (std::any_of(trace.begin(), trace.end(), [](const TraceStep &t) { return t.verdict; }))
            ++messageBoxes; // the class's score
        break;
    default: counter += 1; traceStep(s, -1, 0); break;
    }
}

QStringList differences(const lesson::Lesson &lesson, const DemoModel &m)
{
    Comparison same;
    const lesson::Run &run = lesson.run();
    same("the step counter", int(run.counter), m.counter);
    same("A", run.A.toDouble(), m.a);
    same("B", run.B.toDouble(), m.b);
    same("C", run.C.toDouble(), m.c);
    same("X", run.X, m.x);
    if (m.running())
        for (std::size_t i = 0; i < 3; ++i)
            same("the run's box %1", run.boxes[i], m.boxes[i].text, int(i) + 1);
    same("the way back", lesson.canGoBack(), !m.history.empty());
    same("the pace", lesson.pace(), m.pace);
    same("«Проверь себя»", lesson.checking(), m.quiz);
    same("the listing's language", int(lesson.language()), m.language);

    const lesson::Display &shown = lesson.display();
    same("the memory panel shown", shown.memoryShown, m.panel);
    for (std::size_t i = 0; i < 4; ++i)
        same("memory cell %1", shown.memory[i], m.cells[i], int(i));
    for (std::size_t i = 0; i < 24; ++i)
        same("line %1 lit", shown.listing[i].lit, bool(m.litLines[i]), int(i));
    for (std::size_t i = 0; i < 27; ++i)
        same("block %1 lit", shown.flowchart[i].lit, bool(m.litLabels[i]), int(i));
    for (const auto &[block, caption] : m.captions)
        same("block %1 caption", shown.flowchart[std::size_t(block)].text, caption, block);

    const std::vector<lesson::TraceRow> &rows = lesson.trace().rows();
    same("trace rows", int(rows.size()), int(m.trace.size()));
    for (std::size_t i = 0; i < std::min(rows.size(), m.trace.size()); ++i) {
        const lesson::TraceRow &row = rows[i];
        const DemoModel::TraceStep &t = m.trace[i];
        same("trace row %1: step", row.step, t.step, int(i));
        same("trace row %1: line", row.line, lesson::quoted(shown.listing[std::size_t(t.step - 1)].text),
             int(i));
        for (std::size_t v = 0; v < 4; ++v) {
            same("trace row %1: value", row.values[v], t.values[v], int(i));
            same("trace row %1: changed", bool(row.changed[v]), bool(t.changed[v]), int(i));
        }
        same("trace row %1: condition", row.condition, t.condition, int(i));
    }
    return same.wrong;
}
