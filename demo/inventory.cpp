#include "inventory.h"

#include <QHash>
#include <QSet>

namespace {

using Role = Colour::Role;

ControlRow make(ControlKind kind, const char *name, int index, int left, int top, int width,
                int height, const char *text)
{
    ControlRow r;
    r.kind = kind;
    r.name = QString::fromUtf8(name);
    r.index = index;
    r.twips = QRect(left, top, width, height);
    r.text = QString::fromUtf8(text);
    if (kind == ControlKind::TextBox) {
        r.fore = Role::WindowText;
        r.back = Role::WindowBackground;
    }
    if (kind == ControlKind::Shape) {
        r.transparent = true;
        r.back = Role::WindowBackground;
    }
    return r;
}

ControlRow label(const char *name, int l, int t, int w, int h, const char *caption)
{
    return make(ControlKind::Label, name, -1, l, t, w, h, caption);
}
ControlRow image(const char *name, int l, int t, int w, int h)
{
    return make(ControlKind::ImageBox, name, -1, l, t, w, h, "");
}
ControlRow shape(const char *name, int l, int t, int w, int h)
{
    return make(ControlKind::Shape, name, -1, l, t, w, h, "");
}
ControlRow textBox(const char *name, int l, int t, int w, int h, const char *text)
{
    return make(ControlKind::TextBox, name, -1, l, t, w, h, text);
}
ControlRow button(const char *name, int l, int t, int w, int h, const char *caption)
{
    return make(ControlKind::PushButton, name, -1, l, t, w, h, caption);
}
ControlRow checkBox(const char *name, int l, int t, int w, int h, const char *caption)
{
    return make(ControlKind::CheckBox, name, -1, l, t, w, h, caption);
}

// A flowchart label: bold, centred, transparent over the picture.
ControlRow alg(int index, const char *caption, const char *tag, int l, int t, int w, int h)
{
    return make(ControlKind::Label, "lbl_alg", index, l, t, w, h, caption)
        .withFont(FontRole::Bold).centred().clear().withTag(tag);
}

// A line of the program listing: all share Left, Width and Height.
ControlRow list(int index, const char *text, int top)
{
    return make(ControlKind::Label, "Lbl_List", index, 4200, top, 2655, 255, text).clear();
}

ControlRow line(int number, int x1, int y1, int x2, int y2)
{
    ControlRow r = make(ControlKind::Line, "Line", -1, 0, 0, 0, 0, "");
    r.name = QStringLiteral("Line%1").arg(number);
    r.ends = QLine(x1, y1, x2, y2);
    r.twips = QRect(r.ends.p1(), r.ends.p2()).normalized();
    return r;
}

std::vector<ControlRow> buildInventory()
{
    return {
        // Flowchart area: the labels over the blocks of the background picture.
        //  index  caption      tag    Left  Top   Width Height
        alg(0,  "Начало",  "1",  960,  120,  1215, 255),
        make(ControlKind::Label, "lbl_alg", 1, 120, 600, 375, 255, "Label1").withTag("0").hidden(),
        alg(2,  "Ввод А",  "3",  960,  480,  1215, 255),
        alg(3,  "Ввод В",  "4",  960,  840,  1215, 255),
        alg(4,  "Ввод С",  "5",  960,  1200, 1215, 255),
        alg(5,  "A > B",   "6",  840,  1680, 1455, 255),
        alg(6,  "Да",      "7",  2520, 1440, 495,  255),
        alg(7,  "X=A",     "7",  2400, 1920, 1455, 255),
        alg(8,  "A=B",     "8",  2400, 2280, 1455, 255),
        alg(9,  "B=X",     "9",  2400, 2640, 1455, 255),
        alg(10, "Нет",     "0",  240,  1440, 495,  255),
        alg(11, "B > C",   "11", 840,  3360, 1455, 255),
        alg(12, "Да",      "12", 2520, 3120, 495,  255),
        alg(13, "X=C",     "12", 2400, 3600, 1455, 255),
        alg(14, "C=B",     "13", 2400, 3960, 1455, 255),
        alg(15, "B=X",     "14", 2400, 4320, 1455, 255),
        alg(16, "Нет",     "0",  240,  3120, 495,  255),
        alg(17, "A > B",   "16", 840,  5040, 1455, 255),
        alg(18, "Да",      "17", 2520, 4800, 495,  255),
        alg(19, "X=A",     "17", 2400, 5280, 1455, 255),
        alg(20, "A=B",     "18", 2400, 5640, 1455, 255),
        alg(21, "B=X",     "19", 2400, 6000, 1455, 255),
        alg(22, "Нет",     "0",  240,  4800, 495,  255),
        alg(23, "Вывод А", "21", 960,  6480, 1215, 255),
        alg(24, "Вывод В", "22", 960,  6840, 1215, 255),
        alg(25, "Вывод С", "23", 960,  7200, 1215, 255),
        alg(26, "Конец",   "24", 960,  7560, 1215, 255),

        // The diamonds' outlines and the connectors, over the picture.
        //     n   X1    Y1    X2    Y2
        line(1,  1560, 2040, 240,  1800), line(2,  240,  1800, 1560, 1560),
        line(3,  2880, 1800, 1560, 1560), line(4,  2880, 1800, 1560, 2040),
        line(5,  2880, 1800, 3120, 1800), line(6,  3120, 1800, 3120, 1920),
        line(7,  3120, 2160, 3120, 2280), line(8,  3120, 2520, 3120, 2640),
        line(9,  3120, 3000, 3120, 2880), line(10, 3120, 3000, 1560, 3000),
        line(11, 240,  1800, 120,  1800), line(12, 120,  1800, 120,  3000),
        line(13, 120,  3000, 1560, 3000), line(14, 1560, 3000, 1560, 3240),
        line(15, 1560, 3720, 240,  3480), line(16, 240,  3480, 1560, 3240),
        line(17, 2880, 3480, 1560, 3240), line(18, 2880, 3480, 1560, 3720),
        line(19, 2880, 3480, 3120, 3480), line(20, 3120, 3480, 3120, 3600),
        line(21, 3120, 3840, 3120, 3960), line(22, 3120, 4200, 3120, 4320),
        line(23, 3120, 4680, 3120, 4560), line(24, 3120, 4680, 1560, 4680),
        line(25, 240,  3480, 120,  3480), line(26, 120,  3480, 120,  4680),
        line(27, 120,  4680, 1560, 4680), line(28, 1560, 4680, 1560, 4920),
        line(29, 1560, 5400, 240,  5160), line(30, 240,  5160, 1560, 4920),
        line(31, 2880, 5160, 1560, 4920), line(32, 2880, 5160, 1560, 5400),
        line(33, 2880, 5160, 3120, 5160), line(34, 3120, 5160, 3120, 5280),
        line(35, 3120, 5520, 3120, 5640), line(36, 3120, 5880, 3120, 6000),
        line(37, 3120, 6360, 3120, 6240), line(38, 3120, 6360, 1560, 6360),
        line(39, 240,  5160, 120,  5160), line(40, 120,  5160, 120,  6360),
        line(41, 120,  6360, 1560, 6360), line(42, 1560, 6360, 1560, 6480),
        line(43, 1560, 480,  1560, 360),  line(44, 1560, 720,  1560, 840),
        line(45, 1560, 1440, 1560, 1560), line(46, 1560, 1080, 1560, 1200),
        line(47, 1560, 6720, 1560, 6840), line(48, 1560, 7080, 1560, 7200),
        line(49, 1560, 7440, 1560, 7560),

        image("Image4", 120, 120, 3735, 7695)
            .withTip("Блок-схема алгоритма сортировки трех чисел"),

        // Listing panel: the paper and one label per source line.
        shape("Shape3", 4080, 120, 2895, 7815).opaque(),
        //   index  text                             Top
        list(0,  "Private Sub Command1_Click()", 120),
        list(1,  "Dim A, B, C, X As Double",     360),
        list(2,  "A = CDbl(Text1.Text)",         600),
        list(3,  "C = CDbl(Text2.Text)",         840),
        list(4,  "B = CDbl(Text3.Text)",         1080),
        list(5,  "If A > B Then",                1680),
        list(6,  "X = A",                        1920),
        list(7,  "A = B",                        2280),
        list(8,  "B = X",                        2640),
        list(9,  "End If",                       3000),
        list(10, "If B > C Then",                3360),
        list(11, "X = C",                        3600),
        list(12, "C = B",                        3960),
        list(13, "B = X",                        4320),
        list(14, "End If",                       4680),
        list(15, "If A > B Then",                5040),
        list(16, "X = A",                        5280),
        list(17, "A = B",                        5640),
        list(18, "B = X",                        6000),
        list(19, "End If",                       6240),
        list(20, "Text1.Text = CStr(A)",         6480),
        list(21, "Text2.Text = CStr(B)",         6840),
        list(22, "Text3.Text = CStr(C)",         7200),
        list(23, "End Sub",                      7560),
        image("Image5", 4200, 120, 2655, 7695)
            .withTip("Программый код, реализующий сортировку трех чисел."),

        // The picture of the sorter's window with live controls on it.
        shape("Shape1", 7080, 120, 4695, 3615).opaque().withBack(Colour::rgb(224, 224, 224)),
        image("Image1", 7200, 240, 4440, 3330).withPicture(kDesktopPicture)
            .announcedAs("Рабочий стол компьютера"),
        image("Image2", 7800, 840, 3645, 2445).withPicture(kSorterWindowPicture)
            .announcedAs("Окно программы сортировки трех чисел"),
        image("Image3", 11160, 960, 135, 135).announcedAs("Закрыть"),
        image("Image6", 7800, 1200, 3555, 2055).withTip("Форма для выполнения сортировки."),
        label("Label25", 8280, 1320, 975, 255, "Число А=").clear().naming("Text1"),
        label("Label26", 8280, 1800, 975, 255, "Число В=").clear().naming("Text2"),
        label("Label27", 8280, 2280, 975, 255, "Число С=").clear().naming("Text3"),
        textBox("Text1", 9480, 1320, 1575, 285, "5").withTab(1),
        textBox("Text2", 9480, 1800, 1575, 285, "4").withTab(2),
        textBox("Text3", 9480, 2280, 1575, 285, "3").withTab(3),
        button("Command1", 8040, 2760, 3255, 375, "Сортировать числа по возраствнию").withTab(0),

        // Memory panel.
        shape("Shape5", 7080, 3840, 4695, 2175).opaque(),
        label("Lbl_Mem", 7320, 3960, 4215, 375, "Память").centred().clear().withFont(FontRole::Heading),
        label("Lbl_NameA", 7200, 4560, 1095, 255, "A").centred(),
        label("Lbl_NameB", 7200, 4920, 1095, 255, "B").centred(),
        label("Lbl_NameC", 7200, 5280, 1095, 255, "C").centred(),
        label("Lbl_NameX", 7200, 5640, 1095, 255, "X").centred(),
        label("Lbl_MemA", 8400, 4560, 3255, 255, ""),
        label("Lbl_MemB", 8400, 4920, 3255, 255, ""),
        label("Lbl_MemC", 8400, 5280, 3255, 255, ""),
        label("Lbl_MemX", 8400, 5640, 3255, 255, ""),

        // Run controls.
        shape("Shape4", 7080, 6120, 4695, 1815).opaque(),
        shape("Shape2", 7200, 6240, 2895, 1575),
        shape("Shape6", 10200, 6240, 1455, 1575),
        checkBox("Check1", 7320, 6360, 2415, 255, "Пошаговый режим")
            .ticked().withBack(Role::ActiveCaptionText).withTab(4),
        button("Cmd_Preview", 7320, 6720, 1215, 375, "Назад").disabled().withTab(5),
        button("Cmd_Next", 8760, 6720, 1215, 375, "Вперед").withTab(6),
        button("Cmd_Stop", 7320, 7320, 1215, 375, "Стоп").withTab(7),
        button("Cmd_Goto", 8760, 7320, 1215, 375, "Продолжить").withTab(8),
        button("Cmd_Reset", 10320, 6360, 1215, 375, "Сброс").withTab(9),
        button("Command3", 10320, 6840, 1215, 375, "Выход").withTab(10),
    };
}

QStringList buildStacking()
{
    QStringList order = {"Image3", "Image6", "Image5", "Image4", "Shape6"};
    for (int i : {23, 24, 25, 26, 18, 22, 17, 19, 20, 21, 12, 16, 11, 13, 14, 15, 6, 1})
        order << QStringLiteral("lbl_alg(%1)").arg(i);
    order << "Lbl_MemX" << "Lbl_NameX" << "Label27" << "Label26" << "Label25";
    for (int n = 49; n >= 44; --n)
        order << QStringLiteral("Line%1").arg(n);
    order << "Lbl_MemC" << "Lbl_MemB" << "Lbl_MemA" << "Lbl_NameC" << "Lbl_NameB"
          << "Lbl_NameA" << "Lbl_Mem";
    for (int i = 23; i >= 2; --i)
        order << QStringLiteral("Lbl_List(%1)").arg(i);
    order << "Lbl_List(0)" << "Shape5" << "Lbl_List(1)" << "Shape3" << "Shape2" << "Image2"
          << "Image1" << "Shape1";
    for (int n = 42; n >= 1; --n)
        order << QStringLiteral("Line%1").arg(n);
    for (int i : {9, 8, 7, 5, 10, 4, 3, 2, 0})
        order << QStringLiteral("lbl_alg(%1)").arg(i);
    order << "Shape4" << "Line43";
    return order;
}

} // namespace

const std::vector<ControlRow> &controlInventory()
{
    static const std::vector<ControlRow> rows = buildInventory();
    return rows;
}

const QStringList &stackingOrder()
{
    static const QStringList order = buildStacking();
    return order;
}

std::vector<std::size_t> resolveStacking(const QStringList &order,
                                         const std::vector<ControlRow> &rows,
                                         QStringList &problems)
{
    QHash<QString, std::size_t> drawnRows; // full name -> row
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].isDrawn())
            drawnRows.insert(rows[i].fullName(), i);

    std::vector<std::size_t> resolved;
    QSet<QString> listed;
    for (const QString &name : order) {
        if (!drawnRows.contains(name))
            problems << QStringLiteral("no drawn control named \"%1\"").arg(name);
        else if (listed.contains(name))
            problems << QStringLiteral("\"%1\" listed twice").arg(name);
        else
            resolved.push_back(drawnRows.value(name));
        listed.insert(name);
    }
    for (const ControlRow &row : rows)
        if (row.isDrawn() && !listed.contains(row.fullName()))
            problems << QStringLiteral("drawn control \"%1\" left out").arg(row.fullName());
    return resolved;
}
