#pragma once

#include <array>

// The 24 steps of the demonstrated program, one per line of its listing:
// what each step is. The step engine (DemoAl) carries them out from here;
// the screen reader's report, the trace table and «Проверь себя» read them
// from here too.
namespace steptable {

// What a step does.
enum class Action {
    Other,   // a line that changes nothing: Sub, End If
    Declare, // Dim: the memory panel is shown
    Read,    // a variable := the number in an input box
    Compare, // If left > right: "no" skips the exchange block
    Assign,  // a variable := another (through X)
    Write,   // an input box := a variable's number
    End,     // End Sub: the memory cleared, the window idle
};

// The demonstrated program's variables, in the memory panel's order.
enum Variable { A, B, C, X, None };

struct Step
{
    int line;                  // the listing line lit: Lbl_List(line)
    std::array<int, 2> labels; // the flowchart labels lit by their Tag, -1 for none
    Action action;
    Variable target = None;    // Read, Assign: the variable given a value
    Variable left = None;      // Compare: the left operand; Assign, Write: the source
    Variable right = None;     // Compare: the right operand
    int box = -1;              // Read, Write: the input box, 0 to 2 (Text1 to Text3)
    int caption = -1;          // Compare, Assign: the flowchart label whose caption it writes
    int noLabel = -1;          // Compare: the «Нет» label lit when the answer is no
    int noStep = 0;            // Compare: the step a "no" goes on to
};

constexpr int kSteps = 24;

// Step s, from 1 to 24.
const Step &step(int s);

// The name of a variable as the listing writes it: "A", "B", "C", "X".
const char *name(Variable variable);

} // namespace steptable
