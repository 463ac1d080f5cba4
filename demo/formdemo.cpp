// The demonstrator's window: its controls made from the inventory, the
// procedures and event handlers of a demonstration, and what the window
// renders of the lesson.
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
#include "builtinimages.h"
#include "kalumet_program.h"
#include "messagebox.h"
#include "numberbox.h"
#include "teacher.h"
#include "tracetable.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStyle>
#include <QToolTip>

#include <algorithm>

FormDemo::FormDemo(int pace, lesson::Language language, QWidget *parent)
    : DrawnWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                              | Qt::WindowCloseButtonHint)
{
    loadClassicFaces({FontRole::Text, FontRole::Bold, FontRole::Heading});
    setWindowTitle(tr(formdemo::kCaption));

    // The pictures are drawn in the standard colour scheme, so the window
    // keeps it whatever the desktop's theme: button face background.
    QPalette pal = style()->standardPalette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Button));
    setPalette(pal);
    setAutoFillBackground(true);
    setFont(classicFont(FontRole::Text));

    makeWindow(controlInventory(), builtInPixmap(formdemo::kBackgroundPicture));
    m_Timer1 = new IntervalTimer(this);
    m_Timer1->setObjectName(QStringLiteral("Timer1"));
    bindMembers();
    m_lesson = new lesson::Lesson(design(), pace, language, this);
    m_teacher = new Teacher(*m_lesson, m_Cmd_Next, m_Cmd_Preview, this);
    // Where no side of the screen has room for it, the trace table covers
    // the memory panel, whose values its last row shows too, and the
    // picture above it up to the pictured window's sort button: never the
    // flowchart, the listing, the pictured window's boxes and button or the
    // run controls.
    const QRect memory = drawn(QStringLiteral("Shape5"))->pixels();
    m_teacher->setTableCoverable(QRect(QPoint(memory.left(), m_Command1->geometry().bottom() + 1),
                                       QPoint(toPixels(formdemo::kClientWidthTwips) - 1,
                                              memory.bottom())));
    setKeyPreview();
    connectHandlers();
    guardBoxesDuringRuns();

    // The client area; a resize moves and scales nothing.
    resize(toPixels(formdemo::kClientWidthTwips), toPixels(formdemo::kClientHeightTwips));
    // Centred on the screen; a window larger than the screen's available
    // area opens with its top-left corner, and so its title bar, on it.
    if (const QScreen *screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        QRect frame(QPoint(), size());
        frame.moveCenter(area.center());
        move(std::max(frame.left(), area.left()), std::max(frame.top(), area.top()));
    }

    Form_Load(); // which puts the focus on the sort button
}

void FormDemo::bindMembers()
{
    for (int i = 0; i < formdemo::kFlowchartLabels; ++i)
        m_lbl_alg[std::size_t(i)] = named<Label>(QStringLiteral("lbl_alg(%1)").arg(i));
    for (int i = 0; i < formdemo::kListingLines; ++i)
        m_Lbl_List[std::size_t(i)] = named<Label>(QStringLiteral("Lbl_List(%1)").arg(i));
    for (int v = 0; v < 4; ++v) {
        const QLatin1String variable(lesson::name(lesson::Variable(v)));
        m_names[std::size_t(v)] = named<Label>(QStringLiteral("Lbl_Name") + variable);
        m_cells[std::size_t(v)] = named<Label>(QStringLiteral("Lbl_Mem") + variable);
    }

    m_Text1 = named<QLineEdit>(QStringLiteral("Text1"));
    m_Text2 = named<QLineEdit>(QStringLiteral("Text2"));
    m_Text3 = named<QLineEdit>(QStringLiteral("Text3"));
    m_Command1 = named<QPushButton>(QStringLiteral("Command1"));
    m_Check1 = named<QCheckBox>(QStringLiteral("Check1"));
    m_Cmd_Preview = named<QPushButton>(QStringLiteral("Cmd_Preview"));
    m_Cmd_Next = named<QPushButton>(QStringLiteral("Cmd_Next"));
    m_Cmd_Stop = named<QPushButton>(QStringLiteral("Cmd_Stop"));
    m_Cmd_Goto = named<QPushButton>(QStringLiteral("Cmd_Goto"));
    m_Cmd_Reset = named<QPushButton>(QStringLiteral("Cmd_Reset"));
    m_Command3 = named<QPushButton>(QStringLiteral("Command3"));
}

// What the labels show as they are made, the captions the inventory has
// alg_caption_CLS restore, and the boxes' names (their labels' captions).
lesson::Design FormDemo::design() const
{
    lesson::Design d;
    for (int i = 0; i < formdemo::kListingLines; ++i)
        d.shown.listing[std::size_t(i)] = {Lbl_List(i)->caption(), Lbl_List(i)->isLit()};
    for (int i = 0; i < formdemo::kFlowchartLabels; ++i)
        d.shown.flowchart[std::size_t(i)] = {lbl_alg(i)->caption(), lbl_alg(i)->isLit()};
    d.shown.memoryShown = m_names[0]->isVisible();
    for (std::size_t v = 0; v < 4; ++v)
        d.shown.memory[v] = m_cells[v]->caption();
    for (const ControlRow &row : controlInventory())
        if (row.restored)
            d.restored[std::size_t(row.index)] = *row.restored;
    d.boxNames = {m_Text1->accessibleName(), m_Text2->accessibleName(), m_Text3->accessibleName()};
    return d;
}

// Key preview: the window sees every key before the focused control (and
// the pointer entering one of the controls that take the focus, which are
// all its live controls).
void FormDemo::setKeyPreview()
{
    for (QWidget *control : tabOrder())
        control->installEventFilter(this);
}

void FormDemo::connectHandlers()
{
    connect(m_Command1, &QPushButton::clicked, this, &FormDemo::Command1_Click);
    connect(m_Check1, &QCheckBox::toggled, this, &FormDemo::Check1_Click);
    connect(m_Cmd_Next, &QPushButton::clicked, this, &FormDemo::Cmd_Next_Click);
    connect(m_Cmd_Goto, &QPushButton::clicked, this, &FormDemo::Cmd_Goto_Click);
    connect(m_Cmd_Stop, &QPushButton::clicked, this, &FormDemo::Cmd_Stop_Click);
    connect(m_Cmd_Reset, &QPushButton::clicked, this, &FormDemo::Cmd_Reset_Click);
    connect(m_Command3, &QPushButton::clicked, this, &FormDemo::Command3_Click);
    connect(m_Cmd_Preview, &QPushButton::clicked, this, &FormDemo::Cmd_Preview_Click);
    connect(m_Text1, &QLineEdit::textChanged, this, &FormDemo::Text1_Change);
    connect(m_Text2, &QLineEdit::textChanged, this, &FormDemo::Text2_Change);
    connect(m_Text3, &QLineEdit::textChanged, this, &FormDemo::Text3_Change);
    connect(m_Timer1, &IntervalTimer::Timer, this, &FormDemo::Timer1_Timer);
    connect(named<ImageBox>(QStringLiteral("Image3")), &ImageBox::clicked, this,
            &FormDemo::Image3_Click);

    // What the lesson shows, says and offers.
    connect(m_lesson, &lesson::Lesson::displayChanged, this, &FormDemo::render);
    connect(m_lesson, &lesson::Lesson::availabilityChanged, this, &FormDemo::offerBack);
    connect(m_lesson, &lesson::Lesson::said, this, [this](const QString &text) { announce(this, text); });
    // At once, also in the middle of an automatic run: the next step comes
    // one new pace from now.
    connect(m_lesson, &lesson::Lesson::paceChanged, m_Timer1, &IntervalTimer::setInterval);
    connect(m_lesson, &lesson::Lesson::asked, this, &FormDemo::ask);
    connect(m_lesson, &lesson::Lesson::scored, this, &FormDemo::showScore);
}

// While a run goes on only its steps write the boxes. An edit from
// anywhere else (assistive technology can set a disabled box's text) is
// undone at once, and assistive technology hears of neither change: the
// run reads and writes back the numbers it started with. (Qt's bridge still
// answers the edit's request as done; it answers every one so.)
void FormDemo::guardBoxesDuringRuns()
{
    for (QLineEdit *box : {m_Text1, m_Text2, m_Text3})
        connect(box, &QLineEdit::textChanged, this, [this, box, kept = box->text()]() mutable {
            if (!m_lesson->running() || m_stepWrites) {
                kept = box->text();
            } else if (box->text() != kept) {
                silenceUntilIdle(box);
                box->setText(kept);
            }
        });
}

void FormDemo::render()
{
    const lesson::Display &shown = m_lesson->display();
    const auto show = [](Label *label, const lesson::Display::Caption &caption) {
        label->setCaption(caption.text);
        label->setForeColor(caption.lit ? kHighlight : kNormal);
    };
    for (int i = 0; i < formdemo::kListingLines; ++i)
        show(Lbl_List(i), shown.listing[std::size_t(i)]);
    for (int i = 0; i < formdemo::kFlowchartLabels; ++i)
        show(lbl_alg(i), shown.flowchart[std::size_t(i)]);
    // The memory panel: the names and the value cells, shown or hidden
    // together.
    for (std::size_t v = 0; v < 4; ++v) {
        const QString name = shown.memoryShown ? QLatin1String(lesson::name(lesson::Variable(v)))
                                               : QString();
        for (Label *cell : {m_names[v], m_cells[v]})
            if (shown.memoryShown)
                cell->setVisible(true);
        m_names[v]->setCaption(name);
        m_cells[v]->setCaption(shown.memory[v]);
        for (Label *cell : {m_names[v], m_cells[v]})
            if (!shown.memoryShown)
                cell->setVisible(false);
    }
}

void FormDemo::writeBoxes()
{
    const QScopedValueRollback<bool> writing(m_stepWrites, true);
    QLineEdit *const boxes[] = {m_Text1, m_Text2, m_Text3};
    for (std::size_t i = 0; i < lesson::kBoxes; ++i)
        boxes[i]->setText(m_lesson->run().boxes[i]);
}

// One step of the demonstration: the lesson carries out the step the
// counter names as the program does (its listing line and flowchart
// blocks lit, the action of its line on the memory, the captions written,
// the counter moved on), and the window renders it as it goes: the
// display, the number written into a box, and at the end Mem_cls and
// prog_Begin.
void FormDemo::DemoAl()
{
    const QScopedValueRollback<bool> writing(m_stepWrites, true);
    const lesson::StepResult &step = m_lesson->step();
    QLineEdit *const boxes[] = {m_Text1, m_Text2, m_Text3};
    if (step.box >= 0)
        boxes[step.box]->setText(step.boxText);
    if (step.ended) {
        Mem_cls();
        prog_Begin();
    }
}

// Controls to the idle state, step counter 0. Leaves the highlighting, the
// captions, the memory and the check mark alone.
void FormDemo::prog_Begin()
{
    m_Text1->setEnabled(true);
    m_Text2->setEnabled(true);
    m_Text3->setEnabled(true);
    m_Timer1->setInterval(m_lesson->pace());
    m_Timer1->setEnabled(false);
    m_Cmd_Preview->setEnabled(false);
    m_Cmd_Next->setEnabled(false);
    m_Cmd_Stop->setEnabled(false);
    m_Cmd_Goto->setEnabled(false);
    m_Check1->setEnabled(false);
    m_Command1->setEnabled(true);
    m_lesson->stop(); // step counter 0
}

// Clears the memory model, empties and hides the memory panel's cells.
void FormDemo::Mem_cls()
{
    m_lesson->clearMemory();
}

// Clears all three displays: memory, highlighting, flowchart captions.
// The step counter and the enabled states stay as they are.
void FormDemo::alg_cls()
{
    Mem_cls();
    m_lesson->clearHighlight();
    alg_caption_CLS();
}

// Restores the flowchart captions that the steps write values into:
// lbl_alg(1) empty, then the comparisons and the assignments of lbl_alg(5)
// to lbl_alg(21), spaced ("X = A").
void FormDemo::alg_caption_CLS()
{
    m_lesson->restoreCaptions();
}

void FormDemo::Form_Load()
{
    prog_Begin();
    alg_cls();
    Mem_cls();
    m_lesson->clearTrace();
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
    m_Timer1->setInterval(m_lesson->pace());
    m_Cmd_Next->setEnabled(true);
    m_Cmd_Stop->setEnabled(false);
    m_Cmd_Goto->setEnabled(false);
    m_Check1->setEnabled(true);
    m_Check1->setChecked(true); // raises Check1_Click here if the value changes
    m_Timer1->setEnabled(false);
    // Step counter 1: a run that reads the boxes as they are, with an empty
    // trace.
    m_lesson->start({m_Text1->text(), m_Text2->text(), m_Text3->text()});
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
        m_Cmd_Preview->setEnabled(m_lesson->canGoBack()); // once a step is shown
        m_Cmd_Next->setEnabled(true);
        m_Cmd_Goto->setEnabled(false);
        m_Cmd_Stop->setEnabled(false);
        if (m_Timer1->isEnabled()) {
            m_Timer1->setEnabled(false);
            m_lesson->say(tr("Показ приостановлен: пошаговый режим, «Вперед» — следующий шаг"));
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

// A step, as the pace shows it: DemoAl. With «Проверь себя» on, a
// comparison asks the class first (the lesson's question, ask()), and the
// step comes once the class has answered.
void FormDemo::Timer1_Timer()
{
    if (!m_lesson->canStep())
        return;
    if (m_lesson->asksFirst()) {
        m_askedByHand = m_stepPressed;
        m_lesson->ask();
        return;
    }
    showStep();
}

// DemoAl, and what follows it. The run's end leaves the sorted numbers and
// the highlighting on the screen until a deliberate start: the focus goes
// to the first box, ready for the next numbers, where Enter presses
// nothing. Then a screen reader hears of the step.
void FormDemo::showStep()
{
    DemoAl();
    if (m_lesson->run().counter == 0) {
        m_Text1->setFocus(Qt::OtherFocusReason);
        m_Text1->selectAll();
    }
    m_lesson->tell(m_stepPressed, QApplication::activeModalWidget() != nullptr);
}

// "Назад": the run and the window exactly as they were before the last
// step shown, whatever happened since (a double click's clearing too);
// "Вперед" shows that step again. A screen reader hears the step now shown.
void FormDemo::Cmd_Preview_Click()
{
    if (!m_lesson->canGoBack())
        return;
    m_lesson->goBack(); // which offers "Назад" anew
    writeBoxes();
    if (!m_Cmd_Preview->isEnabled())
        m_Cmd_Next->setFocus(Qt::OtherFocusReason);
    m_lesson->tell(true, false);
}

void FormDemo::offerBack()
{
    m_Cmd_Preview->setEnabled(m_Cmd_Next->isEnabled() && m_lesson->canGoBack());
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
    m_lesson->clearPanel();
    m_lesson->clearHighlight();
    alg_caption_CLS();
    m_lesson->say(tr("Выделение и память очищены"));
}

QString FormDemo::aboutText()
{
    return tr("%1 %2 — демонстрация сортировки трех чисел")
        .arg(QLatin1String(kalumet_program::kName), QLatin1String(kalumet_program::kVersion));
}

// Esc, whichever control has the focus: the about box. Nothing else changes.
void FormDemo::Form_KeyPress(int keyAscii)
{
    if (keyAscii != 27)
        return;
    QMessageBox box(QMessageBox::NoIcon, tr("Об авторе..."), aboutText(),
                    QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    openBox(box);
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

// «Шаг 6: If A > B Then — 5 > 4?», «Да» or «Нет»; Esc closes the box
// without an answer. The timer waits meanwhile and then goes on at its
// pace.
void FormDemo::ask(const QString &question)
{
    QMessageBox box(QMessageBox::Question, tr("Проверь себя"), question,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Yes)->setText(tr("Да"));
    box.button(QMessageBox::No)->setText(tr("Нет"));
    // Esc, and the box's close box, answer nothing.
    box.button(QMessageBox::Cancel)->hide();
    box.setEscapeButton(QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Yes);

    m_Timer1->hold(true);
    openBox(box, [this](int button) {
        m_lesson->answer(button == QMessageBox::Yes  ? lesson::Answer::Yes
                         : button == QMessageBox::No ? lesson::Answer::No
                                                     : lesson::Answer::Refused);
        {
            const QScopedValueRollback<bool> byHand(m_stepPressed, m_askedByHand);
            showStep();
        }
        m_Timer1->hold(false);
    });
}

// «Проверь себя: верно 2 из 3», once a run in which the class answered has
// ended.
void FormDemo::showScore(const QString &score)
{
    QMessageBox box(QMessageBox::Information, tr("Проверь себя"), score, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    openBox(box);
}

TraceTable *FormDemo::traceTable()
{
    return m_teacher->traceTable();
}

bool FormDemo::traceTableOpen() const
{
    return m_teacher->traceTableOpen();
}

// A right click anywhere but in an input box, which keeps its own edit menu.
void FormDemo::contextMenuEvent(QContextMenuEvent *event)
{
    m_teacher->menu(event->globalPos());
}

// Closed by the window's own close box: the timer goes with the window, so
// no step runs on a window that is gone.
void FormDemo::closeEvent(QCloseEvent *event)
{
    m_Timer1->setEnabled(false);
    QWidget::closeEvent(event);
}

bool FormDemo::event(QEvent *event)
{
    // With no control focused the window itself receives the key; a key a
    // focused control leaves unused comes up here too, already previewed.
    if (event->type() == QEvent::KeyPress && (!focusWidget() || focusWidget() == this))
        eventFilter(this, event);
    return DrawnWindow::event(event);
}

// A focused control that is being disabled hands the focus on through here.
// It doesn't go down the tab order to whatever is still enabled (the check
// box, "Сброс", where the next Space would do the wrong thing): the handler
// that disabled the control puts the focus on the next action.
bool FormDemo::focusNextPrevChild(bool next)
{
    if (const QWidget *focused = focusWidget(); focused && !focused->isEnabled())
        return false;
    return QWidget::focusNextPrevChild(next);
}

bool FormDemo::eventFilter(QObject *watched, QEvent *event)
{
    // The tooltip of a drawn control behind a live control goes as the
    // pointer enters the live control.
    if (event->type() == QEvent::Enter)
        QToolTip::hideText();
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // The character the key types; Esc is 27 also where the platform
        // gives it no text (a web page).
        const int typed = !key->text().isEmpty() ? key->text().at(0).unicode()
                          : key->key() == Qt::Key_Escape ? 27 : 0;
        if (event->type() == QEvent::KeyPress && typed)
            Form_KeyPress(typed);
        // The teacher's keys are the window's alone.
        if (event->type() == QEvent::KeyPress && m_teacher->key(watched, key))
            return true;
    }
    return false; // the key goes on to the focused control unchanged
}
