#pragma once

// What a demonstration does, told once more in a few plain variables: the
// reference the tests compare the demonstrator window with.

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <bitset>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class FormDemo;
namespace lesson {
class Lesson;
}

class DemoModel
{
public:
    // An input box: its text, and the number it holds if it holds one.
    struct Box
    {
        QString text;
        std::optional<double> number;
    };

    // The window as it is loaded, boxes holding 5, 4, 3.
    DemoModel();

    // One user action, by the letters play() takes (S N B K G P R T D d,
    // + - F Q L, y n e).
    // Returns false, changing nothing, when the window would not offer it.
    bool act(QChar action);
    // Actions one after the other; false at the first one not offered.
    bool play(QStringView actions);
    // Text typed into box 0, 1 or 2; `number` is what it reads as, if
    // anything.
    void type(int box, const QString &text, std::optional<double> number);
    // The box that makes the sort button refuse to start, or -1.
    int refusedBox() const;

    bool running() const { return counter != 0; }
    bool previewOn() const { return nextOn() && !history.empty(); }
    bool nextOn() const { return running() && checked; }
    bool gotoOn() const { return running() && !checked; }
    bool stopOn() const { return running() && !checked; }

    int counter = 0;     // 0 idle, else the next step to show
    bool checked = true; // step-by-step mode
    bool timer = false;
    int pace = 500;      // ms a step in automatic mode
    bool panel = false;  // memory cells shown
    double a = 0, b = 0, c = 0, x = 0;
    std::array<QString, 4> cells;        // captions of the value cells A, B, C, X
    std::bitset<24> litLines;
    std::bitset<27> litLabels;
    std::map<int, QString> captions;     // of the flowchart labels the steps rewrite
    std::array<Box, 3> boxes;

    // The trace table: one row per step shown, with the variables the
    // program has given a value in this run, as the window writes them.
    struct TraceStep
    {
        int step;
        std::array<QString, 4> values; // A, B, C, X
        std::bitset<4> changed;
        QString condition;
        int verdict; // 0 not asked, 1 right, -1 wrong
    };
    std::vector<TraceStep> trace;
    bool tableOpen = false;
    bool quiz = false;    // «Проверь себя»
    int language = 0;     // of the listing, in the menu's order (L: the next)
    char answer = 'e';    // what the class answers: y, n, or e (Esc)
    int messageBoxes = 0; // the boxes the last action opened: questions, the score

    // What a step changes and "Назад" brings back: the model but for the
    // mode and the timer, before each step of this run shown.
    struct Shown;
    std::vector<std::shared_ptr<const Shown>> history;

private:
    void start();
    void step();
    void clearPanel();
    void clearMemory();
    void clearDisplays();
    void clearHighlightAndCaptions();
    void compare(double left, double right, int label, int noLabel);
    void traceStep(int s, int assigned, double value);
    void assign(double &target, double value, int cell, int label, const char *name);
};

// The number text of a value, as the window writes it in the default locale.
QString numberText(double value);

// What differs between the lesson (its run, what it shows, its way back,
// its trace) and the model, one line each; empty when they agree.
QStringList differences(const lesson::Lesson &lesson, const DemoModel &model);
// What differs between the window (its controls, what it renders, its
// trace table and its lesson) and the model.
QStringList differences(const FormDemo &form, const DemoModel &model);
