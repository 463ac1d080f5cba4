#include "inventory.h"

#include <QCoreApplication>

namespace {

using Role = Colour::Role;

// The texts a user reads are marked for translation in the window's context
// (QT_TR_NOOP); the window translates them as it makes its controls.
// Formulas and the program's listing are not translated.
struct Inventory
{
    Q_DECLARE_TR_FUNCTIONS(FormDemo)
public:
    static std::vector<ControlRow> rows();
};

ControlRow label(const char *name, int stack, int l, int t, int w, int h, const char *caption)
{
    return controlRow(ControlKind::Label, name, -1, stack, l, t, w, h, caption);
}
ControlRow image(const char *name, int stack, int l, int t, int w, int h)
{
    return controlRow(ControlKind::ImageBox, name, -1, stack, l, t, w, h, "");
}
ControlRow shape(const char *name, int stack, int l, int t, int w, int h)
{
    return controlRow(ControlKind::Shape, name, -1, stack, l, t, w, h, "");
}
// Child widgets: above every drawn control, they have no rank.
ControlRow textBox(const char *name, int l, int t, int w, int h, const char *text)
{
    return controlRow(ControlKind::TextBox, name, -1, -1, l, t, w, h, text);
}
ControlRow button(const char *name, int l, int t, int w, int h, const char *caption)
{
    return controlRow(ControlKind::PushButton, name, -1, -1, l, t, w, h, caption);
}
ControlRow checkBox(const char *name, int l, int t, int w, int h, const char *caption)
{
    return controlRow(ControlKind::CheckBox, name, -1, -1, l, t, w, h, caption);
}

// A flowchart label: bold, centred, transparent over the picture.
ControlRow alg(int index, const char *caption, const char *tag, int stack, int l, int t, int w,
               int h)
{
    return controlRow(ControlKind::Label, "lbl_alg", index, stack, l, t, w, h, caption)
        .withFont(FontRole::Bold).centred().transparent().withTag(tag);
}

// A line of the program listing: all share Left, Width and Height.
ControlRow list(int index, const char *text, int stack, int top)
{
    return controlRow(ControlKind::Label, "Lbl_List", index, stack, 4200, top, 2655, 255, text)
        .transparent();
}

ControlRow line(int number, int stack, int x1, int y1, int x2, int y2)
{
    ControlRow r = controlRow(ControlKind::Line, "Line", -1, stack, 0, 0, 0, 0, "");
    r.name = QStringLiteral("Line%1").arg(number);
    r.ends = QLine(x1, y1, x2, y2);
    r.twips = QRect(r.ends.p1(), r.ends.p2()).normalized();
    return r;
}

std::vector<ControlRow> Inventory::rows()
{
    return {
        // Flowchart area: the picture's tooltip box, then the labels over
        // the blocks of the background picture, in the order of the flow.
        //    name     stack Left Top  Width Height
        image("Image4", 3, 120, 120, 3735, 7695)
            .withTip(QT_TR_NOOP("Блок-схема алгоритма сортировки трех чисел")),
        //  index  caption            tag   stack Left  Top   Width Height
        alg(0,  QT_TR_NOOP("Начало"),  "1",  121, 960,  120,  1215, 255),
        controlRow(ControlKind::Label, "lbl_alg", 1, 22, 120, 600, 375, 255, "Label1")
            .withTag("0").hidden().restoredAs(""),
        alg(2,  QT_TR_NOOP("Ввод А"),  "3",  120, 960,  480,  1215, 255),
        alg(3,  QT_TR_NOOP("Ввод В"),  "4",  119, 960,  840,  1215, 255),
        alg(4,  QT_TR_NOOP("Ввод С"),  "5",  118, 960,  1200, 1215, 255),
        alg(5,  "A > B",               "6",  116, 840,  1680, 1455, 255).restoredAs("A > B"),
        alg(6,  QT_TR_NOOP("Да"),      "7",  21,  2520, 1440, 495,  255),
        alg(7,  "X=A",                 "7",  115, 2400, 1920, 1455, 255).restoredAs("X = A"),
        alg(8,  "A=B",                 "8",  114, 2400, 2280, 1455, 255).restoredAs("A = B"),
        alg(9,  "B=X",                 "9",  113, 2400, 2640, 1455, 255).restoredAs("B = X"),
        alg(10, QT_TR_NOOP("Нет"),     "0",  117, 240,  1440, 495,  255),
        alg(11, "B > C",               "11", 17,  840,  3360, 1455, 255).restoredAs("B > C"),
        alg(12, QT_TR_NOOP("Да"),      "12", 15,  2520, 3120, 495,  255),
        alg(13, "X=C",                 "12", 18,  2400, 3600, 1455, 255).restoredAs("X = C"),
        alg(14, "C=B",                 "13", 19,  2400, 3960, 1455, 255).restoredAs("C = B"),
        alg(15, "B=X",                 "14", 20,  2400, 4320, 1455, 255).restoredAs("B = X"),
        alg(16, QT_TR_NOOP("Нет"),     "0",  16,  240,  3120, 495,  255),
        alg(17, "A > B",               "16", 11,  840,  5040, 1455, 255).restoredAs("A > B"),
        alg(18, QT_TR_NOOP("Да"),      "17", 9,   2520, 4800, 495,  255),
        alg(19, "X=A",                 "17", 12,  2400, 5280, 1455, 255).restoredAs("X = A"),
        alg(20, "A=B",                 "18", 13,  2400, 5640, 1455, 255).restoredAs("A = B"),
        alg(21, "B=X",                 "19", 14,  2400, 6000, 1455, 255).restoredAs("B = X"),
        alg(22, QT_TR_NOOP("Нет"),     "0",  10,  240,  4800, 495,  255),
        alg(23, QT_TR_NOOP("Вывод А"), "21", 5,   960,  6480, 1215, 255),
        alg(24, QT_TR_NOOP("Вывод В"), "22", 6,   960,  6840, 1215, 255),
        alg(25, QT_TR_NOOP("Вывод С"), "23", 7,   960,  7200, 1215, 255),
        alg(26, QT_TR_NOOP("Конец"),   "24", 8,   960,  7560, 1215, 255),

        // The diamonds' outlines and the connectors, over the picture.
        //     n   stack X1    Y1    X2    Y2
        line(1,  112, 1560, 2040, 240,  1800), line(2,  111, 240,  1800, 1560, 1560),
        line(3,  110, 2880, 1800, 1560, 1560), line(4,  109, 2880, 1800, 1560, 2040),
        line(5,  108, 2880, 1800, 3120, 1800), line(6,  107, 3120, 1800, 3120, 1920),
        line(7,  106, 3120, 2160, 3120, 2280), line(8,  105, 3120, 2520, 3120, 2640),
        line(9,  104, 3120, 3000, 3120, 2880), line(10, 103, 3120, 3000, 1560, 3000),
        line(11, 102, 240,  1800, 120,  1800), line(12, 101, 120,  1800, 120,  3000),
        line(13, 100, 120,  3000, 1560, 3000), line(14, 99,  1560, 3000, 1560, 3240),
        line(15, 98,  1560, 3720, 240,  3480), line(16, 97,  240,  3480, 1560, 3240),
        line(17, 96,  2880, 3480, 1560, 3240), line(18, 95,  2880, 3480, 1560, 3720),
        line(19, 94,  2880, 3480, 3120, 3480), line(20, 93,  3120, 3480, 3120, 3600),
        line(21, 92,  3120, 3840, 3120, 3960), line(22, 91,  3120, 4200, 3120, 4320),
        line(23, 90,  3120, 4680, 3120, 4560), line(24, 89,  3120, 4680, 1560, 4680),
        line(25, 88,  240,  3480, 120,  3480), line(26, 87,  120,  3480, 120,  4680),
        line(27, 86,  120,  4680, 1560, 4680), line(28, 85,  1560, 4680, 1560, 4920),
        line(29, 84,  1560, 5400, 240,  5160), line(30, 83,  240,  5160, 1560, 4920),
        line(31, 82,  2880, 5160, 1560, 4920), line(32, 81,  2880, 5160, 1560, 5400),
        line(33, 80,  2880, 5160, 3120, 5160), line(34, 79,  3120, 5160, 3120, 5280),
        line(35, 78,  3120, 5520, 3120, 5640), line(36, 77,  3120, 5880, 3120, 6000),
        line(37, 76,  3120, 6360, 3120, 6240), line(38, 75,  3120, 6360, 1560, 6360),
        line(39, 74,  240,  5160, 120,  5160), line(40, 73,  120,  5160, 120,  6360),
        line(41, 72,  120,  6360, 1560, 6360), line(42, 71,  1560, 6360, 1560, 6480),
        line(43, 123, 1560, 480,  1560, 360),  line(44, 33,  1560, 720,  1560, 840),
        line(45, 32,  1560, 1440, 1560, 1560), line(46, 31,  1560, 1080, 1560, 1200),
        line(47, 30,  1560, 6720, 1560, 6840), line(48, 29,  1560, 7080, 1560, 7200),
        line(49, 28,  1560, 7440, 1560, 7560),

        // Listing panel: the paper, the listing's tooltip box and one label
        // per source line, top to bottom.
        shape("Shape3", 66, 4080, 120, 2895, 7815).opaque(),
        image("Image5", 2, 4200, 120, 2655, 7695)
            .withTip(QT_TR_NOOP("Программый код, реализующий сортировку трех чисел.")),
        //   index  text                          stack Top
        list(0,  "Private Sub Command1_Click()",  63,  120),
        list(1,  "Dim A, B, C, X As Double",      65,  360),
        list(2,  "A = CDbl(Text1.Text)",          62,  600),
        list(3,  "C = CDbl(Text2.Text)",          61,  840),
        list(4,  "B = CDbl(Text3.Text)",          60,  1080),
        list(5,  "If A > B Then",                 59,  1680),
        list(6,  "X = A",                         58,  1920),
        list(7,  "A = B",                         57,  2280),
        list(8,  "B = X",                         56,  2640),
        list(9,  "End If",                        55,  3000),
        list(10, "If B > C Then",                 54,  3360),
        list(11, "X = C",                         53,  3600),
        list(12, "C = B",                         52,  3960),
        list(13, "B = X",                         51,  4320),
        list(14, "End If",                        50,  4680),
        list(15, "If A > B Then",                 49,  5040),
        list(16, "X = A",                         48,  5280),
        list(17, "A = B",                         47,  5640),
        list(18, "B = X",                         46,  6000),
        list(19, "End If",                        45,  6240),
        list(20, "Text1.Text = CStr(A)",          44,  6480),
        list(21, "Text2.Text = CStr(B)",          43,  6840),
        list(22, "Text3.Text = CStr(C)",          42,  7200),
        list(23, "End Sub",                       41,  7560),

        // The picture of the sorter's window with live controls on it; the
        // sort button comes first in the tab order, so before the boxes.
        //     name      stack Left   Top   Width Height
        shape("Shape1",  70,  7080,  120,  4695, 3615).opaque().withBack(Colour::rgb(224, 224, 224)),
        image("Image1",  69,  7200,  240,  4440, 3330).withPicture(kDesktopPicture, kDesktopPictureEn)
            .announcedAs(QT_TR_NOOP("Рабочий стол компьютера")),
        image("Image2",  68,  7800,  840,  3645, 2445).withPicture(kSorterWindowPicture, kSorterWindowPictureEn)
            .announcedAs(QT_TR_NOOP("Окно программы сортировки трех чисел")),
        image("Image3",  0,   11160, 960,  135,  135).announcedAs(QT_TR_NOOP("Закрыть")),
        image("Image6",  1,   7800,  1200, 3555, 2055)
            .withTip(QT_TR_NOOP("Форма для выполнения сортировки.")),
        button("Command1",    8040,  2760, 3255, 375,
               QT_TR_NOOP("Сортировать числа по возраствнию")).withTab(0),
        label("Label25", 27,  8280,  1320, 975,  255, QT_TR_NOOP("Число А=")).transparent().naming("Text1"),
        textBox("Text1",      9480,  1320, 1575, 285, "5").withTab(1),
        label("Label26", 26,  8280,  1800, 975,  255, QT_TR_NOOP("Число В=")).transparent().naming("Text2"),
        textBox("Text2",      9480,  1800, 1575, 285, "4").withTab(2),
        label("Label27", 25,  8280,  2280, 975,  255, QT_TR_NOOP("Число С=")).transparent().naming("Text3"),
        textBox("Text3",      9480,  2280, 1575, 285, "3").withTab(3),

        // Memory panel: the heading, then A, B, C and X, each name before
        // its value.
        shape("Shape5",    64, 7080, 3840, 4695, 2175).opaque(),
        label("Lbl_Mem",   40, 7320, 3960, 4215, 375, QT_TR_NOOP("Память"))
            .centred().transparent().withFont(FontRole::Heading),
        label("Lbl_NameA", 39, 7200, 4560, 1095, 255, "A").centred(),
        label("Lbl_MemA",  36, 8400, 4560, 3255, 255, ""),
        label("Lbl_NameB", 38, 7200, 4920, 1095, 255, "B").centred(),
        label("Lbl_MemB",  35, 8400, 4920, 3255, 255, ""),
        label("Lbl_NameC", 37, 7200, 5280, 1095, 255, "C").centred(),
        label("Lbl_MemC",  34, 8400, 5280, 3255, 255, ""),
        label("Lbl_NameX", 24, 7200, 5640, 1095, 255, "X").centred(),
        label("Lbl_MemX",  23, 8400, 5640, 3255, 255, ""),

        // Run controls.
        shape("Shape4", 122, 7080,  6120, 4695, 1815).opaque(),
        shape("Shape2", 67,  7200,  6240, 2895, 1575),
        shape("Shape6", 4,   10200, 6240, 1455, 1575),
        checkBox("Check1",      7320,  6360, 2415, 255, QT_TR_NOOP("Пошаговый режим"))
            .ticked().withBack(Role::ActiveCaptionText).withTab(4),
        button("Cmd_Preview",   7320,  6720, 1215, 375, QT_TR_NOOP("Назад")).disabled().withTab(5),
        button("Cmd_Next",      8760,  6720, 1215, 375, QT_TR_NOOP("Вперед")).withTab(6),
        button("Cmd_Stop",      7320,  7320, 1215, 375, QT_TR_NOOP("Стоп")).withTab(7),
        button("Cmd_Goto",      8760,  7320, 1215, 375, QT_TR_NOOP("Продолжить")).withTab(8),
        button("Cmd_Reset",     10320, 6360, 1215, 375, QT_TR_NOOP("Сброс")).withTab(9),
        button("Command3",      10320, 6840, 1215, 375, QT_TR_NOOP("Выход")).withTab(10),
    };
}

} // namespace

const std::vector<ControlRow> &controlInventory()
{
    static const std::vector<ControlRow> rows = Inventory::rows();
    return rows;
}
