// The procedures that return the window's displays to a known state.

#include "formdemo.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

// Controls to the idle state, step counter 0, the focus on the sort button.
// Leaves the highlighting, the captions, the memory and the check mark alone.
void FormDemo::prog_Begin()
{
    m_Text1->setEnabled(true);
    m_Text2->setEnabled(true);
    m_Text3->setEnabled(true);
    m_Timer1->setInterval(500);
    m_Timer1->setEnabled(false);
    m_Cmd_Preview->setEnabled(false);
    m_Cmd_Next->setEnabled(false);
    m_Cmd_Stop->setEnabled(false);
    m_Cmd_Goto->setEnabled(false);
    m_Check1->setEnabled(false);
    m_Command1->setEnabled(true);
    m_step = 0;
    m_Command1->setFocus(Qt::OtherFocusReason);
}

// Clears the memory model, empties and hides the memory panel's cells.
void FormDemo::Mem_cls()
{
    m_A = VariantNumber::integer(0);
    m_B = VariantNumber::integer(0);
    m_C = VariantNumber::integer(0);
    m_X = 0;
    clearMemoryPanel();
}

// Empties and hides the memory panel's cells; the memory itself stays.
void FormDemo::clearMemoryPanel()
{
    m_Lbl_MemA->setCaption(QString());
    m_Lbl_MemB->setCaption(QString());
    m_Lbl_MemC->setCaption(QString());
    m_Lbl_MemX->setCaption(QString());
    m_Lbl_NameA->setCaption(QString());
    m_Lbl_NameB->setCaption(QString());
    m_Lbl_NameC->setCaption(QString());
    m_Lbl_NameX->setCaption(QString());
    m_Lbl_NameA->setVisible(false);
    m_Lbl_NameB->setVisible(false);
    m_Lbl_NameC->setVisible(false);
    m_Lbl_NameX->setVisible(false);
    m_Lbl_MemA->setVisible(false);
    m_Lbl_MemB->setVisible(false);
    m_Lbl_MemC->setVisible(false);
    m_Lbl_MemX->setVisible(false);
}

// Clears all three displays: memory, highlighting, flowchart captions.
// The step counter and the enabled states stay as they are.
void FormDemo::alg_cls()
{
    Mem_cls();
    clearHighlightAndCaptions();
}

// The flowchart and the listing black again, the flowchart captions restored.
void FormDemo::clearHighlightAndCaptions()
{
    for (int i = 0; i <= 26; ++i)
        lbl_alg(i)->setForeColor(kNormal);
    for (int i = 0; i <= 23; ++i)
        Lbl_List(i)->setForeColor(kNormal);
    alg_caption_CLS();
}

// Restores the flowchart captions that the steps write values into.
void FormDemo::alg_caption_CLS()
{
    lbl_alg(1)->setCaption(QString());
    lbl_alg(5)->setCaption(QStringLiteral("A > B"));
    lbl_alg(7)->setCaption(QStringLiteral("X = A"));
    lbl_alg(8)->setCaption(QStringLiteral("A = B"));
    lbl_alg(9)->setCaption(QStringLiteral("B = X"));
    lbl_alg(11)->setCaption(QStringLiteral("B > C"));
    lbl_alg(13)->setCaption(QStringLiteral("X = C"));
    lbl_alg(14)->setCaption(QStringLiteral("C = B"));
    lbl_alg(15)->setCaption(QStringLiteral("B = X"));
    lbl_alg(17)->setCaption(QStringLiteral("A > B"));
    lbl_alg(19)->setCaption(QStringLiteral("X = A"));
    lbl_alg(20)->setCaption(QStringLiteral("A = B"));
    lbl_alg(21)->setCaption(QStringLiteral("B = X"));
}
