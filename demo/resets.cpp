// The procedures that return the window's displays to a known state.

#include "formdemo.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

// Controls to the idle state, step counter 0. Leaves the highlighting, the
// captions, the memory and the check mark alone.
void FormDemo::prog_Begin()
{
    m_Text1->setEnabled(true);
    m_Text2->setEnabled(true);
    m_Text3->setEnabled(true);
    m_Timer1->setInterval(m_pace);
    m_Timer1->setEnabled(false);
    m_Cmd_Preview->setEnabled(false);
    m_Cmd_Next->setEnabled(false);
    m_Cmd_Stop->setEnabled(false);
    m_Cmd_Goto->setEnabled(false);
    m_Check1->setEnabled(false);
    m_Command1->setEnabled(true);
    m_step = 0;
    m_back.clear(); // a run that is over can't be gone back through
}

// Clears the memory model, empties and hides the memory panel's cells.
void FormDemo::Mem_cls()
{
    m_A = VariantNumber(0);
    m_B = VariantNumber(0);
    m_C = VariantNumber(0);
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
    for (int i = 0; i < formdemo::kFlowchartLabels; ++i)
        lbl_alg(i)->setForeColor(kNormal);
    for (int i = 0; i < formdemo::kListingLines; ++i)
        Lbl_List(i)->setForeColor(kNormal);
    alg_caption_CLS();
}

// Restores the flowchart captions that the steps write values into, as the
// table gives them, label by label: lbl_alg(1) empty, then the comparisons
// and the assignments of lbl_alg(5) to lbl_alg(21), spaced ("X = A").
void FormDemo::alg_caption_CLS()
{
    for (int i = 0; i < formdemo::kFlowchartLabels; ++i)
        if (const std::optional<QString> &caption = m_restoredCaptions[std::size_t(i)])
            lbl_alg(i)->setCaption(*caption);
}
