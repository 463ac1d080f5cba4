#include "form1table.h"

namespace form1 {

namespace {

ControlRow row(ControlKind kind, const char *name, int left, int top, int width, int height,
               const char *text, Qt::Alignment alignment, int tabIndex,
               const char *labelOf = "")
{
    return {QString::fromUtf8(name), kind, QRect(left, top, width, height),
            QString::fromUtf8(text), alignment, tabIndex, QString::fromUtf8(labelOf)};
}

constexpr auto Label = ControlKind::Label;
constexpr auto TextBox = ControlKind::TextBox;
constexpr auto PushButton = ControlKind::PushButton;
constexpr Qt::Alignment Right = Qt::AlignRight | Qt::AlignTop;
constexpr Qt::Alignment Left = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment Centre = Qt::AlignCenter;

} // namespace

// The letters А, В, С of the labels are Cyrillic capitals.
const std::vector<ControlRow> &controlInventory()
{
    static const std::vector<ControlRow> rows = {
        //  kind        name        Left  Top   Width Height text                   align  tab label of
        row(Label,      "Label1",   600,  120,  1335, 255,   "Число А=",            Right, 0, "Text1"),
        row(Label,      "Label2",   600,  600,  1335, 255,   "Число В=",            Right, 1, "Text2"),
        row(Label,      "Label3",   600,  1080, 1335, 255,   "Число С=",            Right, 2, "Text3"),
        row(TextBox,    "Text1",    2160, 120,  1575, 285,   "5",                   Left,  3),
        row(TextBox,    "Text2",    2160, 600,  1575, 285,   "8",                   Left,  4),
        row(TextBox,    "Text3",    2160, 1080, 1575, 285,   "3",                   Left,  5),
        row(PushButton, "Command1", 480,  1560, 3255, 375,
            "Сортировать числа по возрастанию",                                     Centre, 6),
    };
    return rows;
}

} // namespace form1
