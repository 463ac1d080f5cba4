// kalumet measured from inside: the cost of one step of the demonstration
// and of the resets, the beat of the automatic mode on the real timer at
// three paces (beat.h), and the timer events that reach the program while
// its window stands idle.
// The window is the program's own, made and shown by its start sequence.
// Writes one "key<TAB>value" line per figure, for the benchmark driver.
// usage: bench-engine [repeats]

#include "beat.h"
#include "demoprogram.h"
#include "formdemo.h"
#include "statistics.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <map>
#include <string>

using benchstats::maximum;
using benchstats::median;
using benchstats::percentile;

namespace {

void put(const char *key, const QString &value)
{
    std::printf("%s\t%s\n", key, qPrintable(value));
}
void put(const char *key, double value) { put(key, QString::number(value, 'f', 3)); }
void put(const char *key, int value) { put(key, QString::number(value)); }

// Who an object is: its class, and its name or its nearest named ancestor's.
QString describe(const QObject *o)
{
    QString d = QString::fromLatin1(o->metaObject()->className());
    for (const QObject *p = o; p; p = p->parent())
        if (!p->objectName().isEmpty())
            return d + (p == o ? QStringLiteral("(%1)") : QStringLiteral(" in %1")).arg(p->objectName());
    return d;
}

// Counts, application-wide, the events delivered while it is on, and the
// timer events by receiver. The bench's own timers are left out.
class EventCounter : public QObject
{
public:
    bool on = false;
    const QObject *ownTimer = nullptr;
    int events = 0;
    std::map<QString, int> timerEvents;

    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        if (on && receiver != ownTimer) {
            ++events;
            if (event->type() == QEvent::Timer)
                ++timerEvents[describe(receiver)];
        }
        return false;
    }
};

EventCounter *counter = nullptr;

// Runs the event loop for `ms` milliseconds.
void runFor(int ms)
{
    QEventLoop loop;
    QTimer stop;
    stop.setSingleShot(true);
    QObject::connect(&stop, &QTimer::timeout, &loop, &QEventLoop::quit);
    counter->ownTimer = &stop;
    stop.start(ms);
    loop.exec();
    counter->ownTimer = nullptr;
}

// Handles what is pending, above all the repaint that a step asked for.
void settle() { QCoreApplication::processEvents(); }

void startRun(FormDemo &form)
{
    form.Text1()->setText(QStringLiteral("5"));
    form.Text2()->setText(QStringLiteral("4"));
    form.Text3()->setText(QStringLiteral("3"));
    form.Command1_Click();
    settle();
}

double microseconds(qint64 ns) { return double(ns) / 1000.0; }

// Counts for 5 s what reaches the program while nobody touches it; `prefix`
// names the figures.
void countIdle(const QString &prefix)
{
    counter->events = 0;
    counter->timerEvents.clear();
    counter->on = true;
    runFor(5000);
    counter->on = false;

    int timers = 0;
    QStringList receivers;
    for (const auto &[who, n] : counter->timerEvents) {
        timers += n;
        receivers << QStringLiteral("%1 x%2").arg(who).arg(n);
    }
    put(qPrintable(prefix + QStringLiteral(".timer")), timers);
    put(qPrintable(prefix + QStringLiteral(".timer.receivers")),
        receivers.isEmpty() ? QStringLiteral("-") : receivers.join(QStringLiteral(", ")));
    put(qPrintable(prefix + QStringLiteral(".events")), counter->events);
}

// The window as the program leaves it after its start; then, apart, with
// the focus in the first box, where Qt blinks the text caret.
void idle(FormDemo &form)
{
    // A desktop's window manager activates a new window; a bare X server
    // without one leaves that to the program.
    form.activateWindow();
    runFor(1000); // the window comes up, paints, gets activated
    const QWidget *focus = QApplication::focusWidget();
    put("idle.focus", focus ? describe(focus) : QStringLiteral("none"));
    put("idle.active", form.isActiveWindow() ? QStringLiteral("yes") : QStringLiteral("no"));
    countIdle(QStringLiteral("idle"));

    form.Text1()->setFocus(Qt::MouseFocusReason);
    runFor(100);
    countIdle(QStringLiteral("caret"));
    form.Command1()->setFocus(Qt::OtherFocusReason);
}

void steps(FormDemo &form, int repeats)
{
    std::vector<double> step, stepPaint;
    std::vector<std::vector<double>> byStep(lesson::kSteps);
    QElapsedTimer clock;
    for (int r = 0; r < repeats; ++r) {
        startRun(form);
        for (int s = 0; s < lesson::kSteps; ++s) {
            clock.start();
            form.DemoAl();
            const qint64 stepped = clock.nsecsElapsed();
            settle();
            const qint64 painted = clock.nsecsElapsed();
            step.push_back(microseconds(stepped));
            byStep[std::size_t(s)].push_back(microseconds(stepped));
            stepPaint.push_back(microseconds(painted));
        }
    }
    double worst = 0;
    int worstStep = 0;
    for (int s = 0; s < lesson::kSteps; ++s) {
        const double m = median(byStep[std::size_t(s)]);
        if (m > worst) {
            worst = m;
            worstStep = s + 1;
        }
    }
    put("step.median", median(step));
    put("step.worst", worst);
    put("step.worstIndex", worstStep);
    put("step.max", maximum(step));
    put("stepPaint.median", median(stepPaint));
    put("stepPaint.max", maximum(stepPaint));
}

// The resets from the middle of a run, where they have most to undo.
void resets(FormDemo &form, int repeats)
{
    std::vector<double> load, reset;
    QElapsedTimer clock;
    for (int r = 0; r < 2 * repeats; ++r) {
        startRun(form);
        for (int s = 0; s < lesson::kSteps / 2; ++s)
            form.DemoAl();
        settle();
        clock.start();
        if (r % 2)
            form.Cmd_Reset_Click();
        else
            form.Form_Load();
        (r % 2 ? reset : load).push_back(microseconds(clock.nsecsElapsed()));
        settle();
    }
    put("load.median", median(load));
    put("load.max", maximum(load));
    put("reset.median", median(reset));
    put("reset.max", maximum(reset));
}

// The automatic mode at one pace, started as the user starts it: the sort
// button, the check box off, "Продолжить"; a run cut short is ended as the
// user ends it, "Стоп" and "Сброс". Each interval between two steps is
// held against the pace.
void beat(FormDemo &form, const beatbench::Pace &pace)
{
    form.setPace(pace.ms);
    const std::size_t ticksWanted =
        pace.intervals > 0 ? std::size_t(pace.intervals) + 1 : std::size_t(-1);
    std::vector<double> deviation;
    QElapsedTimer clock;
    clock.start();
    for (int run = 0; run < pace.runs; ++run) {
        startRun(form);
        form.Check1()->click();
        std::vector<qint64> ticks;
        QEventLoop loop;
        const auto tick = QObject::connect(form.Timer1(), &IntervalTimer::Timer, &loop, [&] {
            ticks.push_back(clock.nsecsElapsed());
            if (form.stepCounter() == 0 || ticks.size() == ticksWanted)
                loop.quit();
        });
        form.Cmd_Goto()->click(); // the first tick comes one interval later
        loop.exec();
        QObject::disconnect(tick);
        if (form.stepCounter() != 0) {
            form.Cmd_Stop()->click();
            form.Cmd_Reset_Click();
        }
        for (std::size_t i = 1; i < ticks.size(); ++i)
            deviation.push_back(std::abs(double(ticks[i] - ticks[i - 1]) / 1e6 - pace.ms));
    }
    const std::string key = pace.key;
    put((key + ".intervals").c_str(), int(deviation.size()));
    put((key + ".median").c_str(), median(deviation));
    put((key + ".p95").c_str(), percentile(deviation, 95));
    put((key + ".max").c_str(), maximum(deviation));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    EventCounter events;
    counter = &events;
    app.installEventFilter(&events);

    const std::unique_ptr<QWidget> window = launch::showWindow(demoProgram());
    auto *form = static_cast<FormDemo *>(window.get());
    const int repeats = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 100;

    idle(*form);
    steps(*form, repeats);
    resets(*form, repeats);
    for (const beatbench::Pace &pace : beatbench::kPaces)
        beat(*form, pace);
    std::fflush(stdout);
    return 0;
}
