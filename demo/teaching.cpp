// What the teacher has beyond the window's own controls: the pace of the
// automatic mode, a presenter's remote, the trace table of the run and
// «Проверь себя», through keys and the window's context menu.
//
//   PageDown, PageUp  "Вперед", "Назад", when they are available
//   Right, Left       the same, while no input box has the focus
//   +, −              a faster, a slower pace (not in an input box)
//   F2                the trace table, open or closed
//   F3                «Проверь себя», on or off
//
// None of them changes the window itself: without them it is as it was.

#include "formdemo.h"

#include "accessibility.h"
#include "numbertext.h"

#include <QAccessible>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>
#include <iterator>

#ifdef Q_OS_WASM
#include "page.h"
#endif

namespace {

int startingPace = formdemo::kStepIntervalMs;

// A pace as the teacher reads it: "0,25 с".
QString seconds(int ms)
{
    return FormDemo::tr("%1 с").arg(numbertext::format(ms / 1000.0));
}

} // namespace

void FormDemo::setInitialPace(int ms)
{
    startingPace = ms;
}

int FormDemo::initialPace()
{
    return startingPace;
}

void FormDemo::setPace(int ms)
{
    if (std::find(std::begin(formdemo::kPaces), std::end(formdemo::kPaces), ms)
        == std::end(formdemo::kPaces))
        return;
    m_pace = ms;
    // At once, also in the middle of an automatic run: the next step comes
    // one new pace from now.
    m_Timer1->setInterval(ms);
}

// The keys of the teacher's remote and the pace. A key held down steps
// once, as a held Enter presses a button once.
bool FormDemo::teacherKey(QObject *to, const QKeyEvent *key)
{
    const bool inBox = qobject_cast<QLineEdit *>(to) != nullptr;
    const auto press = [key](QPushButton *button) {
        if (isFreshKeyPress(key) && button->isEnabled())
            button->click();
        return true;
    };
    switch (key->key()) {
    case Qt::Key_PageDown: return press(m_Cmd_Next);
    case Qt::Key_PageUp: return press(m_Cmd_Preview);
    case Qt::Key_Right: return !inBox && press(m_Cmd_Next);
    case Qt::Key_Left: return !inBox && press(m_Cmd_Preview);
    case Qt::Key_Plus:
    case Qt::Key_Minus:
    case Qt::Key_Equal: {
        if (inBox)
            return false;
        const int *const at = std::find(std::begin(formdemo::kPaces), std::end(formdemo::kPaces), m_pace);
        const bool faster = key->key() != Qt::Key_Minus;
        if (faster ? at != std::begin(formdemo::kPaces) : at + 1 != std::end(formdemo::kPaces)) {
            setPace(faster ? *(at - 1) : *(at + 1));
            announce(this, tr("Темп: %1 на шаг").arg(seconds(m_pace)));
        }
        return true;
    }
    case Qt::Key_F2:
        if (isFreshKeyPress(key))
            toggleTraceTable();
        return true;
    case Qt::Key_F3:
        if (isFreshKeyPress(key))
            setCheckingYourself(!m_quiz);
        return true;
    default:
        return false;
    }
}

// A right click anywhere but in an input box, which keeps its own edit menu.
void FormDemo::contextMenuEvent(QContextMenuEvent *event)
{
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QMenu *paces = menu->addMenu(tr("Темп"));
    auto *group = new QActionGroup(paces);
    for (const int ms : formdemo::kPaces) {
        QAction *pace = paces->addAction(tr("%1 на шаг").arg(seconds(ms)));
        pace->setCheckable(true);
        pace->setChecked(ms == m_pace);
        group->addAction(pace);
        connect(pace, &QAction::triggered, this, [this, ms] {
            setPace(ms);
            announce(this, tr("Темп: %1 на шаг").arg(seconds(m_pace)));
        });
    }
    QAction *table = menu->addAction(tr("Таблица трассировки"), this, &FormDemo::toggleTraceTable);
    table->setCheckable(true);
    table->setChecked(traceTableOpen());
    table->setShortcut(Qt::Key_F2);
    QAction *quiz = menu->addAction(tr("Проверь себя"), this,
                                    [this] { setCheckingYourself(!m_quiz); });
    quiz->setCheckable(true);
    quiz->setChecked(m_quiz);
    quiz->setShortcut(Qt::Key_F3);
    for (QAction *action : {table, quiz})
        action->setShortcutContext(Qt::WidgetShortcut); // the window's keys do the rest
    menu->popup(event->globalPos());
}

void FormDemo::setCheckingYourself(bool on)
{
    m_quiz = on;
    announce(this, on ? tr("Проверь себя: включено") : tr("Проверь себя: выключено"));
}

TraceTable *FormDemo::traceTable()
{
    if (!m_trace) {
        m_trace = new TraceTable(this);
        for (const TraceRow &row : m_traceRows)
            m_trace->append(row);
    }
    return m_trace;
}

bool FormDemo::traceTableOpen() const
{
    return m_trace && m_trace->isVisible();
}

void FormDemo::toggleTraceTable()
{
    if (traceTableOpen())
        m_trace->close();
    else
        traceTable()->open();
}

void FormDemo::appendTrace(const TraceRow &row, Verdict verdict)
{
    m_traceRows.push_back(row);
    m_verdicts.push_back(verdict);
    if (m_trace)
        m_trace->append(row);
}

void FormDemo::dropLastTraceRow()
{
    if (m_traceRows.empty())
        return;
    m_traceRows.pop_back();
    m_verdicts.pop_back();
    if (m_trace)
        m_trace->removeLast();
}

void FormDemo::clearTrace()
{
    m_traceRows.clear();
    m_verdicts.clear();
    if (m_trace)
        m_trace->clear();
}

// The program's variables after the step: those it gave a value in this
// run, as the window writes them. The table records the program, not the
// display: a double click's clearing leaves it as it is.
TraceRow FormDemo::traceRow(qint16 step, Answer answer, Verdict *verdict) const
{
    const steptable::Step &what = steptable::step(step);
    TraceRow row;
    row.step = step;
    row.line = Lbl_List(what.line)->caption();
    if (!m_traceRows.empty())
        row.values = m_traceRows.back().values;
    if (what.action == steptable::Action::Read || what.action == steptable::Action::Assign) {
        row.values[std::size_t(what.target)] = valueOf(what.target).text();
        row.changed.set(std::size_t(what.target));
    }
    *verdict = Verdict::None;
    if (what.action == steptable::Action::Compare) {
        const bool yes = m_step == step + 1;
        const QString condition = yes ? tr("Да") : tr("Нет");
        if (answer == Answer::Yes || answer == Answer::No) {
            const bool right = (answer == Answer::Yes) == yes;
            *verdict = right ? Verdict::Right : Verdict::Wrong;
            row.condition = right ? tr("%1 (верно)").arg(condition)
                                  : tr("%1 (ответ «%2» — неверно)")
                                        .arg(condition, yes ? tr("Нет") : tr("Да"));
        } else {
            row.condition = condition;
        }
    }
    return row;
}

// «Шаг 6: If A > B Then — 5 > 4?», «Да» or «Нет»; Esc closes the box
// without an answer. The timer waits meanwhile and then goes on at its
// pace.
void FormDemo::ask(qint16 step, const std::function<void(Answer)> &then)
{
    const steptable::Step &what = steptable::step(step);
    QMessageBox box(QMessageBox::Question, tr("Проверь себя"),
                    tr("Шаг %1: %2 — %3 > %4?")
                        .arg(step)
                        .arg(Lbl_List(what.line)->caption(), valueOf(what.left).text(),
                             valueOf(what.right).text()),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Yes)->setText(tr("Да"));
    box.button(QMessageBox::No)->setText(tr("Нет"));
    // Esc, and the box's close box, answer nothing.
    box.button(QMessageBox::Cancel)->hide();
    box.setEscapeButton(QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Yes);

    m_asking = true;
    m_Timer1->hold(true);
    const auto answered = [this, then](int button) {
        m_asking = false;
        then(button == QMessageBox::Yes  ? Answer::Yes
             : button == QMessageBox::No ? Answer::No
                                         : Answer::Refused);
        m_Timer1->hold(false);
    };
#ifdef Q_OS_WASM
    web::openInPage(box, answered);
#else
    box.exec();
    answered(box.standardButton(box.clickedButton()));
#endif
}

// «Проверь себя: верно 2 из 3», once a run in which the class answered has
// ended.
void FormDemo::tellScore()
{
    const auto answered = std::count_if(m_verdicts.begin(), m_verdicts.end(),
                                        [](Verdict v) { return v != Verdict::None; });
    if (answered == 0)
        return;
    const auto right = std::count(m_verdicts.begin(), m_verdicts.end(), Verdict::Right);
    const QString score = tr("Проверь себя: верно %1 из %2").arg(right).arg(answered);
    announce(this, score);
    QMessageBox box(QMessageBox::Information, tr("Проверь себя"), score, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
#ifdef Q_OS_WASM
    web::openInPage(box, [](int) {});
#else
    box.exec();
#endif
}
