// One step of the demonstration: DemoAl shows the step the counter names on
// the listing, the flowchart and the memory panel, does what the
// demonstrated program does on that line, and moves the counter on.

#include "formdemo.h"

#include "numbertext.h"
#include "steptable.h"

#include <QLineEdit>
#include <QScopedValueRollback>

using steptable::Action;
using steptable::Variable;

// The memory's variables: A, B and C are variant numbers, each one double
// whatever was assigned to it; X is a double.
VariantNumber FormDemo::valueOf(Variable variable) const
{
    switch (variable) {
    case steptable::A: return m_A;
    case steptable::B: return m_B;
    case steptable::C: return m_C;
    default: return VariantNumber(m_X);
    }
}

void FormDemo::store(Variable variable, const VariantNumber &value)
{
    switch (variable) {
    case steptable::A: m_A = value; break;
    case steptable::B: m_B = value; break;
    case steptable::C: m_C = value; break;
    default: m_X = value.toDouble(); break;
    }
}

Label *FormDemo::cellOf(Variable variable) const
{
    Label *const cells[] = {m_Lbl_MemA, m_Lbl_MemB, m_Lbl_MemC, m_Lbl_MemX};
    return cells[variable];
}

QLineEdit *FormDemo::box(int index) const
{
    QLineEdit *const boxes[] = {m_Text1, m_Text2, m_Text3};
    return boxes[index];
}

// An input step: the number in a box into a variable, shown in its memory
// cell.
void FormDemo::read(Variable variable, const QLineEdit *box, Label *cell)
{
    // The start refuses boxes that don't hold a number and keeps them
    // disabled for the whole run, so this always reads a number.
    store(variable, VariantNumber(numbertext::parse(box->text()).value_or(0.0)));
    cell->setCaption(valueOf(variable).text());
    m_step = qint16(m_step + 1);
}

// A comparison step: its caption from the compared values, then the answer.
// On "no" the counter skips the exchange block (+4) and, once the counter
// is set, the comparison's "Нет" label lights.
void FormDemo::compare(Label *caption, const VariantNumber &left, const VariantNumber &right,
                       int noLabel, int noStep)
{
    caption->setCaption(left.text() + QStringLiteral(" > ") + right.text());
    if (left > right) {
        m_step = qint16(m_step + 1);
    } else {
        m_step = qint16(noStep);
        lbl_alg(noLabel)->setForeColor(kHighlight);
    }
}

// An assignment of an exchange block: the variable takes the value, its
// memory cell shows it, and so does the step's flowchart label, after the
// variable's name ("X = 5").
void FormDemo::assign(Variable variable, const VariantNumber &value, Label *cell, int label,
                      const char *name)
{
    store(variable, value);
    cell->setCaption(value.text());
    lbl_alg(label)->setCaption(QLatin1String(name) + QStringLiteral(" = ") + value.text());
    m_step = qint16(m_step + 1);
}

// An output step: a number written back into a box.
void FormDemo::write(QLineEdit *box, const VariantNumber &value)
{
    box->setText(value.text());
    m_step = qint16(m_step + 1);
}

void FormDemo::DemoAl()
{
    const qint16 s = m_step;
    // Only steps 1 to 24 exist; the run controls never call outside them.
    if (s < 1 || s > formdemo::kSteps)
        return;
    const QScopedValueRollback<bool> writing(m_stepWrites, true);

    Lbl_List(s - 1)->setForeColor(kHighlight);
    for (int i = 0; i < formdemo::kFlowchartLabels; ++i)
        if (lbl_alg(i)->tag().toShort() == s)
            lbl_alg(i)->setForeColor(kHighlight);

    const steptable::Step &step = steptable::step(s);
    switch (step.action) {
    case Action::Declare: // Dim A, B, C, X As Double
        m_Lbl_NameA->setVisible(true);
        m_Lbl_NameB->setVisible(true);
        m_Lbl_NameC->setVisible(true);
        m_Lbl_NameX->setVisible(true);
        m_Lbl_NameA->setCaption(QStringLiteral("A"));
        m_Lbl_NameB->setCaption(QStringLiteral("B"));
        m_Lbl_NameC->setCaption(QStringLiteral("C"));
        m_Lbl_NameX->setCaption(QStringLiteral("X"));
        m_Lbl_MemA->setVisible(true);
        m_Lbl_MemB->setVisible(true);
        m_Lbl_MemC->setVisible(true);
        m_Lbl_MemX->setVisible(true);
        m_step = qint16(s + 1);
        break;
    case Action::Read: // A = CDbl(Text1.Text)
        read(step.target, box(step.box), cellOf(step.target));
        break;
    case Action::Compare: // If A > B Then
        compare(lbl_alg(step.caption), valueOf(step.left), valueOf(step.right), step.noLabel,
                step.noStep);
        break;
    case Action::Assign: // X = A
        assign(step.target, valueOf(step.left), cellOf(step.target), step.caption,
               steptable::name(step.target));
        break;
    case Action::Write: // Text1.Text = CStr(A)
        write(box(step.box), valueOf(step.left));
        break;
    case Action::End: // End Sub
        Mem_cls();
        prog_Begin();
        break;
    case Action::Other: // Private Sub Command1_Click(), End If
        m_step = qint16(s + 1);
        break;
    }
}
