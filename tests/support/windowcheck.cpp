// The window compared with the model of a demonstration: its controls,
// what it renders, its trace table, and its lesson.

#include "comparison.h"
#include "demomodel.h"
#include "fixtures.h"
#include "formdemo.h"
#include "tracetable.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {

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

// What the window renders: the labels of the memory panel, the listing and
// the flowchart.
void compareDisplays(Comparison &same, const FormDemo &form, const DemoModel &m)
{
    static const char *const names[] = {"A", "B", "C", "X"};
    for (int i = 0; i < 8; ++i) {
        const Label *cell = form.label(QLatin1String(kMemoryCells[i]));
        same(kMemoryCells[i], cell->isVisible(), m.panel);
        const QString caption = i < 4 ? (m.panel ? QLatin1String(names[i]) : QString())
                                      : m.cells[std::size_t(i - 4)];
        same(kMemoryCells[i], cell->caption(), caption);
    }
    for (int i = 0; i < 24; ++i) {
        same("Lbl_List(%1) red", form.Lbl_List(i)->foreColor() == kHighlight,
             bool(m.litLines[std::size_t(i)]), i);
        same("Lbl_List(%1) caption", form.Lbl_List(i)->caption(),
             form.lesson().display().listing[std::size_t(i)].text, i);
    }
    for (int i = 0; i < 27; ++i)
        same("lbl_alg(%1) red", form.lbl_alg(i)->foreColor() == kHighlight,
             bool(m.litLabels[std::size_t(i)]), i);
    for (const auto &[label, caption] : m.captions)
        same("lbl_alg(%1) caption", form.lbl_alg(label)->caption(), caption, label);
}

// The trace table, open or not, shows the trace.
void compareTrace(Comparison &same, const FormDemo &form, const DemoModel &m)
{
    same("the trace table open", form.traceTableOpen(), m.tableOpen);
    if (form.traceTableOpen())
        same("trace table rows", const_cast<FormDemo &>(form).traceTable()->grid()->model()->rowCount(),
             int(m.trace.size()));
}

} // namespace

QStringList differences(const FormDemo &form, const DemoModel &model)
{
    Comparison same;
    compareControls(same, form, model);
    compareDisplays(same, form, model);
    compareTrace(same, form, model);
    return differences(form.lesson(), model) + same.wrong;
}
