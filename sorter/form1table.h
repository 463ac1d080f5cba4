#pragma once

#include <QRect>
#include <QString>

#include <vector>

// The fixed look of the sorter's window Form1: every control with its name,
// kind, place, text and tab index. The window makes its controls from this
// table, and the demonstrator's pictures draw the window from it.
namespace form1 {

enum class ControlKind { Label, TextBox, PushButton };

struct ControlRow
{
    QString name;
    ControlKind kind = ControlKind::Label;
    QRect twips;           // Left, Top, Width, Height
    QString text;          // caption or initial text
    Qt::Alignment alignment;
    int tabIndex = -1;
    QString labelOf;       // labels: the box the label names
};

// The controls in tab order.
const std::vector<ControlRow> &controlInventory();

// The window's own settings.
constexpr int kClientWidthTwips = 4200;
constexpr int kClientHeightTwips = 2040;
constexpr const char *kCaption =
    QT_TRANSLATE_NOOP("Form1", "Сортировка трех чисел (по возрастанию)");

} // namespace form1
