#pragma once

#include <array>

// The demonstrated program, the sort of three numbers: its 24 steps, one
// per line of its listing, and what each of them is. A run carries them
// out (run.h); the window shows them.
namespace lesson {

// The steps, one per listing line.
constexpr int kSteps = 24;
// The flowchart's blocks, the labels lbl_alg(0) to lbl_alg(26).
constexpr int kBlocks = 27;
// The input boxes the program reads and writes, Text1 to Text3.
constexpr int kBoxes = 3;

// What a step does.
enum class Action {
    Other,   // a line that changes nothing: Sub, End If
    Declare, // Dim: the memory panel is shown
    Read,    // a variable := the number in an input box
    Compare, // If left > right: "no" skips the exchange block
    Assign,  // a variable := another (through X)
    Write,   // an input box := a variable's number
    End,     // End Sub: the memory cleared, the run over
};

// The demonstrated program's variables, in the memory panel's order.
enum Variable { A, B, C, X, None };

struct Step
{
    int line;                  // the listing line lit, 0 to 23
    std::array<int, 2> blocks; // the flowchart blocks lit, -1 for none
    Action action;
    Variable target = None;    // Read, Assign: the variable given a value
    Variable left = None;      // Compare: the left operand; Assign, Write: the source
    Variable right = None;     // Compare: the right operand
    int box = -1;              // Read, Write: the input box, 0 to 2 (Text1 to Text3)
    int caption = -1;          // Compare, Assign: the block whose caption it writes
    int noBlock = -1;          // Compare: the «Нет» block lit when the answer is no
    int noStep = 0;            // Compare: the step a "no" goes on to
};

// Step s, from 1 to 24.
const Step &step(int s);

// The step that lights a flowchart block (0 to 26) as its own, or 0 where
// none does: the «Нет» blocks light with the answer of their comparison,
// and lbl_alg(1) never.
int stepLighting(int block);

// The name of a variable as the listing writes it: "A", "B", "C", "X".
const char *name(Variable variable);

} // namespace lesson
