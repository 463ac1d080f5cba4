// webcompare: what the web build's end-to-end test (web/e2e_test.py)
// compares the page with. It makes one of the desktop programs' windows on
// the offscreen platform, does to it what the test did to the page, and
// compares the window, pixel by pixel, with where the page's screenshot
// shows it.
//   webcompare <kalumet|brivon> <screenshot.png> <x> <y> <action>...
// <x> <y>: the window's top-left corner in the screenshot. Actions, in
// order: click:NAME (a left click at the centre of the control NAME),
// type:TEXT (typed into the focused control), key:Tab; before them, the
// program's own options as option:NAME=VALUE (option:listing=python), as
// its command line takes them. It prints how many pixels
// differ and writes the window as the desktop draws it and as the page
// does beside the screenshot (<screenshot>.desktop.png, .page.png). Exit
// status 0 when they agree (see leftOut()), 1 otherwise, 2 on a wrong call.

#include "demoprogram.h"
#include "drawncontrols.h"
#include "formdemo.h"
#include "sorterprogram.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWidget>

#include <cstdio>

namespace {

// The page and the desktop draw with the same faces, pictures and style, but
// not with the same FreeType: the page's is the one built into Qt, the
// desktop's Debian's, through fontconfig. The small faces come out the
// same, pixel for pixel; the one text in a large size, kalumet's heading
// «Память» (Tahoma, 24 pixels), is hinted and placed a pixel apart. The
// heading never changes, so its rectangle is left out of the comparison;
// every other pixel must be equal.
QRect leftOut(QWidget *window, const QString &name)
{
    if (name != QLatin1String("kalumet"))
        return QRect();
    return static_cast<FormDemo *>(window)->label(QStringLiteral("Lbl_Mem"))->pixels();
}

bool act(QWidget *window, const QString &action)
{
    const QString verb = action.section(QLatin1Char(':'), 0, 0);
    const QString what = action.section(QLatin1Char(':'), 1);
    if (verb == QLatin1String("click")) {
        // A control by its name, clicked at its centre.
        const QObject *control = static_cast<TableWindow *>(window)->control(what);
        const auto *drawn = qobject_cast<const DrawnControl *>(control);
        const auto *widget = qobject_cast<const QWidget *>(control);
        if (!drawn && !widget)
            return false;
        const QPoint at = drawn ? drawn->pixels().center() : widget->geometry().center();
        QWidget *target = window->childAt(at);
        if (!target)
            target = window;
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(window, at));
    } else if (verb == QLatin1String("type") && QApplication::focusWidget()) {
        // Key by key; a letter beyond ASCII as a key that types it, as a
        // keyboard in another layout sends it.
        for (const QChar ch : what) {
            if (ch.unicode() < 128)
                QTest::keyClick(QApplication::focusWidget(), ch.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown,
                                    QString(ch), Qt::NoModifier);
        }
    } else if (verb == QLatin1String("key") && what == QLatin1String("Tab")
               && QApplication::focusWidget()) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    } else {
        return false;
    }
    QApplication::processEvents();
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const QString name = args.value(1);
    if (args.size() < 5 || (name != QLatin1String("kalumet") && name != QLatin1String("brivon"))) {
        std::fprintf(stderr, "usage: webcompare <kalumet|brivon> <screenshot.png> <x> <y> "
                             "<action>...\n");
        return 2;
    }
    const launch::Program program = name == QLatin1String("kalumet") ? demoProgram() : sorterProgram();
    QStringList actions = args.mid(5);
    while (!actions.isEmpty() && actions.first().startsWith(QLatin1String("option:"))) {
        const QString option = actions.takeFirst().mid(7);
        bool taken = false;
        for (const launch::ProgramOption &o : program.options)
            if (o.name == option.section(QLatin1Char('='), 0, 0))
                taken = !o.take(option.section(QLatin1Char('='), 1));
        if (!taken) {
            std::fprintf(stderr, "webcompare: option %s not taken\n", qPrintable(option));
            return 2;
        }
    }
    const std::unique_ptr<QWidget> window = launch::showWindow(program);
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        return 1;
    for (const QString &action : actions)
        if (!act(window.get(), action)) {
            std::fprintf(stderr, "webcompare: unknown action %s\n", qPrintable(action));
            return 2;
        }

    const QImage desktop = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString shotFile = args.at(2);
    desktop.save(shotFile + QStringLiteral(".desktop.png"));
    const QImage shot = QImage(shotFile).convertToFormat(QImage::Format_RGB32);
    const QPoint origin(args.at(3).toInt(), args.at(4).toInt());
    if (shot.isNull() || !shot.rect().contains(QRect(origin, desktop.size()))) {
        std::fprintf(stderr, "webcompare: %s does not hold the window at %d,%d\n",
                     qPrintable(shotFile), origin.x(), origin.y());
        return 1;
    }
    shot.copy(QRect(origin, desktop.size())).save(shotFile + QStringLiteral(".page.png"));
    const QRect heading = leftOut(window.get(), name);
    int differ = 0, inHeading = 0;
    QRect where;
    for (int y = 0; y < desktop.height(); ++y)
        for (int x = 0; x < desktop.width(); ++x) {
            if (desktop.pixel(x, y) == shot.pixel(origin.x() + x, origin.y() + y))
                continue;
            if (heading.contains(x, y)) {
                ++inHeading;
                continue;
            }
            ++differ;
            where |= QRect(x, y, 1, 1);
        }
    std::printf("%s: %d of %d pixels differ", qPrintable(name), differ,
                int(desktop.width() * desktop.height()));
    if (differ)
        std::printf(", within %d,%d %dx%d", where.x(), where.y(), where.width(), where.height());
    if (!heading.isEmpty())
        std::printf("; %d more in the heading's rectangle, left out", inHeading);
    std::printf("\n");
    return differ == 0 ? 0 : 1;
}
