// One step of the demonstration: DemoAl shows the step the counter names on
// the listing, the flowchart and the memory panel, does what the
// demonstrated program does on that line, and moves the counter on.

#include "formdemo.h"

#include "numbertext.h"

#include <QLineEdit>
#include <QScopedValueRollback>

namespace {
// The number text of X, a plain double.
QString text(double x) { return numbertext::format(x); }
} // namespace

double FormDemo::boxNumber(const QLineEdit *box)
{
    // The start refuses boxes that don't hold a number and keeps them
    // disabled for the whole run, so this always reads a number.
    return numbertext::parse(box->text()).value_or(0.0);
}

// A comparison step: its caption from the compared values, then the answer.
// On "no" the counter skips the exchange block (+4) and, once the counter
// is set, the comparison's "Нет" label lights.
void FormDemo::compare(Label *caption, const VariantNumber &left, const char *op,
                       const VariantNumber &right, int noLabel, qint16 yesStep)
{
    caption->setCaption(left.text() + QLatin1String(op) + right.text());
    if (left > right) {
        m_step = yesStep;
    } else {
        m_step = qint16(yesStep + 3);
        lbl_alg(noLabel)->setForeColor(kHighlight);
    }
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
    case 1: // Private Sub Command1_Click()
        m_step = 2;
        break;
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
    case 3: // A = CDbl(Text1.Text)
        m_A = VariantNumber(boxNumber(m_Text1));
        m_Lbl_MemA->setCaption(m_A.text());
        m_step = 4;
        break;
    case 4: // the second box into B ("Ввод В")
        m_B = VariantNumber(boxNumber(m_Text2));
        m_Lbl_MemB->setCaption(m_B.text());
        m_step = 5;
        break;
    case 5: // the third box into C ("Ввод С")
        m_C = VariantNumber(boxNumber(m_Text3));
        m_Lbl_MemC->setCaption(m_C.text());
        m_step = 6;
        break;

    case 6: // If A > B Then
        compare(lbl_alg(5), m_A, " > ", m_B, 10, 7);
        break;
    case 7: // X = A
        m_X = m_A.toDouble();
        m_Lbl_MemX->setCaption(text(m_X));
        lbl_alg(7)->setCaption(QStringLiteral("X = ") + m_A.text());
        m_step = 8;
        break;
    case 8: // A = B
        m_A = m_B;
        m_Lbl_MemA->setCaption(m_A.text());
        lbl_alg(8)->setCaption(QStringLiteral("A = ") + m_B.text());
        m_step = 9;
        break;
    case 9: // B = X
        m_B = VariantNumber(m_X);
        m_Lbl_MemB->setCaption(m_B.text());
        lbl_alg(9)->setCaption(QStringLiteral("B = ") + text(m_X));
        m_step = 10;
        break;
    case 10: // End If
        m_step = 11;
        break;

    case 11: // If B > C Then
        compare(lbl_alg(11), m_B, " > ", m_C, 16, 12);
        break;
    case 12: // X = C
        m_X = m_C.toDouble();
        m_Lbl_MemX->setCaption(text(m_X));
        lbl_alg(13)->setCaption(QStringLiteral("X = ") + m_C.text());
        m_step = 13;
        break;
    case 13: // C = B
        m_C = m_B;
        m_Lbl_MemC->setCaption(m_C.text());
        lbl_alg(14)->setCaption(QStringLiteral("C = ") + m_B.text());
        m_step = 14;
        break;
    case 14: // B = X
        m_B = VariantNumber(m_X);
        m_Lbl_MemB->setCaption(m_B.text());
        lbl_alg(15)->setCaption(QStringLiteral("B = ") + text(m_X));
        m_step = 15;
        break;
    case 15: // End If
        m_step = 16;
        break;

    case 16: // If A > B Then
        compare(lbl_alg(17), m_A, " > ", m_B, 22, 17);
        break;
    case 17: // X = A
        m_X = m_A.toDouble();
        m_Lbl_MemX->setCaption(text(m_X));
        lbl_alg(19)->setCaption(QStringLiteral("X = ") + m_A.text());
        m_step = 18;
        break;
    case 18: // A = B
        m_A = m_B;
        m_Lbl_MemA->setCaption(m_A.text());
        lbl_alg(20)->setCaption(QStringLiteral("A = ") + m_B.text());
        m_step = 19;
        break;
    case 19: // B = X
        m_B = VariantNumber(m_X);
        m_Lbl_MemB->setCaption(m_B.text());
        lbl_alg(21)->setCaption(QStringLiteral("B = ") + text(m_X));
        m_step = 20;
        break;
    case 20: // End If
        m_step = 21;
        break;

    case 21: // Text1.Text = CStr(A)
        m_Text1->setText(m_A.text());
        m_step = 22;
        break;
    case 22: // Text2.Text = CStr(B)
        m_Text2->setText(m_B.text());
        m_step = 23;
        break;
    case 23: // Text3.Text = CStr(C)
        m_Text3->setText(m_C.text());
        m_step = 24;
        break;
    case 24: // End Sub
        Mem_cls();
        prog_Begin();
        break;
    }
}
