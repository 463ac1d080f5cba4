#pragma once

// What the tests state about the two windows rather than take from the
// windows' own tables, each fact once: the texts that an edit "correcting"
// them would break, and the sorter window's controls (twips).

#include <QRect>

#include <utility>

// Texts of the demonstrator's controls (of an image box: its tooltip): the
// sort button's caption (one letter differs from the sorter's own), the
// boxes' first numbers, the listing lines that read the boxes crosswise,
// flowchart captions that end in a Cyrillic letter, the tooltips as they
// are spelt, and the run controls' captions.
inline constexpr std::pair<const char *, const char *> kDemoTexts[] = {
    {"Command1", "Сортировать числа по возраствнию"},
    {"Text1", "5"},
    {"Text2", "4"},
    {"Text3", "3"},
    {"Lbl_List(1)", "Dim A, B, C, X As Double"},
    {"Lbl_List(3)", "C = CDbl(Text2.Text)"},
    {"Lbl_List(4)", "B = CDbl(Text3.Text)"},
    {"lbl_alg(3)", "Ввод В"},
    {"lbl_alg(25)", "Вывод С"},
    {"Image4", "Блок-схема алгоритма сортировки трех чисел"},
    {"Image5", "Программый код, реализующий сортировку трех чисел."},
    {"Image6", "Форма для выполнения сортировки."},
    {"Lbl_Mem", "Память"},
    {"Check1", "Пошаговый режим"},
    {"Cmd_Preview", "Назад"},
    {"Cmd_Next", "Вперед"},
    {"Cmd_Stop", "Стоп"},
    {"Cmd_Goto", "Продолжить"},
    {"Cmd_Reset", "Сброс"},
    {"Command3", "Выход"},
};

struct StatedControl
{
    const char *name;
    const char *className;
    QRect twips;
    const char *text;
};

// The sorter window's controls, in tab order.
inline const StatedControl kSorterControls[] = {
    {"Label1", "QLabel", {600, 120, 1335, 255}, "Число А="},
    {"Label2", "QLabel", {600, 600, 1335, 255}, "Число В="},
    {"Label3", "QLabel", {600, 1080, 1335, 255}, "Число С="},
    {"Text1", "QLineEdit", {2160, 120, 1575, 285}, "5"},
    {"Text2", "QLineEdit", {2160, 600, 1575, 285}, "8"},
    {"Text3", "QLineEdit", {2160, 1080, 1575, 285}, "3"},
    {"Command1", "QPushButton", {480, 1560, 3255, 375}, "Сортировать числа по возрастанию"},
};
