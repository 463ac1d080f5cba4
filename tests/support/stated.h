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

// Where every control of the demonstrator lies, in twips: name:Left,Top,
// Width,Height, for a line name:X1,Y1,X2,Y2. The window has these controls
// and no others.
inline constexpr const char kDemoPlaces[] = R"(
Shape1:7080,120,4695,3615 Image1:7200,240,4440,3330 Image2:7800,840,3645,2445
Image3:11160,960,135,135 Image6:7800,1200,3555,2055 Label25:8280,1320,975,255
Label26:8280,1800,975,255 Label27:8280,2280,975,255 Text1:9480,1320,1575,285
Text2:9480,1800,1575,285 Text3:9480,2280,1575,285 Command1:8040,2760,3255,375
Shape5:7080,3840,4695,2175 Lbl_Mem:7320,3960,4215,375 Lbl_NameA:7200,4560,1095,255
Lbl_NameB:7200,4920,1095,255 Lbl_NameC:7200,5280,1095,255 Lbl_NameX:7200,5640,1095,255
Lbl_MemA:8400,4560,3255,255 Lbl_MemB:8400,4920,3255,255 Lbl_MemC:8400,5280,3255,255
Lbl_MemX:8400,5640,3255,255 Shape4:7080,6120,4695,1815 Shape2:7200,6240,2895,1575
Shape6:10200,6240,1455,1575 Check1:7320,6360,2415,255 Cmd_Preview:7320,6720,1215,375
Cmd_Next:8760,6720,1215,375 Cmd_Stop:7320,7320,1215,375 Cmd_Goto:8760,7320,1215,375
Cmd_Reset:10320,6360,1215,375 Command3:10320,6840,1215,375 Image4:120,120,3735,7695
Image5:4200,120,2655,7695 Shape3:4080,120,2895,7815
lbl_alg(0):960,120,1215,255 lbl_alg(1):120,600,375,255 lbl_alg(2):960,480,1215,255
lbl_alg(3):960,840,1215,255 lbl_alg(4):960,1200,1215,255 lbl_alg(5):840,1680,1455,255
lbl_alg(6):2520,1440,495,255 lbl_alg(7):2400,1920,1455,255 lbl_alg(8):2400,2280,1455,255
lbl_alg(9):2400,2640,1455,255 lbl_alg(10):240,1440,495,255 lbl_alg(11):840,3360,1455,255
lbl_alg(12):2520,3120,495,255 lbl_alg(13):2400,3600,1455,255 lbl_alg(14):2400,3960,1455,255
lbl_alg(15):2400,4320,1455,255 lbl_alg(16):240,3120,495,255 lbl_alg(17):840,5040,1455,255
lbl_alg(18):2520,4800,495,255 lbl_alg(19):2400,5280,1455,255 lbl_alg(20):2400,5640,1455,255
lbl_alg(21):2400,6000,1455,255 lbl_alg(22):240,4800,495,255 lbl_alg(23):960,6480,1215,255
lbl_alg(24):960,6840,1215,255 lbl_alg(25):960,7200,1215,255 lbl_alg(26):960,7560,1215,255
Lbl_List(0):4200,120,2655,255 Lbl_List(1):4200,360,2655,255 Lbl_List(2):4200,600,2655,255
Lbl_List(3):4200,840,2655,255 Lbl_List(4):4200,1080,2655,255 Lbl_List(5):4200,1680,2655,255
Lbl_List(6):4200,1920,2655,255 Lbl_List(7):4200,2280,2655,255 Lbl_List(8):4200,2640,2655,255
Lbl_List(9):4200,3000,2655,255 Lbl_List(10):4200,3360,2655,255 Lbl_List(11):4200,3600,2655,255
Lbl_List(12):4200,3960,2655,255 Lbl_List(13):4200,4320,2655,255 Lbl_List(14):4200,4680,2655,255
Lbl_List(15):4200,5040,2655,255 Lbl_List(16):4200,5280,2655,255 Lbl_List(17):4200,5640,2655,255
Lbl_List(18):4200,6000,2655,255 Lbl_List(19):4200,6240,2655,255 Lbl_List(20):4200,6480,2655,255
Lbl_List(21):4200,6840,2655,255 Lbl_List(22):4200,7200,2655,255 Lbl_List(23):4200,7560,2655,255
Line1:1560,2040,240,1800 Line2:240,1800,1560,1560 Line3:2880,1800,1560,1560 Line4:2880,1800,1560,2040
Line5:2880,1800,3120,1800 Line6:3120,1800,3120,1920 Line7:3120,2160,3120,2280 Line8:3120,2520,3120,2640
Line9:3120,3000,3120,2880 Line10:3120,3000,1560,3000 Line11:240,1800,120,1800 Line12:120,1800,120,3000
Line13:120,3000,1560,3000 Line14:1560,3000,1560,3240 Line15:1560,3720,240,3480 Line16:240,3480,1560,3240
Line17:2880,3480,1560,3240 Line18:2880,3480,1560,3720 Line19:2880,3480,3120,3480 Line20:3120,3480,3120,3600
Line21:3120,3840,3120,3960 Line22:3120,4200,3120,4320 Line23:3120,4680,3120,4560 Line24:3120,4680,1560,4680
Line25:240,3480,120,3480 Line26:120,3480,120,4680 Line27:120,4680,1560,4680 Line28:1560,4680,1560,4920
Line29:1560,5400,240,5160 Line30:240,5160,1560,4920 Line31:2880,5160,1560,4920 Line32:2880,5160,1560,5400
Line33:2880,5160,3120,5160 Line34:3120,5160,3120,5280 Line35:3120,5520,3120,5640 Line36:3120,5880,3120,6000
Line37:3120,6360,3120,6240 Line38:3120,6360,1560,6360 Line39:240,5160,120,5160 Line40:120,5160,120,6360
Line41:120,6360,1560,6360 Line42:1560,6360,1560,6480 Line43:1560,480,1560,360 Line44:1560,720,1560,840
Line45:1560,1440,1560,1560 Line46:1560,1080,1560,1200 Line47:1560,6720,1560,6840 Line48:1560,7080,1560,7200
Line49:1560,7440,1560,7560
)";

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
