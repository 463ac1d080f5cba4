// Where the classic faces come from on Windows and under Wine: the one
// place that knows about Wine. Windows has "MS Sans Serif" and Tahoma among
// its own faces. Debian's Wine offers a Windows program none of its faces,
// which lie in Wine's font folder on the host instead, and Qt's Windows
// font engines draw the bitmaps of MS Sans Serif bold and out of step.
#pragma once

#include <QString>
#include <QStringList>

// Whether this is a Windows program running under Wine.
bool runsUnderWine();

// Chooses, before the application object is made, the font engine the
// classic faces are drawn with: under Wine Qt's FreeType engine, as on
// Linux (unless QT_QPA_PLATFORM chooses otherwise); elsewhere the
// platform's own.
void chooseFontEngine();

// A Windows program's folders with the faces' files: under Wine, Wine's
// font folder on the host; none on Windows itself.
QStringList windowsFontFolders();

// The family `family` where the system has it as a face of its own: on
// Windows, not under Wine. Empty elsewhere.
QString systemFamily(const QString &family);
