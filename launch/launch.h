#pragma once

// What both programs do before and just after their application object
// exists: the command line, the projector scale and Qt's own texts in
// Russian.

#include <QSize>
#include <QString>

#include <optional>

namespace launch {

// What the command line says about a program.
struct Program
{
    QString name;    // the executable's name, first word of every message
    QString version; // the project's version, for --version
    QString summary; // one line in Russian under the synopsis of --help
    QSize client;    // the window's client area in pixels at scale 1
};

// Reads the command line before the application object is made, so that it
// needs no display. --help and --version print and end the program with 0;
// an unknown option, a missing or wrong value or a stray argument is
// reported with the usage on standard error and ends it with 2: the status
// is returned and the caller returns it from main(). Otherwise returns
// nothing and the program goes on; a --scale has then been put where the
// application object reads it, and argv still holds Qt's own options for it.
std::optional<int> handleCommandLine(int argc, char *argv[], const Program &program);

// Installs Qt's own texts in Russian (context menus, dialog buttons) from
// the system's Qt translations. Where they are missing Qt's texts stay
// English, silently. Returns whether they were installed. Call it once the
// application object exists, before the window is made.
bool installQtTranslations();

} // namespace launch
