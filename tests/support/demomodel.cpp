#include "demomodel.h"

#include "fixtures.h"
#include "formdemo.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

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

namespace {

// Collects what differs; the names are put together only for a difference.
struct Comparison
{
    QStringList wrong;

    static QString text(bool v) { return v ? QStringLiteral("true") : QStringLiteral("false"); }
    static QString text(int v) { return QString::number(v); }
    static QString text(double v) { return QString::number(v, 'g', 17); }
    static QString text(const QString &v) { return QLatin1Char('\'') + v + QLatin1Char('\''); }

    template<typename T>
    void operator()(const char *what, const T &actual, const T &model, int index = -1)
    {
        if (actual == model)
            return;
        const QString name = index < 0 ? QString::fromUtf8(what) : QString::fromUtf8(what).arg(index);
        wrong << QStringLiteral("%1 is %2, the model says %3").arg(name, text(actual), text(model));
    }
};

void compareControls(Comparison &same, const FormDemo &form, const DemoModel &m)
{
    for (int i = 0; i < 3; ++i) {
        const QLineEdit *box = i == 0 ? form.Text1() : i == 1 ? form.Text2() : form.Text3();
        same("Text%1 enabled", box->isEnabled(), !m.running(), i + 1);
        same("Text%1 text", box->text(), m.boxes[std::size_t(i)].text, i + 1);
    }
    same("Command1 enabled", form.Command1()->isEnabled(), !m.running());
    same("Check1 enabled", form.Check1()->isEnabled(), m.running());
    same("Check1 checked", form.Check1()->isChecked(), m.checked);
    same("Cmd_Preview enabled", form.Cmd_Preview()->isEnabled(), m.previewOn());
    same("Cmd_Next enabled", form.Cmd_Next()->isEnabled(), m.nextOn());
    same("Cmd_Goto enabled", form.Cmd_Goto()->isEnabled(), m.gotoOn());
    same("Cmd_Stop enabled", form.Cmd_Stop()->isEnabled(), m.stopOn());
    same("Cmd_Reset enabled", form.Cmd_Reset()->isEnabled(), true);
    same("Command3 enabled", form.Command3()->isEnabled(), true);
    same("Timer1 enabled", form.Timer1()->isEnabled(), m.timer);
    same("Timer1 ticking", form.Timer1()->isTicking(), m.timer);
    same("Timer1 interval", form.Timer1()->interval(), m.pace);
    same("the step counter", int(form.stepCounter()), m.counter);
}

void compareDisplays(Comparison &same, const FormDemo &form, const DemoModel &m)
{
    same("A", form.A().toDouble(), m.a);
    same("B", form.B().toDouble(), m.b);
    same("C", form.C().toDouble(), m.c);
    same("X", form.X(), m.x);
    static const char *const names[] = {"A", "B", "C", "X"};
    for (int i = 0; i < 8; ++i) {
        const Label *cell = form.label(QLatin1String(kMemoryCells[i]));
        same(kMemoryCells[i], cell->isVisible(), m.panel);
        const QString caption = i < 4 ? (m.panel ? QLatin1String(names[i]) : QString())
                                      : m.cells[std::size_t(i - 4)];
        same(kMemoryCells[i], cell->caption(), caption);
    }
    for (int i = 0; i < 24; ++i)
        same("Lbl_List(%1) red", form.Lbl_List(i)->foreColor() == kHighlight,
             bool(m.litLines[std::size_t(i)]), i);
    for (int i = 0; i < 27; ++i)
        same("lbl_alg(%1) red", form.lbl_alg(i)->foreColor() == kHighlight,
             bool(m.litLabels[std::size_t(i)]), i);
    for (const auto &[label, caption] : m.captions)
        same("lbl_alg(%1) caption", form.lbl_alg(label)->caption(), caption, label);
}

void compareTrace(Comparison &same, const FormDemo &form, const DemoModel &m)
{
    same("the trace table open", form.traceTableOpen(), m.tableOpen);
    same("«Проверь себя»", form.checkingYourself(), m.quiz);
    const std::vector<TraceRow> &rows = form.trace();
    same("trace rows", int(rows.size()), int(m.trace.size()));
    for (std::size_t i = 0; i < std::min(rows.size(), m.trace.size()); ++i) {
        const TraceRow &row = rows[i];
        const DemoModel::TraceStep &t = m.trace[i];
        same("trace row %1: step", row.step, t.step, int(i));
        same("trace row %1: line", row.line, form.Lbl_List(t.step - 1)->caption(), int(i));
        for (std::size_t v = 0; v < 4; ++v) {
            same("trace row %1: value", row.values[v], t.values[v], int(i));
            same("trace row %1: changed", bool(row.changed[v]), bool(t.changed[v]), int(i));
        }
        same("trace row %1: condition", row.condition, t.condition, int(i));
    }
    // The open table shows the same rows.
    if (form.traceTableOpen())
        same("trace table rows", int(const_cast<FormDemo &>(form).traceTable()->rows().size()),
             int(rows.size()));
}

} // namespace

QStringList differences(const FormDemo &form, const DemoModel &model)
{
    Comparison same;
    compareControls(same, form, model);
    compareDisplays(same, form, model);
    compareTrace(same, form, model);
    return same.wrong;
}
