// The faces of the fonts-wine package ("MS Sans Serif", Tahoma, Tahoma
// Bold) that both programs and the picture tools draw their text with.
#pragma once

#include <QString>
#include <QStringList>

// The folders the faces are looked for in: "wine/fonts" in each of the
// system's data folders, first match first; for a Windows program under
// Wine, Wine's own font folder on the host.
QStringList wineFontFolders();

// The family of the face file `file` ("tahoma.ttf") from the first of
// `folders` that holds a loadable copy, registered with the application
// once however often it is asked for; empty where no folder has it.
QString wineFontFamily(const QString &file, const QStringList &folders = wineFontFolders());
