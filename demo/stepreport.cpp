// The window's state before a step, to go back to; and what a screen reader
// says of each step: its number and listing line, the flowchart blocks it
// lit with their captions, what changed in memory and the number it wrote
// into a box.

#include "formdemo.h"

#include "accessibility.h"
#include "steptable.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QScopedValueRollback>

namespace {

// A step told in full takes a Russian voice several seconds: the steps the
// timer shows in the next five and a half beats are not told over it.
constexpr int kQuietBeatsAfterFull = 11; // halves
// From two seconds a step, every step is told in full.
constexpr int kPaceToldInFullMs = 2000;

} // namespace

FormDemo::State FormDemo::state() const
{
    State s;
    s.labels.reserve(m_labels.size());
    for (const Label *l : m_labels)
        s.labels.push_back({l->caption(), l->foreColor(), l->isVisible()});
    s.boxes = {m_Text1->text(), m_Text2->text(), m_Text3->text()};
    s.A = m_A;
    s.B = m_B;
    s.C = m_C;
    s.X = m_X;
    s.step = m_step;
    return s;
}

void FormDemo::restore(const State &s)
{
    for (std::size_t i = 0; i < m_labels.size(); ++i) {
        m_labels[i]->setCaption(s.labels[i].text);
        m_labels[i]->setForeColor(s.labels[i].fore);
        m_labels[i]->setVisible(s.labels[i].visible);
    }
    {
        const QScopedValueRollback<bool> writing(m_stepWrites, true);
        m_Text1->setText(s.boxes[0]);
        m_Text2->setText(s.boxes[1]);
        m_Text3->setText(s.boxes[2]);
    }
    m_A = s.A;
    m_B = s.B;
    m_C = s.C;
    m_X = s.X;
    m_step = s.step;
}

const FormDemo::State::Caption &FormDemo::captionOf(const State &s, const Label *label) const
{
    return s.labels[m_labelIndex.value(label)];
}

QString FormDemo::stepReport(qint16 step, const State &before) const
{
    const steptable::Step &what = steptable::step(step);
    QStringList said = {tr("Шаг %1: %2").arg(step).arg(Lbl_List(what.line)->caption())};

    // The blocks it lit, with their captions: by their Tag, and the «Нет»
    // of a comparison that answered no.
    QStringList blocks;
    for (const int label : what.labels)
        if (label >= 0)
            blocks << tr("«%1»").arg(lbl_alg(label)->caption());
    if (what.action == steptable::Action::Compare && m_step == what.noStep)
        blocks << tr("«%1»").arg(lbl_alg(what.noLabel)->caption());
    if (!blocks.isEmpty())
        said << tr("блок %1").arg(blocks.join(QStringLiteral(", ")));

    // What the memory panel shows anew: the variables, or a variable's new
    // value where its cell changed.
    const bool shown = m_Lbl_NameA->isVisible();
    if (what.action == steptable::Action::Declare && shown) {
        said << tr("память: %1").arg(QStringLiteral("A, B, C, X"));
    } else if ((what.action == steptable::Action::Read || what.action == steptable::Action::Assign)
               && shown) {
        const Label *cell = cellOf(what.target);
        if (cell->caption() != captionOf(before, cell).text)
            said << tr("память: %1").arg(QLatin1String(steptable::name(what.target))
                                         + QStringLiteral(" = ") + cell->caption());
    } else if (what.action == steptable::Action::End && captionOf(before, m_Lbl_NameA).visible) {
        said << tr("память очищена");
    }

    // An output step says the number it wrote, also where the box held it.
    if (what.action == steptable::Action::Write) {
        const QLineEdit *written = box(what.box);
        said << tr("поле «%1»: %2").arg(written->accessibleName(), written->text());
    }
    return said.join(QStringLiteral("; "));
}

// Each step shown is said at once, wherever the focus is (the lit lines and
// blocks are selected to assistive technology, but a change of state alone
// reaches no screen reader), as the pace lets a student follow:
// - "Вперед" waits for the student: the step is told in full;
// - at two seconds a step or slower, every step is told in full;
// - at a quicker pace, each of the timer's steps is told in short, its
//   number and listing line, and none within five and a half beats of a
//   step told in full;
// - none while a message box is open (it is being read); the first after
//   it in full;
// - the end of a run says its result, the focus already in the first box.
void FormDemo::announceStep(qint16 step, const QString &report)
{
    if (!QAccessible::isActive())
        return;
    if (QApplication::activeModalWidget()) {
        m_sayInFull = true;
        return;
    }
    const bool last = m_step == 0 && step == formdemo::kSteps;
    if (last) {
        const QString result = tr("Готово: %1").arg(
            QStringList{m_Text1->text(), m_Text2->text(), m_Text3->text()}.join(QStringLiteral("; ")));
        announce(this, m_stepPressed || m_sayInFull ? report + QStringLiteral(". ") + result
                                                    : result);
        m_sayInFull = false;
        return;
    }
    // "Вперед", and a pace slow enough for the whole of every step.
    if (m_stepPressed || m_pace >= kPaceToldInFullMs) {
        announce(this, report);
        return;
    }
    if (!m_quietUntil.hasExpired())
        return;
    if (m_sayInFull) {
        m_sayInFull = false;
        m_quietUntil.setRemainingTime(m_pace * kQuietBeatsAfterFull / 2);
        announce(this, report);
        return;
    }
    announce(this, tr("Шаг %1: %2").arg(step).arg(Lbl_List(step - 1)->caption()));
}
