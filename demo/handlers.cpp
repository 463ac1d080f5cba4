// The window's event handlers: start, pace, pause, step, go back, reset and
// end a demonstration, clear the displays, show the about box.
//
// The run controls available ("on") in each state of the window:
//
//   state                      Text1-3  Command1  Check1       Cmd_Next  Cmd_Goto,  Timer1
//                                                                        Cmd_Stop
//   idle                       on       on        off          off       off        off
//   started                    off      off       on, ticked   on        off        off
//   step by step (ticked)      off      off       on, ticked   on        off        off
//   automatic, paused          off      off       on, cleared  off       on         off
//   automatic, running         off      off       on, cleared  off       on         on
//
// Ticking "Пошаговый режим" while the timer runs pauses the run: the timer
// stops, "Вперед" goes on by hand and "Стоп" is no longer needed. (Left
// running, the steps would go on coming by themselves in step-by-step mode,
// with "Вперед" and "Назад" offered between them and the button that stops
// them withheld.)
//
// The timer ticks at the teacher's pace: 500 ms unless another is chosen.
//
// "Назад" (Cmd_Preview) goes back one step. It is available exactly while
// "Вперед" is and at least one step of this run has been shown: never at a
// start, in automatic mode, before the first step or after the last.

#include "formdemo.h"

#include "accessibility.h"

#include "demoprogram.h"
#include "inventory.h"
#include "numberbox.h"
#include "steptable.h"

#include <QAccessible>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScopedValueRollback>

#ifdef Q_OS_WASM
#include "page.h"
#endif

void FormDemo::Form_Load()
{
    prog_Begin();
    alg_cls();
    Mem_cls();
    clearTrace();
    m_Command1->setFocus(Qt::OtherFocusReason); // the next action: a start
    withdrawAnnouncement(this); // nothing said of a run that is gone
}

// The sort button of the pictured window: starts a demonstration in
// step-by-step mode with the timer off.
void FormDemo::Command1_Click()
{
    if (!inputsAreNumbers())
        return;
    m_Command1->setEnabled(false);
    alg_cls();
    clearTrace();
    m_Timer1->setInterval(m_pace);
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
// follow the mode. Ticked while the timer runs, it pauses the run.
void FormDemo::Check1_Click()
{
    if (m_Check1->isChecked()) {
        m_Cmd_Preview->setEnabled(!m_back.empty()); // once a step is shown
        m_Cmd_Next->setEnabled(true);
        m_Cmd_Goto->setEnabled(false);
        m_Cmd_Stop->setEnabled(false);
        if (m_Timer1->isEnabled()) {
            m_Timer1->setEnabled(false);
            announce(this, tr("Показ приостановлен: пошаговый режим, «Вперед» — следующий шаг"));
        }
    } else {
        m_Cmd_Preview->setEnabled(false);
        m_Cmd_Next->setEnabled(false);
        m_Cmd_Goto->setEnabled(true);
        m_Cmd_Stop->setEnabled(true);
    }
}

// "Вперед": exactly one step, as a tick would show it (a screen reader
// tells it in full).
void FormDemo::Cmd_Next_Click()
{
    const QScopedValueRollback<bool> pressed(m_stepPressed, true);
    Timer1_Timer();
}

// A step, as the pace shows it. With «Проверь себя» on, a comparison asks
// the class first.
void FormDemo::Timer1_Timer()
{
    const qint16 s = m_step;
    if (s < 1 || s > formdemo::kSteps || m_asking)
        return;
    if (m_quiz && steptable::step(s).action == steptable::Action::Compare) {
        ask(s, [this, pressed = m_stepPressed](Answer answer) {
            const QScopedValueRollback<bool> byHand(m_stepPressed, pressed);
            showStep(answer);
        });
        return;
    }
    showStep(Answer::NotAsked);
}

void FormDemo::showStep(Answer answer)
{
    const qint16 shown = m_step;
    State before = state();
    DemoAl();
    // What a screen reader is told, now and when "Назад" comes back to it.
    const QString report = QAccessible::isActive() ? stepReport(shown, before) : QString();
    if (m_step != 0) {
        before.said = report;
        m_back.push_back(std::move(before));
    }
    Verdict verdict = Verdict::None;
    const TraceRow row = traceRow(shown, answer, &verdict);
    appendTrace(row, verdict);
    offerBack();
    // The run's end leaves the sorted numbers and the highlighting on the
    // screen until a deliberate start: the focus goes to the first box,
    // ready for the next numbers, where Enter presses nothing.
    const bool ended = m_step == 0 && shown == formdemo::kSteps;
    if (ended) {
        m_Text1->setFocus(Qt::OtherFocusReason);
        m_Text1->selectAll();
    }
    announceStep(shown, report);
    if (ended)
        tellScore();
}

// "Назад": the window exactly as it was before the last step shown, whatever
// happened since (a double click's clearing too); "Вперед" shows that step
// again. A screen reader hears the step now shown.
void FormDemo::Cmd_Preview_Click()
{
    if (m_back.empty())
        return;
    restore(m_back.back());
    m_back.pop_back();
    dropLastTraceRow(); // and the class's answer to it
    offerBack();
    if (!m_Cmd_Preview->isEnabled())
        m_Cmd_Next->setFocus(Qt::OtherFocusReason);
    announce(this, tr("Назад. %1").arg(m_back.empty() ? tr("Ни один шаг еще не показан.")
                                                       : m_back.back().said));
}

void FormDemo::offerBack()
{
    m_Cmd_Preview->setEnabled(m_Cmd_Next->isEnabled() && !m_back.empty());
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
    announce(this, tr("Выделение и память очищены"));
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
    web::openInPage(box, [] {});
#else
    box.exec();
#endif
}

void FormDemo::Text1_Change() {}
void FormDemo::Text2_Change() {}
void FormDemo::Text3_Change() {}

// Ends the program at once, also with the timer running: no further tick
// or handler runs.
void FormDemo::endProgram()
{
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
