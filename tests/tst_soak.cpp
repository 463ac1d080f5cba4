// Ten thousand whole demonstrations in one window, as a long lesson would
// give them: every path through the comparisons, step by step and in
// automatic mode, with resets and double clicks in between. Ticks are
// handed to the window directly, so nothing waits on the clock.
//
// Checked: the window follows the model of a demonstration after every
// action, and every demonstration ends with the sorted numbers in the boxes
// after the number of steps its path takes; the window keeps the same
// child objects; no timer is left running when it is idle; and after a
// warm-up the resident memory grows by less than 1 MB.
//
// SOAK_DEMONSTRATIONS sets another number of demonstrations.

#include "demomodel.h"
#include "driver.h"
#include "fixtures.h"
#include "formdemo.h"

#include <QFile>
#include <QLineEdit>
#include <QtTest>

#include <algorithm>
#include <array>

#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define SOAK_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SOAK_UNDER_ASAN 1
#endif
#endif

namespace {

constexpr int kWarmUp = 500;

// Resident memory of this process, in bytes.
qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * sysconf(_SC_PAGESIZE) : -1;
}

// Counts the timer events that reach one window or anything inside it
// but its text boxes.
class TimerEventCounter : public QObject
{
public:
    explicit TimerEventCounter(QWidget *window) : m_window(window)
    {
        qApp->installEventFilter(this);
    }
    ~TimerEventCounter() override { qApp->removeEventFilter(this); }
    int count() const { return m_count; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The caret blinks in a box that has the focus, as it does after
        // a run; nothing else may tick.
        if (event->type() == QEvent::Timer && !qobject_cast<QLineEdit *>(watched->parent())) {
            for (QObject *o = watched; o; o = o->parent())
                if (o == m_window) {
                    ++m_count;
                    break;
                }
        }
        return false;
    }

private:
    QWidget *m_window;
    int m_count = 0;
};

} // namespace

class SoakTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void tenThousandDemonstrations();

private:
    // One demonstration from the sort button to the last step; returns what
    // went wrong, or an empty string.
    QString demonstrate(int index);

    FormDemo *m_form = nullptr;
    DemoModel m_model;
};

QString SoakTest::demonstrate(int index)
{
    FormDemo &form = *m_form;
    const ComparisonPath &path = kPaths[index % std::size(kPaths)];
    const bool automatic = (index / std::size(kPaths)) % 2 == 1;
    const QChar step = QLatin1Char(automatic ? 'T' : 'N');

    for (int i = 0; i < 3; ++i) {
        const double number = path.inputs[std::size_t(i)];
        inputBox(form, i)->setText(QString::number(number));
        m_model.type(i, QString::number(number), number);
    }
    QString actions;
    if (index % 13 == 5) // a run given up part way
        actions += QStringLiteral("SNNR");
    actions += QLatin1String(automatic ? "SKG" : "S");
    for (int calls = 0; calls < path.steps; ++calls) {
        // A double click part way, each time at another step: the run
        // still sorts the numbers it read.
        if (index % 7 == 3 && calls == (index / 7) % path.steps)
            actions += QLatin1Char('D');
        actions += step;
    }
    if (const QString why = play(form, actions, &m_model, Press::Click); !why.isEmpty())
        return why;
    if (form.stepCounter() != 0)
        return QStringLiteral("the run goes on after the %1 steps of its path").arg(path.steps);

    std::array<double, 3> sorted = path.inputs;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < 3; ++i)
        if (inputBox(form, i)->text() != QString::number(sorted[std::size_t(i)]))
            return QStringLiteral("Text%1 reads '%2' at the end").arg(i + 1).arg(inputBox(form, i)->text());
    for (const QTimer *t : form.findChildren<QTimer *>())
        if (t->isActive())
            return QStringLiteral("a timer is left running after the end");

    if (index % 17 == 0) // a double click on the idle window
        return play(form, u"D", &m_model, Press::Click);
    return {};
}

void SoakTest::tenThousandDemonstrations()
{
    bool set = false;
    const int count = qEnvironmentVariableIntValue("SOAK_DEMONSTRATIONS", &set);
    const int demonstrations = set ? count : 10000;
    QVERIFY(demonstrations > kWarmUp);

    FormDemo form;
    m_form = &form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    const qsizetype children = form.findChildren<QObject *>().size();
    qint64 afterWarmUp = 0;
    for (int i = 0; i < demonstrations; ++i) {
        const QString wrong = demonstrate(i);
        if (!wrong.isEmpty())
            QFAIL(qPrintable(QStringLiteral("demonstration %1: %2").arg(i).arg(wrong)));
        QCoreApplication::processEvents(); // paints what the demonstration showed
        if (form.findChildren<QObject *>().size() != children)
            QFAIL(qPrintable(QStringLiteral("demonstration %1: %2 child objects, %3 at the start")
                                 .arg(i)
                                 .arg(form.findChildren<QObject *>().size())
                                 .arg(children)));
        if (i + 1 == kWarmUp)
            afterWarmUp = residentBytes();
    }
    const qint64 atTheEnd = residentBytes();
    qInfo("resident memory: %lld KiB after %d demonstrations, %lld KiB after %d",
          afterWarmUp / 1024, kWarmUp, atTheEnd / 1024, demonstrations);

    // Idle: no timer event reaches the window in more than one beat.
    {
        TimerEventCounter counter(&form);
        QTest::qWait(700);
        QCOMPARE(counter.count(), 0);
    }

#ifdef SOAK_UNDER_ASAN
    QSKIP("the address sanitizer keeps freed memory in quarantine: memory not compared");
#else
    QVERIFY(afterWarmUp > 0);
    QVERIFY2(atTheEnd - afterWarmUp < 1024 * 1024,
             qPrintable(QStringLiteral("resident memory grew by %1 KiB")
                            .arg((atTheEnd - afterWarmUp) / 1024)));
#endif
}

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"
