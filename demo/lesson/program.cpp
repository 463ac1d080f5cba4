#include "program.h"

namespace lesson {

namespace {

constexpr Step other(int line, int block = -1) { return {line, {block, -1}, Action::Other}; }

// Step 4 lights the line "C = CDbl(Text2.Text)" and step 5 the line
// "B = CDbl(Text3.Text)", while the second box goes into B ("Ввод В") and
// the third into C.
constexpr Step read(int line, int block, Variable target, int box)
{
    return {line, {block, -1}, Action::Read, target, None, None, box};
}

constexpr Step compare(int line, int block, Variable left, Variable right, int noBlock, int noStep)
{
    return {line, {block, -1}, Action::Compare, None, left, right, -1, block, noBlock, noStep};
}

// An exchange's assignment writes its value into its own block; the first
// one of a block also lights the block's «Да».
constexpr Step assign(int line, std::array<int, 2> blocks, Variable target, Variable source)
{
    return {line, blocks, Action::Assign, target, source, None, -1,
            blocks[1] < 0 ? blocks[0] : blocks[1]};
}

constexpr Step write(int line, int block, int box, Variable source)
{
    return {line, {block, -1}, Action::Write, None, source, None, box};
}

constexpr Step kTable[kSteps] = {
    other(0, 0),                    //  1 Private Sub Command1_Click()
    {1, {-1, -1}, Action::Declare}, //  2 Dim A, B, C, X As Double
    read(2, 2, A, 0),               //  3 A = CDbl(Text1.Text)
    read(3, 3, B, 1),               //  4 C = CDbl(Text2.Text)
    read(4, 4, C, 2),               //  5 B = CDbl(Text3.Text)
    compare(5, 5, A, B, 10, 10),    //  6 If A > B Then
    assign(6, {6, 7}, X, A),        //  7 X = A
    assign(7, {8, -1}, A, B),       //  8 A = B
    assign(8, {9, -1}, B, X),       //  9 B = X
    other(9),                       // 10 End If
    compare(10, 11, B, C, 16, 15),  // 11 If B > C Then
    assign(11, {12, 13}, X, C),     // 12 X = C
    assign(12, {14, -1}, C, B),     // 13 C = B
    assign(13, {15, -1}, B, X),     // 14 B = X
    other(14),                      // 15 End If
    compare(15, 17, A, B, 22, 20),  // 16 If A > B Then
    assign(16, {18, 19}, X, A),     // 17 X = A
    assign(17, {20, -1}, A, B),     // 18 A = B
    assign(18, {21, -1}, B, X),     // 19 B = X
    other(19),                      // 20 End If
    write(20, 23, 0, A),            // 21 Text1.Text = CStr(A)
    write(21, 24, 1, B),            // 22 Text2.Text = CStr(B)
    write(22, 25, 2, C),            // 23 Text3.Text = CStr(C)
    {23, {26, -1}, Action::End},    // 24 End Sub
};

} // namespace

const Step &step(int s)
{
    return kTable[s - 1];
}

int stepLighting(int block)
{
    for (int s = 1; s <= kSteps; ++s)
        for (const int lit : step(s).blocks)
            if (lit == block)
                return s;
    return 0;
}

const char *name(Variable variable)
{
    static const char *const names[] = {"A", "B", "C", "X", ""};
    return names[variable];
}

} // namespace lesson
