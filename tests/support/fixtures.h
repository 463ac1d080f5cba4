#pragma once

// Named facts of the demonstrator that several tests rely on, each stated
// once.

#include <QString>

#include <array>
#include <utility>

// The eight cells of the memory panel: the name cells, then the value cells,
// each in the order A, B, C, X.
inline constexpr const char *kMemoryCells[] = {"Lbl_NameA", "Lbl_NameB", "Lbl_NameC",
                                               "Lbl_NameX", "Lbl_MemA",  "Lbl_MemB",
                                               "Lbl_MemC",  "Lbl_MemX"};

// The flowchart captions as every clearing of the displays leaves them
// (lbl_alg index, caption): the comparisons and assignments with their
// letters, and the hidden label without text.
inline constexpr std::pair<int, const char *> kIdleCaptions[] = {
    {1, ""},       {5, "A > B"},  {7, "X = A"},  {8, "A = B"},  {9, "B = X"},
    {11, "B > C"}, {13, "X = C"}, {14, "C = B"}, {15, "B = X"}, {17, "A > B"},
    {19, "X = A"}, {20, "A = B"}, {21, "B = X"}};

// The captions of the labels beside the three input boxes (Cyrillic А, В, С).
inline constexpr const char *kBoxLabels[] = {"Число А=", "Число В=", "Число С="};

// The available run controls in each state of the window, as
// enabledControls() names them.
inline const QString kIdle = QStringLiteral("Text1 Text2 Text3 Command1");
inline const QString kStepByStep = QStringLiteral("Check1 Cmd_Next");
inline const QString kStepByStepWithBack = QStringLiteral("Check1 Cmd_Preview Cmd_Next");
inline const QString kAutomatic = QStringLiteral("Check1 Cmd_Goto Cmd_Stop");

// Inputs for each combination of answers the three comparisons give, and the
// steps a demonstration of them takes from start to end: yes yes yes,
// no no no, no yes yes, yes no no, no yes no, yes yes no.
struct ComparisonPath
{
    std::array<double, 3> inputs;
    int steps;
};
inline constexpr ComparisonPath kPaths[] = {
    {{5, 4, 3}, 24}, {{3, 4, 5}, 15}, {{4, 5, 3}, 21},
    {{2, 1, 3}, 18}, {{1, 3, 2}, 18}, {{3, 1, 2}, 21},
};
