#pragma once

#include "controlrow.h"
#include "demopictures.h"
#include "kalumet_program.h"
#include "program.h"

#include <QCoreApplication>

#include <vector>

// The fixed look of the demonstrator window: every control with its name,
// kind, place, text, font, colours, stacking and initial state. The window
// makes its controls from this table and from nothing else.

// All controls of FormDemo, by area of the window, each area in the order
// a reader takes it in: top to bottom, in the order of the flow, the live
// controls in their tab order. Assistive technology presents them so.
const std::vector<ControlRow> &controlInventory();

// The window's own settings.
namespace formdemo {
constexpr int kClientWidthTwips = kalumet_program::kClientWidthTwips;
constexpr int kClientHeightTwips = kalumet_program::kClientHeightTwips;
// The window's title, as it is translated (kalumet_program::kTitle).
constexpr const char *kCaption =
    QT_TRANSLATE_NOOP("FormDemo", "Демонстрация алгоритма сортировки трех чисел");
inline const RawImage &kBackgroundPicture = kFlowchartPicture;

// The flowchart labels lbl_alg(0) to lbl_alg(26) and the listing lines
// Lbl_List(0) to Lbl_List(23): a block and a line for each of the
// program's steps.
constexpr int kFlowchartLabels = lesson::kBlocks;
constexpr int kListingLines = lesson::kSteps;
} // namespace formdemo
