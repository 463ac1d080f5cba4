#pragma once

// How both programs start: the command line, the projector scale, the
// application object, Qt's own texts in the programs' language, the window
// icon and the one window, shown. Each program describes itself in a
// Program; launch::run() does the rest.

#include <QSize>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QWidget;

namespace launch {

// An option of one program's own, beyond those both programs take: its
// names, the name of its value, its line in --help (source text in the
// command line's context, "CommandLine"), and what it does with a value;
// `take` returns the refusal's text for a value it doesn't take, or nothing.
struct ProgramOption
{
    QString name;
    QString valueName;
    const char *help = "";
    std::function<std::optional<QString>(const QString &value)> take;
};

struct Program
{
    QString name;    // the executable's name, first word of every message
    QString version; // the project's version, for --version
    // One line under the synopsis of --help: the source text, marked for
    // translation in the program's context (its name) and translated as
    // --help shows it.
    const char *summary = "";
    QSize client;    // the window's client area in pixels at scale 1
    QString appId;   // the desktop's name of the program: its entry and icon
    std::function<std::unique_ptr<QWidget>()> makeWindow;
    std::vector<ProgramOption> options = {};
    // How the window is used by keyboard, in a sentence or two, for a
    // screen reader in a web page, where the window is one canvas: the
    // source text, marked for translation in the program's context.
    const char *keys = "";
};

// What runs once the window is shown: the event loop, by default.
using Loop = std::function<int(QWidget *window)>;

// The whole program, as main() runs it: the command line first, read with
// an application object of Qt Core alone and the translations installed
// (--help, --version and a refused option end here, with no display
// needed); then the application object, showWindow(), and `loop`. Returns
// the program's exit status.
int run(int argc, char *argv[], const Program &program, const Loop &loop = {});

// What the program does once its application object exists: names the
// program, puts Qt's own texts into the programs' language, gives every
// window the program icon, makes the window and shows it.
std::unique_ptr<QWidget> showWindow(const Program &program);

// Reads the command line before the application object is made, so that it
// needs no display (a QCoreApplication with the translations installed may
// exist). --help and --version print and end the program with 0; an
// unknown option, a missing or wrong value or a stray argument is reported
// with the usage on standard error and ends it with 2: the status is
// returned. Otherwise returns nothing and the program goes on, with the
// value of --scale, if one was given, in `scale`; argv still holds Qt's own
// options for the application object.
std::optional<int> handleCommandLine(int argc, char *argv[], const Program &program,
                                     std::optional<QString> *scale);

// Installs the translations of the programs' texts and of Qt's own texts
// (context menus, dialog buttons) into the language the programs' texts are
// shown in: the first of the user's languages that the programs are
// written in (Russian) or have a translation into, or else Russian. The
// user's languages are, on Linux, those gettext reads (LANGUAGE, unless
// the locale is C, then LC_ALL, LC_MESSAGES, LANG); on Windows the display
// languages of the account (after LANGUAGE, where it is set); in a web page
// the page's language first (web/page.js). Numbers keep following the
// regional settings, whatever the language. Returns that language where
// Qt's texts are in it: always for English, Qt's own language, and for
// the others where Qt's translation was found; where it is missing Qt's
// texts stay English, silently, and it returns nothing. Call it once the
// application object exists, before the window is made.
QString installTranslations();

// The language the programs' texts are shown in, as installTranslations()
// chose it: "ru" (the source language, also where the user's languages
// have no translation) or that of the translation, "en"; "ru" before
// installTranslations() ran. What else follows the language (the
// pictures) asks here.
QString uiLanguage();

} // namespace launch
