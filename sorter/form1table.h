#pragma once

#include "brivon_program.h"
#include "controlrow.h"

#include <QCoreApplication>

#include <vector>

// The fixed look of the sorter's window Form1: every control with its name,
// kind, place, text and tab index. The window makes its controls from this
// table, and the demonstrator's pictures draw the window from it.
namespace form1 {

// The controls in tab order.
const std::vector<ControlRow> &controlInventory();

// The window's own settings.
constexpr int kClientWidthTwips = brivon_program::kClientWidthTwips;
constexpr int kClientHeightTwips = brivon_program::kClientHeightTwips;
// The window's title, as it is translated (brivon_program::kTitle).
constexpr const char *kCaption =
    QT_TRANSLATE_NOOP("Form1", "Сортировка трех чисел (по возрастанию)");

} // namespace form1
