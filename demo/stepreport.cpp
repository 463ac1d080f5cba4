// The window's state before a step, to go back to; and what a screen reader
// says of each step: its number and listing line, the flowchart blocks it
// lit with their captions, what changed in memory and the number it wrote
// into a box.

#include "formdemo.h"

#include "accessibility.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QScopedValueRollback>

namespace {

// The listing lines of the steps that write the sorted numbers back, 21
// to 23, into Text1 to Text3.
constexpr int kFirstOutputStep = 21;
// A step told in full takes a Russian voice several seconds: the steps the
// timer shows in the next 2.5 s (five beats) are not told over it.
constexpr int kQuietAfterFullMs = 2750;

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
    QStringList said = {tr("Шаг %1: %2").arg(step).arg(Lbl_List(step - 1)->caption())};

    QStringList blocks;
    for (const Label *l : m_lbl_alg)
        if (l->isLit() && captionOf(before, l).fore != kHighlight)
            blocks << QStringLiteral("«%1»").arg(l->caption());
    if (!blocks.isEmpty())
        said << tr("блок %1").arg(blocks.join(QStringLiteral(", ")));

    const Label *const cells[] = {m_Lbl_MemA, m_Lbl_MemB, m_Lbl_MemC, m_Lbl_MemX};
    const QString names[] = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                             QStringLiteral("X")};
    const bool shownBefore = captionOf(before, m_Lbl_NameA).visible;
    const bool shownAfter = m_Lbl_NameA->isVisible();
    QStringList memory;
    if (shownAfter && !shownBefore)
        memory << QStringList(std::begin(names), std::end(names)).join(QStringLiteral(", "));
    for (std::size_t i = 0; i < 4; ++i)
        if (shownAfter && !cells[i]->caption().isEmpty()
            && cells[i]->caption() != captionOf(before, cells[i]).text)
            memory << names[i] + QStringLiteral(" = ") + cells[i]->caption();
    if (!memory.isEmpty())
        said << tr("память: %1").arg(memory.join(QStringLiteral(", ")));
    else if (shownBefore && !shownAfter)
        said << tr("память очищена");

    // An output step says the number it wrote, also where the box held it.
    const int box = step - kFirstOutputStep;
    if (box >= 0 && box < 3) {
        const QLineEdit *boxes[] = {m_Text1, m_Text2, m_Text3};
        said << tr("поле «%1»: %2").arg(boxes[box]->accessibleName(), boxes[box]->text());
    }
    return said.join(QStringLiteral("; "));
}

// Each step shown is said at once, wherever the focus is (the lit lines and
// blocks are selected to assistive technology, but a change of state alone
// reaches no screen reader), as the pace lets a student follow:
// - "Вперед" waits for the student: the step is told in full;
// - the timer's steps come every half second: each is told in short, its
//   number and listing line, and none within 2.5 s of a step told in full;
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
    if (m_stepPressed) {
        announce(this, report);
        return;
    }
    if (!m_quietUntil.hasExpired())
        return;
    if (m_sayInFull) {
        m_sayInFull = false;
        m_quietUntil.setRemainingTime(kQuietAfterFullMs);
        announce(this, report);
        return;
    }
    announce(this, tr("Шаг %1: %2").arg(step).arg(Lbl_List(step - 1)->caption()));
}
