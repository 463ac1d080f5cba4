#pragma once

#include "run.h"

#include <QDeadlineTimer>
#include <QString>

#include <array>

// What a screen reader is told of the steps.
namespace lesson {

// A step in full: its number and listing line, the flowchart blocks it lit
// with their captions, what changed in the memory panel, the number it
// wrote into a box (named as the window names the boxes).
QString report(const StepResult &step, const std::array<QString, kBoxes> &boxNames);
// A step in short: its number and listing line.
QString brief(const StepResult &step);
// The result of a run, as the boxes hold it: «Готово: 3; 4; 5».
QString done(const Run &run);

// Each step shown is said at once, wherever the focus is, as the pace lets
// a student follow:
// - "Вперед" waits for the student: the step is told in full;
// - at two seconds a step or slower, every step is told in full;
// - at a quicker pace, each of the timer's steps is told in short, and none
//   within five and a half beats of a step told in full;
// - none while a message box is open (it is being read); the first after
//   it in full;
// - the end of a run says its result.
class Narrator
{
public:
    // What to say of the step just shown, told in full by `report`; empty
    // for nothing.
    QString tell(const StepResult &step, const QString &report, const Run &after, bool byHand,
                 int pace, bool boxOpen);

private:
    bool m_sayInFull = false;     // the next step is told in full
    QDeadlineTimer m_quietUntil;  // no step is told before (a long one still speaks)
};

} // namespace lesson
