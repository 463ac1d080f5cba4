#include "form1table.h"

namespace form1 {

namespace {

ControlRow row(ControlKind kind, const char *name, int left, int top, int width, int height,
               int tabIndex, const char *text, Qt::Alignment alignment)
{
    return controlRow(kind, name, -1, -1, left, top, width, height, text)
        .withTab(tabIndex)
        .aligned(alignment);
}

constexpr auto Label = ControlKind::Label;
constexpr auto TextBox = ControlKind::TextBox;
constexpr auto PushButton = ControlKind::PushButton;
constexpr Qt::Alignment Right = Qt::AlignRight | Qt::AlignTop;
constexpr Qt::Alignment Left = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment Centre = Qt::AlignCenter;

} // namespace

// The letters А, В, С of the labels are Cyrillic capitals. The texts a user
// reads are marked for translation in the window's context; the window
// translates them as it makes its controls.
const std::vector<ControlRow> &controlInventory()
{
    static const std::vector<ControlRow> rows = {
        //  kind        name        Left  Top   Width Height tab
        //  text                                                           align
        row(Label,      "Label1",   600,  120,  1335, 255,   0,
            QT_TRANSLATE_NOOP("Form1", "Число А="),                         Right).naming("Text1"),
        row(Label,      "Label2",   600,  600,  1335, 255,   1,
            QT_TRANSLATE_NOOP("Form1", "Число В="),                         Right).naming("Text2"),
        row(Label,      "Label3",   600,  1080, 1335, 255,   2,
            QT_TRANSLATE_NOOP("Form1", "Число С="),                         Right).naming("Text3"),
        row(TextBox,    "Text1",    2160, 120,  1575, 285,   3,  "5",       Left),
        row(TextBox,    "Text2",    2160, 600,  1575, 285,   4,  "8",       Left),
        row(TextBox,    "Text3",    2160, 1080, 1575, 285,   5,  "3",       Left),
        row(PushButton, "Command1", 480,  1560, 3255, 375,   6,
            QT_TRANSLATE_NOOP("Form1", "Сортировать числа по возрастанию"), Centre),
    };
    return rows;
}

} // namespace form1
