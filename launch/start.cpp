#include "launch.h"

#include "display.h"
#include "programicon.h"
#include "reach.h"
#include "winefonts.h"

#include <QApplication>
#include <QWidget>

#ifdef Q_OS_WASM
#include "page.h"
#endif

namespace launch {

int run(int argc, char *argv[], const Program &program, const Loop &loop)
{
    if (const std::optional<int> status = handleCommandLine(argc, argv, program))
        return *status;
#ifdef Q_OS_WIN
    // Under Wine the classic faces come from Wine's font files, which Qt's
    // FreeType engine draws as on Linux; its Windows engines draw the
    // bitmaps of MS Sans Serif bold and out of step.
    if (runsUnderWine() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
#endif
    std::unique_ptr<QApplication> app;
    {
        const DisplayGuard noScreen(program.name);
        app = std::make_unique<QApplication>(argc, argv);
    }
    const std::unique_ptr<QWidget> window = showWindow(program);
    return loop ? loop(window.get()) : QApplication::exec();
}

std::unique_ptr<QWidget> showWindow(const Program &program)
{
    QApplication::setApplicationName(program.name);
    QGuiApplication::setDesktopFileName(program.appId);
    QApplication::setWindowIcon(programWindowIcon());
    installTranslations();

    std::unique_ptr<QWidget> window = program.makeWindow();
#ifdef Q_OS_WASM
    // In a web page the window fills no screen of its own (web/page.cpp).
    web::showInPage(window.get());
#else
    window->show();
    keepWithinReach(window.get());
#endif
    return window;
}

} // namespace launch
