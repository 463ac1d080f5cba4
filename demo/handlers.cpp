// The window's event handlers: start, pace, pause, step, reset and end a
// demonstration, clear the displays, show the about box.

#include "formdemo.h"

#include "demoprogram.h"
#include "inventory.h"
#include "numberbox.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#ifdef Q_OS_WASM
#include "page.h"
#endif

void FormDemo::Form_Load()
{
    prog_Begin();
    alg_cls();
    Mem_cls();
    m_Command1->setFocus(Qt::OtherFocusReason); // the next action: a start
}

// The sort button of the pictured window: starts a demonstration in
// step-by-step mode with the timer off.
void FormDemo::Command1_Click()
{
    if (!inputsAreNumbers())
        return;
    m_Command1->setEnabled(false);
    alg_cls();
    m_Timer1->setInterval(formdemo::kStepIntervalMs);
    m_Cmd_Next->setEnabled(true);
    m_Cmd_Stop->setEnabled(false);
    m_Cmd_Goto->setEnabled(false);
    m_Check1->setEnabled(true);
    m_Check1->setChecked(true); // raises Check1_Click here if the value changes
    m_Timer1->setEnabled(false);
    m_step = 1;
    m_Cmd_Next->setEnabled(true);
    m_Text1->setEnabled(false);
    m_Text2->setEnabled(false);
    m_Text3->setEnabled(false);
    m_Cmd_Next->setFocus(Qt::OtherFocusReason); // the next action
}

// "Пошаговый режим" changed, by the user or by the start: the run buttons
// follow the mode. The timer is left as it is.
void FormDemo::Check1_Click()
{
    if (m_Check1->isChecked()) {
        m_Cmd_Preview->setEnabled(true);
        m_Cmd_Next->setEnabled(true);
        m_Cmd_Goto->setEnabled(false);
        m_Cmd_Stop->setEnabled(false);
    } else {
        m_Cmd_Preview->setEnabled(false);
        m_Cmd_Next->setEnabled(false);
        m_Cmd_Goto->setEnabled(true);
        m_Cmd_Stop->setEnabled(true);
    }
}

// "Вперед": exactly one step, as a tick would show it.
void FormDemo::Cmd_Next_Click()
{
    Timer1_Timer();
}

void FormDemo::Timer1_Timer()
{
    const qint16 shown = m_step;
    const Displays before = displays();
    DemoAl();
    // The run's end leaves the sorted numbers and the highlighting on the
    // screen until a deliberate start: the focus goes to the first box,
    // ready for the next numbers, where Enter presses nothing.
    if (m_step == 0 && shown == formdemo::kSteps) {
        m_Text1->setFocus(Qt::OtherFocusReason);
        m_Text1->selectAll();
    }
    announceStep(shown, before);
}

// "Продолжить"
void FormDemo::Cmd_Goto_Click()
{
    m_Timer1->setEnabled(true);
    m_Cmd_Stop->setFocus(Qt::OtherFocusReason);
}

// "Стоп"
void FormDemo::Cmd_Stop_Click()
{
    m_Timer1->setEnabled(false);
    m_Cmd_Goto->setFocus(Qt::OtherFocusReason);
}

// "Сброс": the window as it was loaded; the boxes keep their text.
void FormDemo::Cmd_Reset_Click()
{
    Form_Load();
}

// "Выход"
void FormDemo::Command3_Click()
{
    endProgram();
}

// The hot spot on the pictured window's close box.
void FormDemo::Image3_Click()
{
    endProgram();
}

// A double click on bare window background clears the displays: the memory
// panel, the highlighting and the flowchart captions. The memory itself is
// kept, so a running demonstration goes on from the same step with the
// numbers it has read and still writes the sorted numbers back. (Idle, the
// memory is zero already.)
void FormDemo::Form_DblClick()
{
    clearMemoryPanel();
    clearHighlightAndCaptions();
}

QString FormDemo::aboutText()
{
    const launch::Program program = demoProgram();
    return tr("%1 %2 — демонстрация сортировки трех чисел").arg(program.name, program.version);
}

// Esc, whichever control has the focus: the about box. Nothing else changes.
void FormDemo::Form_KeyPress(int keyAscii)
{
    if (keyAscii != 27)
        return;
    QMessageBox box(QMessageBox::NoIcon, tr("Об авторе..."), aboutText(),
                    QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
#ifdef Q_OS_WASM
    if (web::openedInstead(box, [] {}))
        return;
#endif
    box.exec();
}

void FormDemo::Text1_Change() {}
void FormDemo::Text2_Change() {}
void FormDemo::Text3_Change() {}

// Ends the program at once, also with the timer running: no further tick
// or handler runs.
void FormDemo::endProgram()
{
    m_ended = true;
    m_Timer1->setEnabled(false);
    emit programEnded();
    close();
    QCoreApplication::quit();
}

bool FormDemo::inputsAreNumbers()
{
    const std::pair<QLineEdit *, const char *> boxes[] = {
        {m_Text1, "Label25"}, {m_Text2, "Label26"}, {m_Text3, "Label27"}};
    for (const auto &[box, labelName] : boxes)
        if (!numberbox::read(box, label(QString::fromLatin1(labelName))->caption(), this))
            return false;
    return true;
}
