// What a screen reader says of each step: its number and listing line, the
// flowchart blocks it lit with their captions, what changed in memory and
// the number it wrote into a box.

#include "formdemo.h"

#include "accessibility.h"

#include <QAccessible>
#include <QLineEdit>

FormDemo::Displays FormDemo::displays() const
{
    Displays d;
    for (int i = 0; i < formdemo::kFlowchartLabels; ++i)
        d.lit[std::size_t(i)] = lbl_alg(i)->isLit();
    d.memory = {m_Lbl_MemA->caption(), m_Lbl_MemB->caption(), m_Lbl_MemC->caption(),
                m_Lbl_MemX->caption()};
    d.memoryShown = m_Lbl_NameA->isVisible();
    d.boxes = {m_Text1->text(), m_Text2->text(), m_Text3->text()};
    return d;
}

QString FormDemo::stepReport(qint16 step, const Displays &before) const
{
    QStringList said = {tr("Шаг %1: %2").arg(step).arg(Lbl_List(step - 1)->caption())};

    const Displays after = displays();
    QStringList blocks;
    for (int i = 0; i < formdemo::kFlowchartLabels; ++i)
        if (after.lit[std::size_t(i)] && !before.lit[std::size_t(i)])
            blocks << QStringLiteral("«%1»").arg(lbl_alg(i)->caption());
    if (!blocks.isEmpty())
        said << tr("блок %1").arg(blocks.join(QStringLiteral(", ")));

    const QString names[] = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                             QStringLiteral("X")};
    QStringList memory;
    for (std::size_t i = 0; i < after.memory.size(); ++i)
        if (after.memoryShown && after.memory[i] != before.memory[i] && !after.memory[i].isEmpty())
            memory << names[i] + QStringLiteral(" = ") + after.memory[i];
    if (after.memoryShown && !before.memoryShown)
        memory.prepend(QStringList(std::begin(names), std::end(names)).join(QStringLiteral(", ")));
    if (!memory.isEmpty())
        said << tr("память: %1").arg(memory.join(QStringLiteral(", ")));
    else if (before.memoryShown && !after.memoryShown)
        said << tr("память очищена");

    const QLineEdit *boxes[] = {m_Text1, m_Text2, m_Text3};
    for (std::size_t i = 0; i < after.boxes.size(); ++i)
        if (after.boxes[i] != before.boxes[i])
            said << tr("поле «%1»: %2").arg(boxes[i]->accessibleName(), after.boxes[i]);
    return said.join(QStringLiteral("; "));
}

// Each step shown is said at once, wherever the focus is: the lit lines and
// blocks are selected to assistive technology, but a change of state alone
// reaches no screen reader.
void FormDemo::announceStep(qint16 step, const Displays &before)
{
    if (step < 1 || step > formdemo::kSteps || !QAccessible::isActive())
        return;
    announce(this, stepReport(step, before));
}
