// One step of the demonstrated program, carried out on a run and on what
// the window shows of it.

#include "run.h"

#include "numbertext.h"

namespace lesson {

VariantNumber Run::value(Variable variable) const
{
    switch (variable) {
    case lesson::A: return this->A;
    case lesson::B: return this->B;
    case lesson::C: return this->C;
    default: return VariantNumber(X);
    }
}

void Run::store(Variable variable, const VariantNumber &value)
{
    switch (variable) {
    case lesson::A: this->A = value; break;
    case lesson::B: this->B = value; break;
    case lesson::C: this->C = value; break;
    default: X = value.toDouble(); break;
    }
}

namespace {

// A variable given a value: the memory and its cell on the panel.
void give(Run &run, Display &display, StepResult &result, Variable variable,
          const VariantNumber &value)
{
    run.store(variable, value);
    QString &cell = display.memory[std::size_t(variable)];
    result.assigned = variable;
    result.value = run.value(variable).text();
    result.memoryChanged = cell != result.value;
    cell = result.value;
}

} // namespace

QString quoted(const QString &line)
{
    return line.trimmed();
}

StepResult perform(Run &run, Display &display)
{
    const int s = run.counter;
    StepResult result;
    // Only steps 1 to 24 exist; the run controls never call outside them.
    if (s < 1 || s > kSteps)
        return result;
    const Step &step = lesson::step(s);
    result.step = s;
    const bool shownBefore = display.memoryShown;

    // The step's line and blocks light.
    result.line = step.line;
    display.listing[std::size_t(step.line)].lit = true;
    for (const int block : step.blocks)
        if (block >= 0)
            display.flowchart[std::size_t(block)].lit = true;

    // What the line does.
    int next = s + 1;
    int noBlock = -1;
    switch (step.action) {
    case Action::Declare: // Dim A, B, C, X As Double
        display.memoryShown = true;
        result.declared = true;
        break;
    case Action::Read: // A = CDbl(Text1.Text)
        // The start refuses boxes that don't hold a number and keeps them
        // unchanged for the whole run, so this always reads a number.
        give(run, display, result, step.target,
             VariantNumber(numbertext::parse(run.boxes[std::size_t(step.box)]).value_or(0.0)));
        break;
    case Action::Compare: { // If A > B Then: the caption from the values compared, then the answer
        const VariantNumber left = run.value(step.left), right = run.value(step.right);
        display.flowchart[std::size_t(step.caption)].text =
            left.text() + QStringLiteral(" > ") + right.text();
        result.yes = left > right;
        if (!*result.yes) {
            next = step.noStep;
            noBlock = step.noBlock;
        }
        break;
    }
    case Action::Assign: { // X = A: the value in the memory, its cell and the block ("X = 5")
        const VariantNumber value = run.value(step.left);
        give(run, display, result, step.target, value);
        display.flowchart[std::size_t(step.caption)].text =
            QLatin1String(name(step.target)) + QStringLiteral(" = ") + value.text();
        break;
    }
    case Action::Write: // Text1.Text = CStr(A)
        result.box = step.box;
        result.boxText = run.value(step.left).text();
        run.boxes[std::size_t(step.box)] = result.boxText;
        break;
    case Action::End: // End Sub: the memory cleared, the run over
        clearMemory(run, display);
        result.cleared = shownBefore;
        result.ended = true;
        next = 0;
        break;
    case Action::Other: // Private Sub Command1_Click(), End If
        break;
    }
    run.counter = qint16(next);
    // A "no" lights the comparison's «Нет» once the counter is set.
    if (noBlock >= 0)
        display.flowchart[std::size_t(noBlock)].lit = true;

    result.lineText = quoted(display.listing[std::size_t(step.line)].text);
    int lit = 0;
    for (const int block : {step.blocks[0], step.blocks[1], noBlock})
        if (block >= 0) {
            result.blocks[std::size_t(lit++)] = block;
            result.blockCaptions << display.flowchart[std::size_t(block)].text;
        }
    result.memoryShown = display.memoryShown;
    return result;
}

void clearMemory(Run &run, Display &display)
{
    run.A = VariantNumber(0);
    run.B = VariantNumber(0);
    run.C = VariantNumber(0);
    run.X = 0;
    clearPanel(display);
}

void clearPanel(Display &display)
{
    display.memoryShown = false;
    display.memory = {};
}

void clearHighlight(Display &display)
{
    for (Display::Caption &line : display.listing)
        line.lit = false;
    for (Display::Caption &block : display.flowchart)
        block.lit = false;
}

void restoreCaptions(Display &display, const std::array<std::optional<QString>, kBlocks> &restored)
{
    for (std::size_t i = 0; i < display.flowchart.size(); ++i)
        if (restored[i])
            display.flowchart[i].text = *restored[i];
}

} // namespace lesson
