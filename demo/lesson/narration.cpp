#include "narration.h"

#include "words.h"

#include <QStringList>

namespace lesson {

namespace {

// A step told in full takes a Russian voice several seconds: the steps the
// timer shows in the next five and a half beats are not told over it.
constexpr int kQuietBeatsAfterFull = 11; // halves
// From two seconds a step, every step is told in full.
constexpr int kPaceToldInFullMs = 2000;

} // namespace

QString brief(const StepResult &step)
{
    // A line the listing leaves empty (Python has no End If) is not read.
    return step.lineText.isEmpty() ? Words::tr("Шаг %1").arg(step.step)
                                   : Words::tr("Шаг %1: %2").arg(step.step).arg(step.lineText);
}

QString report(const StepResult &step, const std::array<QString, kBoxes> &boxNames)
{
    QStringList said = {brief(step)};

    QStringList blocks;
    for (const QString &caption : step.blockCaptions)
        blocks << Words::tr("«%1»").arg(caption);
    if (!blocks.isEmpty())
        said << Words::tr("блок %1").arg(blocks.join(QStringLiteral(", ")));

    // What the memory panel shows anew: the variables, or a variable's new
    // value where its cell changed.
    if (step.declared && step.memoryShown)
        said << Words::tr("память: %1").arg(QStringLiteral("A, B, C, X"));
    else if (step.assigned != None && step.memoryShown && step.memoryChanged)
        said << Words::tr("память: %1").arg(QLatin1String(name(step.assigned))
                                            + QStringLiteral(" = ") + step.value);
    else if (step.cleared)
        said << Words::tr("память очищена");

    // An output step says the number it wrote, also where the box held it.
    if (step.box >= 0)
        said << Words::tr("поле «%1»: %2").arg(boxNames[std::size_t(step.box)], step.boxText);
    return said.join(QStringLiteral("; "));
}

QString done(const Run &run)
{
    return Words::tr("Готово: %1").arg(
        QStringList(run.boxes.begin(), run.boxes.end()).join(QStringLiteral("; ")));
}

QString Narrator::tell(const StepResult &step, const QString &report, const Run &after,
                       bool byHand, int pace, bool boxOpen)
{
    if (boxOpen) {
        m_sayInFull = true;
        return QString();
    }
    if (step.ended) {
        const QString result = done(after);
        const bool inFull = byHand || m_sayInFull;
        m_sayInFull = false;
        return inFull ? report + QStringLiteral(". ") + result : result;
    }
    // "Вперед", and a pace slow enough for the whole of every step.
    if (byHand || pace >= kPaceToldInFullMs)
        return report;
    if (!m_quietUntil.hasExpired())
        return QString();
    if (m_sayInFull) {
        m_sayInFull = false;
        m_quietUntil.setRemainingTime(pace * kQuietBeatsAfterFull / 2);
        return report;
    }
    return brief(step);
}

} // namespace lesson
