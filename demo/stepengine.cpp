// One step of the demonstration: DemoAl shows the step the counter names on
// the listing, the flowchart and the memory panel, does what the
// demonstrated program does on that line, and moves the counter on.

#include "formdemo.h"

#include "numbertext.h"

#include <QLineEdit>
#include <QScopedValueRollback>

namespace {

// The memory's variables: A, B and C keep the type of what they are
// given; X is a double.
void store(VariantNumber &variable, const VariantNumber &value) { variable = value; }
void store(double &variable, const VariantNumber &value) { variable = value.toDouble(); }

} // namespace

// An input step: the number in a box into a variable, shown in its memory
// cell.
void FormDemo::read(VariantNumber &variable, const QLineEdit *box, Label *cell)
{
    // The start refuses boxes that don't hold a number and keeps them
    // disabled for the whole run, so this always reads a number.
    variable = VariantNumber(numbertext::parse(box->text()).value_or(0.0));
    cell->setCaption(variable.text());
    m_step = qint16(m_step + 1);
}

// A comparison step: its caption from the compared values, then the answer.
// On "no" the counter skips the exchange block (+4) and, once the counter
// is set, the comparison's "Нет" label lights.
void FormDemo::compare(Label *caption, const VariantNumber &left, const VariantNumber &right,
                       int noLabel)
{
    caption->setCaption(left.text() + QStringLiteral(" > ") + right.text());
    if (left > right) {
        m_step = qint16(m_step + 1);
    } else {
        m_step = qint16(m_step + 4);
        lbl_alg(noLabel)->setForeColor(kHighlight);
    }
}

// An assignment of an exchange block: the variable takes the value, its
// memory cell shows it, and so does the step's flowchart label, after the
// variable's name ("X = 5").
template <typename Variable>
void FormDemo::assign(Variable &variable, const VariantNumber &value, Label *cell, int label,
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

    switch (s) {
    case 2: // Dim A, B, C, X As Double
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
        m_step = 3;
        break;
    // The second box goes into B ("Ввод В") and the third into C, whatever
    // the listing's lines say.
    case 3: read(m_A, m_Text1, m_Lbl_MemA); break;
    case 4: read(m_B, m_Text2, m_Lbl_MemB); break;
    case 5: read(m_C, m_Text3, m_Lbl_MemC); break;

    case 6: compare(lbl_alg(5), m_A, m_B, 10); break;                    // If A > B Then
    case 7: assign(m_X, m_A, m_Lbl_MemX, 7, "X"); break;                 // X = A
    case 8: assign(m_A, m_B, m_Lbl_MemA, 8, "A"); break;                 // A = B
    case 9: assign(m_B, VariantNumber(m_X), m_Lbl_MemB, 9, "B"); break;  // B = X

    case 11: compare(lbl_alg(11), m_B, m_C, 16); break;                  // If B > C Then
    case 12: assign(m_X, m_C, m_Lbl_MemX, 13, "X"); break;               // X = C
    case 13: assign(m_C, m_B, m_Lbl_MemC, 14, "C"); break;               // C = B
    case 14: assign(m_B, VariantNumber(m_X), m_Lbl_MemB, 15, "B"); break; // B = X

    case 16: compare(lbl_alg(17), m_A, m_B, 22); break;                  // If A > B Then
    case 17: assign(m_X, m_A, m_Lbl_MemX, 19, "X"); break;               // X = A
    case 18: assign(m_A, m_B, m_Lbl_MemA, 20, "A"); break;               // A = B
    case 19: assign(m_B, VariantNumber(m_X), m_Lbl_MemB, 21, "B"); break; // B = X

    case 21: write(m_Text1, m_A); break; // Text1.Text = CStr(A)
    case 22: write(m_Text2, m_B); break; // Text2.Text = CStr(B)
    case 23: write(m_Text3, m_C); break; // Text3.Text = CStr(C)
    case 24:                             // End Sub
        Mem_cls();
        prog_Begin();
        break;
    default: // Private Sub Command1_Click(), End If
        m_step = qint16(s + 1);
        break;
    }
}
