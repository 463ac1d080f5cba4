// The classic faces both programs and the picture tools write in, by what
// the text is for. They come from the fonts-wine package, loaded by the
// program itself (on Windows they are the system's own, under Wine Wine's):
// "MS Sans Serif" for the windows' text, Tahoma Bold for bold text (MS Sans
// Serif has no bold face) and Tahoma for large text (MS Sans Serif holds
// small sizes only).
#pragma once

#include <QFont>
#include <QString>

#include <initializer_list>

enum class FontRole {
    Text,         // a window's text: MS Sans Serif, 11 px (8.25 pt at 96 dpi)
    Bold,         // bold labels, the pictured windows' titles: Tahoma Bold, 11 px
    Heading,      // the memory panel's heading: Tahoma, 24 px (18 pt)
    ScalableText, // Tahoma, 11 px: text in a face that scales
};

// The font of a role, in pixels so that the layout doesn't depend on the
// screen's dpi, crisp and unsmoothed like the bitmap face beside it. The
// MS Sans Serif file holds bitmaps of one size: scaled up for a projector
// its letters would stand apart, so in a scaled application Text is
// ScalableText. Where a face is missing the role takes the application's
// font at the same size and weight, which renders Cyrillic through the
// system's font fallback. The scale is read once, at the first call.
QFont classicFont(FontRole role);

// The family of the classic face behind a role, registered with the
// application; empty where the face is missing.
QString classicFamily(FontRole role);

// Registers the faces of all these roles with the application at once. A
// program that writes in several faces calls it before it shows any text:
// a face registered once text is shaped makes Qt load every font in use
// anew.
void loadClassicFaces(std::initializer_list<FontRole> roles);
