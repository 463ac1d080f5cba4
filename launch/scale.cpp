#include "scale.h"

#include "display.h"
#include "textout.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QWidget>
#include <private/qhighdpiscaling_p.h>

#ifdef Q_OS_WASM
#include <emscripten/val.h>
#endif

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace launch {
namespace {

// What the program says of the factor given on its command line, marked for
// translation in the command line's context.
struct CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

constexpr double kMinScale = 1;
constexpr double kMaxScale = 4;

// What a window manager's frame takes around the client area: a title bar
// and thin borders. The frame is known only once a window is on the screen,
// so --scale fit leaves this much room for it.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 48;

const char kScaleVariable[] = "QT_SCALE_FACTOR";

// The factor --scale fit chose at the start (0 without it), the one the
// window is shown at now, and the client area they fit.
double fitted = 0;
double applied = 0;
QSize fittedClient;

std::optional<double> explicitScale(QString value)
{
    value.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double factor = QLocale::c().toDouble(value, &ok);
    // Not a number (nan, inf included) fails both comparisons.
    if (!ok || !(factor >= kMinScale && factor <= kMaxScale))
        return std::nullopt;
    return factor;
}

#ifdef Q_OS_WASM
// In a web page the program's screen is the element it is drawn in, the
// page's canvas, which fills the browser's window: its area in the page's
// pixels, which are Qt's at its own scale there. The window then fits the
// browser's window, its title bar included.
QSize availableScreenArea(int, char *[], const QString &)
{
    using emscripten::val;
    const val containers = val::module_property("qtContainerElements");
    if (containers.isUndefined() || containers["length"].as<int>() == 0)
        return {};
    const val element = containers[0];
    return QSize(element["clientWidth"].as<int>(), element["clientHeight"].as<int>());
}
#else
// The screen's available area, in Qt's pixels at its own scale, of the
// screen a new window opens on.
//
// Qt reads its scale factor once, when the application object is made, and
// offers no public way to change it afterwards; the screen is known only
// once an application object exists. So a first one, with no window and a
// copy of the command line (its Qt options choose the platform and the
// display), asks the screen and is destroyed; the program's QApplication is
// then made with the factor. Qt supports one application object after
// another, on every platform, and the probe costs one more connection to
// the display, only with --scale fit or a factor above 1.
//
// The probe must leave no trace for the program's own connection: the
// launcher's start-up notification (X11) and activation token (Wayland)
// are taken from the environment by the first connection, so they are put
// back; and the probe stays out of the desktop's session manager.
QSize availableScreenArea(int argc, char *argv[], const QString &noScreen)
{
    const char *const kept[] = {"DESKTOP_STARTUP_ID", "XDG_ACTIVATION_TOKEN", "SESSION_MANAGER"};
    std::vector<std::optional<QByteArray>> saved;
    for (const char *name : kept)
        saved.push_back(qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name))
                                                        : std::nullopt);
    qunsetenv("SESSION_MANAGER");

    std::vector<QByteArray> args(argv, argv + argc);
    std::vector<char *> probeArgv;
    for (QByteArray &a : args)
        probeArgv.push_back(a.data());
    probeArgv.push_back(nullptr);
    int probeArgc = argc;
    QSize area;
    {
        std::optional<QGuiApplication> probe;
        {
            const DisplayGuard guard(noScreen);
            probe.emplace(probeArgc, probeArgv.data());
        }
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            area = screen->availableGeometry().size();
    }

    for (std::size_t i = 0; i < saved.size(); ++i)
        if (saved[i])
            qputenv(kept[i], *saved[i]);
    return area;
}
#endif

// The largest factor, in hundredths, at which `client` and the frame fit
// `area`; from 1 to 4.
double fittingScale(QSize area, QSize client)
{
    if (client.isEmpty())
        return kMinScale;
    const double factor = std::min(double(area.width() - kFrameWidth) / client.width(),
                                   double(area.height() - kFrameHeight) / client.height());
    return std::clamp(std::floor(factor * 100) / 100, kMinScale, kMaxScale);
}

} // namespace

bool isScale(const QString &value)
{
    return value == QLatin1String("fit") || explicitScale(value);
}

ScaleNotice scaleNotice(const QString &program)
{
    const QString prefix = program + QStringLiteral(": ");
    return {prefix + CommandLine::tr("окно не помещается на экране при увеличении %1; "
                                     "увеличено в %2 раза") + QLatin1Char('\n'),
            prefix + CommandLine::tr("окно не помещается на экране при увеличении %1; "
                                     "оно показано без увеличения") + QLatin1Char('\n')};
}

void applyScale(const QString &value, int argc, char *argv[], QSize client,
                const QString &noScreen, const ScaleNotice &notice)
{
    // "fit": the largest factor at which the window fits its screen (in a
    // web page the browser's window). A factor given is kept to that one on
    // the desktop; a web page scrolls what doesn't fit.
    const bool fit = value == QLatin1String("fit");
    std::optional<double> factor = fit ? std::optional(kMaxScale) : explicitScale(value);
    if (!factor)
        return;
#ifdef Q_OS_WASM
    const bool keptToScreen = fit;
#else
    const bool keptToScreen = *factor > kMinScale;
#endif
    if (keptToScreen) {
        // The factor counts from Qt's own scale of the screen: one the
        // environment set is replaced, not multiplied.
        qunsetenv(kScaleVariable);
        const double fitting = fittingScale(availableScreenArea(argc, argv, noScreen), client);
        // Where a factor given doesn't fit, the program says so.
        if (!fit && *factor > fitting) {
            const QLocale locale;
            const auto written = [&locale](double f) {
                return locale.toString(f, 'g', QLocale::FloatingPointShortest);
            };
            showText(Channel::Notice,
                     fitting > kMinScale ? notice.smaller.arg(written(*factor), written(fitting))
                                         : notice.unscaled.arg(written(*factor)),
                     QString());
        }
        factor = std::min(*factor, fitting);
    }
    qputenv(kScaleVariable, QByteArray::number(*factor, 'g', 6));
    if (fit) {
        fitted = applied = *factor;
        fittedClient = client;
    }
}

// Qt sets its scale once, from QT_SCALE_FACTOR, and offers no public way to
// change it in a running program. Its high-dpi scaling (a private interface
// of Qt Gui, as of Qt 6.4) takes a factor for each screen on top of that
// one; the screen's geometry is worked out anew with it, and a window is
// given its new size in the screen's pixels once its size is set again.
void refit(QWidget *window)
{
    QScreen *screen = window->screen();
    if (fitted == 0 || !screen)
        return;
#ifdef Q_OS_WASM
    // The page's canvas, as at the start: Qt's screen in the page takes its
    // new geometry only after the change it is told of.
    const QSize area = availableScreenArea(0, nullptr, QString());
#else
    const QSize area = screen->availableGeometry().size() * applied; // at Qt's own scale
#endif
    const double factor = fittingScale(area, fittedClient);
#ifdef Q_OS_WASM
    // Qt's screen in a page takes each change of its geometry converted at
    // the factor of the moment the change was sent, and one sent before a
    // new factor may arrive after it: the geometry is worked out anew at the
    // factor in force.
    QHighDpiScaling::setScreenFactor(screen, factor / fitted);
#endif
    if (factor == applied)
        return;
    // Where the window stands on the screen stays; Qt's pixels there change.
    const QPointF at = QPointF(window->pos()) * (applied / factor);
    applied = factor;
    QHighDpiScaling::setScreenFactor(screen, factor / fitted);
    window->move(at.toPoint());
    const QSize size = window->size();
    window->resize(size + QSize(1, 0));
    window->resize(size);
    // Drawn anew at the new scale, every control of it.
    window->update();
    for (QWidget *child : window->findChildren<QWidget *>())
        child->update();
}

} // namespace launch
