#include "lesson.h"

#include "numbertext.h"
#include "words.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace lesson {

bool isPace(int ms)
{
    return std::find(std::begin(kPaces), std::end(kPaces), ms) != std::end(kPaces);
}

QString paceText(int ms)
{
    return Words::tr("%1 с").arg(numbertext::format(ms / 1000.0));
}

Lesson::Lesson(const Design &design, int pace, Language language, QObject *parent)
    : QObject(parent), m_design(design), m_display(design.shown),
      m_pace(isPace(pace) ? pace : kDefaultPace), m_language(language)
{
    relabel(m_display, linesIn(m_language));
}

std::array<QString, kSteps> Lesson::linesIn(Language language) const
{
    if (language != Language::VisualBasic)
        return listing(language);
    std::array<QString, kSteps> lines;
    for (std::size_t i = 0; i < lines.size(); ++i)
        lines[i] = m_design.shown.listing[i].text;
    return lines;
}

void Lesson::relabel(Display &display, const std::array<QString, kSteps> &lines)
{
    for (std::size_t i = 0; i < lines.size(); ++i)
        display.listing[i].text = lines[i];
}

void Lesson::setLanguage(Language language)
{
    m_language = language;
    const std::array<QString, kSteps> lines = linesIn(language);
    std::array<QString, kSteps> quotedLines;
    for (std::size_t i = 0; i < lines.size(); ++i)
        quotedLines[i] = quoted(lines[i]);
    const auto relabelStep = [&quotedLines](StepResult &step) {
        if (step.line >= 0)
            step.lineText = quotedLines[std::size_t(step.line)];
    };
    relabel(m_display, lines);
    for (Before &before : m_back) {
        relabel(before.display, lines);
        relabelStep(before.shown);
    }
    relabelStep(m_last);
    m_trace.relabel(quotedLines);
    emit displayChanged();
    say(Words::tr("Язык программы: %1").arg(title(language)));
}

void Lesson::clearMemory()
{
    lesson::clearMemory(m_run, m_display);
    emit displayChanged();
}

void Lesson::clearPanel()
{
    lesson::clearPanel(m_display);
    emit displayChanged();
}

void Lesson::clearHighlight()
{
    lesson::clearHighlight(m_display);
    emit displayChanged();
}

void Lesson::restoreCaptions()
{
    lesson::restoreCaptions(m_display, m_design.restored);
    emit displayChanged();
}

void Lesson::stop()
{
    m_run.counter = 0;
    m_back.clear(); // a run that is over can't be gone back through
    emit availabilityChanged();
}

void Lesson::start(const std::array<QString, kBoxes> &boxes)
{
    m_run.boxes = boxes;
    m_run.counter = 1;
    m_back.clear();
    m_trace.clear();
    emit availabilityChanged();
}

void Lesson::clearTrace()
{
    m_trace.clear();
}

bool Lesson::asksFirst() const
{
    return m_checking && running() && lesson::step(m_run.counter).action == Action::Compare;
}

QString Lesson::ask()
{
    const int s = m_run.counter;
    const Step &what = lesson::step(s);
    m_asking = true;
    emit availabilityChanged();
    const QString question =
        Words::tr("Шаг %1: %2 — %3 > %4?")
            .arg(s)
            .arg(quoted(m_display.listing[std::size_t(what.line)].text),
                 m_run.value(what.left).text(), m_run.value(what.right).text());
    emit asked(question);
    return question;
}

void Lesson::answer(Answer answer)
{
    m_answer = answer;
    m_asking = false;
    emit availabilityChanged();
}

const StepResult &Lesson::step()
{
    Before before{m_run, m_display, {}};
    m_last = perform(m_run, m_display);
    m_done = m_last.step == 0 ? Done::Nothing : Done::Step;
    if (m_done == Done::Nothing)
        return m_last; // no run goes on
    if (running()) {
        before.shown = m_last;
        m_back.push_back(std::move(before));
    } else {
        m_back.clear();
    }
    const auto [row, verdict] = m_trace.next(m_last, m_answer);
    m_answer = Answer::NotAsked;
    emit displayChanged();
    m_trace.append(row, verdict);
    emit availabilityChanged();
    return m_last;
}

void Lesson::tell(bool byHand, bool boxOpen)
{
    const Done done = std::exchange(m_done, Done::Nothing);
    if (done == Done::Back)
        say(Words::tr("Назад. %1")
                .arg(m_back.empty() ? Words::tr("Ни один шаг еще не показан.")
                                    : report(m_back.back().shown, m_design.boxNames)));
    if (done != Done::Step)
        return;
    // Always worked out, so that a screen reader that comes mid-run hears
    // the steps as one that was there from the start.
    say(m_narrator.tell(m_last, report(m_last, m_design.boxNames), m_run, byHand, m_pace, boxOpen));
    if (!m_last.ended)
        return;
    const auto [right, given] = m_trace.score();
    if (given == 0)
        return;
    const QString score = Words::tr("Проверь себя: верно %1 из %2").arg(right).arg(given);
    say(score);
    emit scored(score);
}

void Lesson::goBack()
{
    if (m_back.empty())
        return;
    m_run = m_back.back().run;
    m_display = m_back.back().display;
    m_back.pop_back();
    m_trace.dropLast(); // and the class's answer to it
    m_done = Done::Back;
    emit displayChanged();
    emit availabilityChanged();
}

bool Lesson::setPace(int ms)
{
    if (!isPace(ms))
        return false;
    m_pace = ms;
    emit paceChanged(ms);
    say(Words::tr("Темп: %1 на шаг").arg(paceText(ms)));
    return true;
}

bool Lesson::changePace(bool quicker)
{
    const int *at = std::find(std::begin(kPaces), std::end(kPaces), m_pace);
    if (quicker ? at == std::begin(kPaces) : at + 1 == std::end(kPaces))
        return false;
    return setPace(quicker ? *(at - 1) : *(at + 1));
}

void Lesson::setChecking(bool on)
{
    m_checking = on;
    say(on ? Words::tr("Проверь себя: включено") : Words::tr("Проверь себя: выключено"));
}

void Lesson::say(const QString &text)
{
    if (!text.isEmpty())
        emit said(text);
}

} // namespace lesson
