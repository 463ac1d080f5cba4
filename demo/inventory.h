#pragma once

#include "controlrow.h"
#include "demopictures.h"
#include "kalumet_program.h"

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

// The picture an image box of the table shows where the window's texts are
// in `language` ("ru" or "en"): the pictures with texts in them have an
// English twin, drawn alike; the others serve both.
const RawImage &pictureIn(const RawImage &picture, const QString &language);

// The flowchart labels lbl_alg(0) to lbl_alg(26) and the listing lines
// Lbl_List(0) to Lbl_List(23), one for each step of a demonstration.
constexpr int kFlowchartLabels = 27;
constexpr int kSteps = 24;
constexpr int kListingLines = kSteps;
// The beat of the automatic mode: a step every half second, unless the
// teacher chooses another of the paces.
constexpr int kStepIntervalMs = 500;
constexpr int kPaces[] = {250, 500, 1000, 2000, 4000};
} // namespace formdemo
