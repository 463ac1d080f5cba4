#include "launch.h"

#include "display.h"
#include "programicon.h"
#include "reach.h"
#include "scale.h"
#include "windowgone.h"
#include "wine.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

#ifdef Q_OS_WASM
#include "page.h"
#endif

namespace launch {

int run(int argc, char *argv[], const Program &program, const Loop &loop)
{
    std::optional<QString> scale;
    QString noScreen;
    ScaleNotice scaleTooLarge;
    {
        // The command line needs no display. It is read with an application
        // object of Qt Core alone, the translations installed, so that what
        // it says is in the user's language; so are the messages of a
        // program that finds no screen or a scale too large for it, made
        // now, as the application objects that would need them can no
        // longer translate them.
        int coreArgc = argc;
        const QCoreApplication core(coreArgc, argv);
        installTranslations();
        if (const std::optional<int> status = handleCommandLine(argc, argv, program, &scale))
            return *status;
        noScreen = noScreenMessage(program.name);
        scaleTooLarge = scaleNotice(program.name);
    }
    if (scale)
        applyScale(*scale, argc, argv, program.client, noScreen, scaleTooLarge);
    chooseFontEngine();
    std::unique_ptr<QApplication> app;
    {
        const DisplayGuard guard(noScreen);
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
    // Where ?scale=fit asked for it, a browser window that changes size
    // (full screen for the projector) scales the window anew, before the
    // page centres it.
    QWidget *const shown = window.get();
    QObject::connect(shown->screen(), &QScreen::geometryChanged, shown, [shown] { refit(shown); });
    web::showInPage(shown, QCoreApplication::translate(program.name.toUtf8().constData(),
                                                       program.keys));
#else
    window->show();
    keepWithinReach(window.get());
    endWhenDestroyed(window.get());
#endif
    return window;
}

} // namespace launch
