#pragma once

#include "listings.h"
#include "narration.h"
#include "program.h"
#include "run.h"
#include "trace.h"

#include <QObject>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace lesson {

// The automatic mode's paces: the milliseconds between two steps. Half a
// second unless the teacher chooses another.
constexpr int kPaces[] = {250, 500, 1000, 2000, 4000};
constexpr int kDefaultPace = 500;
bool isPace(int ms);
// A pace as the teacher reads it: «0,25 с».
QString paceText(int ms);

// What the window shows of the program before any run, and the names it
// gives: the captions its controls are made with, those a clearing of the
// flowchart restores, and the names of the three input boxes.
struct Design
{
    Display shown;
    std::array<std::optional<QString>, kBlocks> restored;
    std::array<QString, kBoxes> boxNames;
};

// A lesson with the demonstrated program: its run, what the window shows of
// it, the way back through the steps shown, the trace with the class's
// answers, what a screen reader is told, the pace of the automatic mode and
// «Проверь себя». The window carries out its procedures through it and
// renders what it signals.
class Lesson : public QObject
{
    Q_OBJECT
public:
    // The automatic mode at `pace`, the listing in `language`.
    explicit Lesson(const Design &design, int pace = kDefaultPace,
                    Language language = Language::VisualBasic, QObject *parent = nullptr);

    const Design &design() const { return m_design; }
    const Run &run() const { return m_run; }
    const Display &display() const { return m_display; }
    const Trace &trace() const { return m_trace; }
    // A run goes on: the counter names the next step, 1 to 24.
    bool running() const { return m_run.counter >= 1 && m_run.counter <= kSteps; }

    // The procedures' share of the program and its display.
    // Mem_cls: the memory zero, the panel hidden and empty.
    void clearMemory();
    // The panel alone hidden and emptied; the memory stays.
    void clearPanel();
    // The listing and the flowchart unlit.
    void clearHighlight();
    // alg_caption_CLS: the flowchart's captions that the steps write into
    // restored.
    void restoreCaptions();
    // prog_Begin: no run, and nothing to go back to.
    void stop();
    // A run from step 1 that reads the boxes' texts `boxes`; its trace
    // starts empty.
    void start(const std::array<QString, kBoxes> &boxes);
    void clearTrace();

    // A step can be shown: a run goes on and no question waits.
    bool canStep() const { return running() && !m_asking; }
    // «Проверь себя» asks the class before the next step: a comparison.
    bool asksFirst() const;
    // The question of the next step («Шаг 6: If A > B Then — 5 > 4?»),
    // asked (and returned), from now on waiting for the class's answer: no
    // step is shown until it comes.
    QString ask();
    // The class's answer, for the step that follows.
    void answer(Answer answer);

    // Carries out the next step: the display, the trace, the way back to
    // the step before. What it showed and did.
    const StepResult &step();
    // "Назад": the run and the display as they were before the last step
    // shown, whatever happened since; the trace without its row.
    bool canGoBack() const { return !m_back.empty(); }
    void goBack();

    // Has a screen reader told of what was just done: the step just shown,
    // as the pace allows (by hand: "Вперед"; while a message box is open:
    // nothing), and at the end of a run in which the class answered, the
    // score; or the step "Назад" went back to.
    void tell(bool byHand, bool boxOpen);

    int pace() const { return m_pace; }
    // One of kPaces, at once, and said; false for another.
    bool setPace(int ms);
    // The next quicker or slower pace; false where there is none.
    bool changePace(bool quicker);
    bool checking() const { return m_checking; }
    void setChecking(bool on);
    // The language of the listing: at once, and said. Every line shown
    // anew, lit as it was, and so every line the trace, "Назад" and a
    // screen reader quote.
    Language language() const { return m_language; }
    void setLanguage(Language language);

    // Has a screen reader told `text`.
    void say(const QString &text);

signals:
    void displayChanged();
    // What a screen reader is told, at once.
    void said(const QString &text);
    // Whether a step can be shown and whether "Назад" can go back.
    void availabilityChanged();
    // A question for the class, to answer before the next step.
    void asked(const QString &question);
    void paceChanged(int ms);
    // A run in which the class answered is over: its score.
    void scored(const QString &score);

private:
    // The program and what was shown before a step: what "Назад" goes back
    // to, with the step shown from there, which a screen reader is told of
    // then.
    struct Before
    {
        Run run;
        Display display;
        StepResult shown;
    };
    // The listing's lines in `language`.
    std::array<QString, kSteps> linesIn(Language language) const;
    static void relabel(Display &display, const std::array<QString, kSteps> &lines);

    const Design m_design;
    Run m_run;
    Display m_display;
    Trace m_trace;
    std::vector<Before> m_back; // the last one on top
    StepResult m_last;          // the step just shown
    enum class Done { Nothing, Step, Back } m_done = Done::Nothing; // what tell() tells of
    Narrator m_narrator;
    int m_pace;
    Language m_language = Language::VisualBasic;
    bool m_checking = false;
    bool m_asking = false;
    Answer m_answer = Answer::NotAsked;
};

} // namespace lesson
