#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

// The three fonts of the window: the window's font (MS Sans Serif 8.25 pt),
// the bold flowchart font and the large heading of the memory panel (18 pt).
enum class FontId { Window, Bold, Heading };
QFont demoFont(FontId id);

// The faces behind demoFont(), from the fonts-wine package, loaded by the
// program itself: "MS Sans Serif" for the window's font, Tahoma Bold for the
// bold labels (MS Sans Serif has no bold face) and Tahoma for the large
// heading (MS Sans Serif holds small sizes only). Where a file is missing,
// its family is empty and the fonts fall back to the application font,
// which renders Cyrillic through the system's font fallback.
struct FontFaces
{
    QString regular;
    QString bold;
    QString large;
};

// Loads the faces from the first folder that has them; the default search
// is the "wine/fonts" folder of the system's data directories.
FontFaces loadFontFaces(const QStringList &folders = QStringList());

// Screen pixels by which bold text is drawn a second time, to the right of
// itself, so that it stays bold in a window scaled for a projector; 0 where
// the bold face is bold enough by itself.
int boldOverstrike();
