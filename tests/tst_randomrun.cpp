// A random walk through the demonstrator's run controls. Each sequence
// starts from a newly loaded window and takes random actions a user can
// take (only with available controls; timer ticks only while the timer is
// due to tick); after every action the window is compared with a small
// model of the run states.
//
// The walk is reproducible: RANDOMRUN_SEED picks another seed, and a
// failure prints the seed and the actions that led to it.
// RANDOMRUN_SEQUENCES sets how many sequences are walked (2000 unless set).

#include "demomodel.h"
#include "formdemo.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QtTest>

#include <array>
#include <bitset>

namespace {

constexpr quint32 kDefaultSeed = 271828;
constexpr int kDefaultSequences = 2000;
constexpr int kLongestSequence = 60;

struct Typed
{
    const char *text;
    bool number;
    double value;
};

// Few distinct numbers, so that equal values meet in the comparisons.
const Typed kTyped[] = {
    {"1", true, 1},      {"2", true, 2},          {"3", true, 3},       {"2.5", true, 2.5},
    {"-1", true, -1},    {"0", true, 0},          {" 7 ", true, 7},     {"1e3", true, 1000},
    {"", false, 0},      {"abc", false, 0},       {"1 2", false, 0},    {"inf", false, 0},
    {"nan", false, 0},   {"1e999", false, 0},     {"--1", false, 0},
};

// The demonstrator in a few variables, as the user sees it.
struct Model
{
    struct Box
    {
        QString text;      // as typed; empty once the run wrote a result
        bool number = true;
        double value = 0;
        bool written = false;
    };

    int counter = 0;      // 0 idle, else the next step to show
    bool checked = true;  // step-by-step mode
    bool back = false;    // "Назад" on while in step-by-step mode
    bool timer = false;
    bool panel = false;   // memory cells shown
    double a = 0, b = 0, c = 0, x = 0;
    std::bitset<24> lit;  // red listing lines
    std::array<Box, 3> boxes{{{"5", true, 5}, {"4", true, 4}, {"3", true, 3}}};

    bool running() const { return counter != 0; }
    bool previewOn() const { return running() && checked && back; }
    bool nextOn() const { return running() && checked; }
    bool gotoOn() const { return running() && !checked; }
    bool stopOn() const { return running() && !checked; }

    int refusedBox() const
    {
        for (int i = 0; i < 3; ++i)
            if (!boxes[std::size_t(i)].number)
                return i;
        return -1;
    }

    void clearDisplays()
    {
        a = b = c = x = 0;
        panel = false;
        lit.reset();
    }
    void idle()
    {
        counter = 0;
        timer = false;
    }
    void start()
    {
        clearDisplays();
        back = !checked;
        checked = true;
        timer = false;
        counter = 1;
    }
    void toggle()
    {
        checked = !checked;
        back = checked;
    }
    void reset()
    {
        idle();
        clearDisplays();
    }
    void write(int box, double value) { boxes[std::size_t(box)] = {QString(), true, value, true}; }

    void step()
    {
        const int s = counter;
        lit.set(std::size_t(s - 1));
        int next = s + 1;
        switch (s) {
        case 2: panel = true; break;
        case 3: a = boxes[0].value; break;
        case 4: b = boxes[1].value; break;
        case 5: c = boxes[2].value; break;
        case 6: if (!(a > b)) next = 10; break;
        case 7: x = a; break;
        case 8: a = b; break;
        case 9: b = x; break;
        case 11: if (!(b > c)) next = 15; break;
        case 12: x = c; break;
        case 13: c = b; break;
        case 14: b = x; break;
        case 16: if (!(a > b)) next = 20; break;
        case 17: x = a; break;
        case 18: a = b; break;
        case 19: b = x; break;
        case 21: write(0, a); break;
        case 22: write(1, b); break;
        case 23: write(2, c); break;
        case 24:
            a = b = c = x = 0;
            panel = false;
            idle();
            return;
        }
        counter = next;
    }
};

QString text(bool v) { return v ? QStringLiteral("true") : QStringLiteral("false"); }
QString text(int v) { return QString::number(v); }
QString text(double v) { return QString::number(v); }
QString text(const QString &v) { return QLatin1Char('\'') + v + QLatin1Char('\''); }

template<typename T>
void expect(QStringList &wrong, const QString &what, const T &actual, const T &model)
{
    if (!(actual == model))
        wrong << QStringLiteral("%1 is %2, the model says %3").arg(what, text(actual), text(model));
}

// What differs between the window and the model.
QStringList differences(const FormDemo &form, const Model &m)
{
    QStringList wrong;
    const QLineEdit *boxes[] = {form.Text1(), form.Text2(), form.Text3()};
    for (int i = 0; i < 3; ++i) {
        const Model::Box &box = m.boxes[std::size_t(i)];
        const QString name = QStringLiteral("Text%1").arg(i + 1);
        expect(wrong, name + " enabled", boxes[i]->isEnabled(), !m.running());
        if (box.written)
            expect(wrong, name + " value", QLocale::c().toDouble(boxes[i]->text()), box.value);
        else
            expect(wrong, name + " text", boxes[i]->text(), box.text);
    }
    expect(wrong, QStringLiteral("Command1 enabled"), form.Command1()->isEnabled(), !m.running());
    expect(wrong, QStringLiteral("Check1 enabled"), form.Check1()->isEnabled(), m.running());
    expect(wrong, QStringLiteral("Check1 checked"), form.Check1()->isChecked(), m.checked);
    expect(wrong, QStringLiteral("Cmd_Preview enabled"), form.Cmd_Preview()->isEnabled(), m.previewOn());
    expect(wrong, QStringLiteral("Cmd_Next enabled"), form.Cmd_Next()->isEnabled(), m.nextOn());
    expect(wrong, QStringLiteral("Cmd_Goto enabled"), form.Cmd_Goto()->isEnabled(), m.gotoOn());
    expect(wrong, QStringLiteral("Cmd_Stop enabled"), form.Cmd_Stop()->isEnabled(), m.stopOn());
    expect(wrong, QStringLiteral("Cmd_Reset enabled"), form.Cmd_Reset()->isEnabled(), true);
    expect(wrong, QStringLiteral("Command3 enabled"), form.Command3()->isEnabled(), true);
    expect(wrong, QStringLiteral("Timer1 enabled"), form.Timer1()->isEnabled(), m.timer);
    expect(wrong, QStringLiteral("Timer1 ticking"), form.Timer1()->isTicking(), m.timer);
    expect(wrong, QStringLiteral("Timer1 interval"), form.Timer1()->interval(), 500);
    expect(wrong, QStringLiteral("counter"), int(form.stepCounter()), m.counter);
    expect(wrong, QStringLiteral("A"), form.A().toDouble(), m.a);
    expect(wrong, QStringLiteral("B"), form.B().toDouble(), m.b);
    expect(wrong, QStringLiteral("C"), form.C().toDouble(), m.c);
    expect(wrong, QStringLiteral("X"), form.X(), m.x);
    for (const char *cell : {"Lbl_NameA", "Lbl_NameB", "Lbl_NameC", "Lbl_NameX", "Lbl_MemA",
                             "Lbl_MemB", "Lbl_MemC", "Lbl_MemX"})
        expect(wrong, QLatin1String(cell) + " shown", form.label(QLatin1String(cell))->isVisible(),
               m.panel);
    for (int i = 0; i < 24; ++i)
        expect(wrong, QStringLiteral("Lbl_List(%1) red").arg(i),
               form.Lbl_List(i)->foreColor() == kHighlight, bool(m.lit[std::size_t(i)]));
    return wrong;
}

enum class Action { Start, Back, Next, Stop, Continue, Reset, CheckBox, DoubleClick, Esc, Type, Tick };

// One random sequence on a new window.
class Walk
{
public:
    Walk(QRandomGenerator &rng, BoxCloser &closer, QPoint bare)
        : m_rng(rng), m_closer(closer), m_bare(bare)
    {
        // Ticks come from the walk alone, never from the clock (the message
        // boxes run event loops).
        m_form.Timer1()->blockSignals(true);
    }

    const QStringList &log() const { return m_log; }

    // Takes one random action; returns what went wrong, or nothing.
    QStringList takeAction()
    {
        const Action action = pick();
        const int boxesBefore = m_closer.seen().size();
        int boxesExpected = 0;
        QStringList wrong;
        const QString prefix = QStringLiteral("[counter %1] ").arg(m_form.stepCounter());

        switch (action) {
        case Action::Start: {
            const int refused = m_model.refusedBox();
            m_log << prefix + QStringLiteral("sort button");
            m_form.Command1()->click();
            if (refused < 0) {
                m_model.start();
            } else {
                boxesExpected = 1;
                const QString label = QString::fromUtf8(kBoxLabels[refused]);
                if (m_closer.seen().size() > boxesBefore
                    && !m_closer.seen().last().text.contains(label))
                    wrong << QStringLiteral("the warning doesn't name %1: %2")
                                 .arg(label, m_closer.seen().last().text);
            }
            break;
        }
        case Action::Back:
            m_log << prefix + QStringLiteral("Назад");
            m_form.Cmd_Preview()->click();
            break;
        case Action::Next:
        case Action::Tick:
            if (m_form.stepCounter() < 1 || m_form.stepCounter() > 24)
                wrong << QStringLiteral("a step would run with the counter at %1")
                             .arg(m_form.stepCounter());
            if (action == Action::Next) {
                m_log << prefix + QStringLiteral("Вперед");
                m_form.Cmd_Next()->click();
            } else {
                m_log << prefix + QStringLiteral("tick");
                m_form.Timer1_Timer();
            }
            if (m_model.running())
                m_model.step();
            break;
        case Action::Stop:
            m_log << prefix + QStringLiteral("Стоп");
            m_form.Cmd_Stop()->click();
            m_model.timer = false;
            break;
        case Action::Continue:
            m_log << prefix + QStringLiteral("Продолжить");
            m_form.Cmd_Goto()->click();
            m_model.timer = true;
            break;
        case Action::Reset:
            m_log << prefix + QStringLiteral("Сброс");
            m_form.Cmd_Reset()->click();
            m_model.reset();
            break;
        case Action::CheckBox:
            m_log << prefix + QStringLiteral("check box");
            m_form.Check1()->click();
            m_model.toggle();
            break;
        case Action::DoubleClick:
            m_log << prefix + QStringLiteral("double click");
            QTest::mouseDClick(&m_form, Qt::LeftButton, {}, m_bare);
            m_model.clearDisplays();
            break;
        case Action::Esc:
            m_log << prefix + QStringLiteral("Esc");
            m_form.Form_KeyPress(27);
            boxesExpected = 1;
            if (m_closer.seen().size() > boxesBefore
                && m_closer.seen().last().title != QStringLiteral("Об авторе..."))
                wrong << QStringLiteral("not the about box: ") + m_closer.seen().last().title;
            break;
        case Action::Type: {
            const int i = int(m_rng.bounded(3));
            // Mostly numbers: a refused start leaves everything as it was.
            const Typed &typed = m_rng.bounded(4) ? kTyped[m_rng.bounded(8)]
                                                  : kTyped[8 + m_rng.bounded(7)];
            QLineEdit *box = inputBox(m_form, i);
            m_log << prefix + QStringLiteral("type '%1' into Text%2").arg(typed.text).arg(i + 1);
            box->clear();
            QTest::keyClicks(box, QString::fromUtf8(typed.text));
            m_model.boxes[std::size_t(i)] = {QString::fromUtf8(typed.text), typed.number,
                                             typed.value, false};
            break;
        }
        }

        const int boxesShown = m_closer.seen().size() - boxesBefore;
        if (boxesShown != boxesExpected)
            wrong << QStringLiteral("%1 message boxes, expected %2").arg(boxesShown).arg(boxesExpected);
        return wrong + differences(m_form, m_model);
    }

    QStringList check() const { return differences(m_form, m_model); }

private:
    Action pick()
    {
        std::vector<std::pair<Action, int>> choices; // action, weight
        const auto offer = [&choices](bool available, Action a, int weight) {
            if (available)
                choices.emplace_back(a, weight);
        };
        offer(m_form.Command1()->isEnabled(), Action::Start, 8);
        offer(m_form.Cmd_Preview()->isEnabled(), Action::Back, 2);
        offer(m_form.Cmd_Next()->isEnabled(), Action::Next, 30);
        offer(m_form.Cmd_Stop()->isEnabled(), Action::Stop, 4);
        offer(m_form.Cmd_Goto()->isEnabled(), Action::Continue, 5);
        offer(m_form.Cmd_Reset()->isEnabled(), Action::Reset, 1);
        offer(m_form.Check1()->isEnabled(), Action::CheckBox, 5);
        offer(true, Action::DoubleClick, 2);
        offer(m_rng.bounded(20) == 0, Action::Esc, 1); // rare: the box is slow
        offer(m_form.Text1()->isEnabled(), Action::Type, 6);
        offer(m_form.Timer1()->isTicking(), Action::Tick, 30);

        int total = 0;
        for (const auto &c : choices)
            total += c.second;
        int r = int(m_rng.bounded(total));
        for (const auto &c : choices) {
            if (r < c.second)
                return c.first;
            r -= c.second;
        }
        return choices.back().first;
    }

    QRandomGenerator &m_rng;
    BoxCloser &m_closer;
    QPoint m_bare;
    FormDemo m_form;
    Model m_model;
    QStringList m_log;
};

} // namespace

class TestRandomRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        dropOffscreenBoxWarnings();
        m_locale = QLocale();
        QLocale::setDefault(QLocale::c());
    }
    void cleanupTestCase() { QLocale::setDefault(m_locale); }

    void randomSequences();

private:
    QLocale m_locale;
};

void TestRandomRun::randomSequences()
{
    bool fromEnvironment = false;
    const quint32 seed = quint32(qEnvironmentVariableIntValue("RANDOMRUN_SEED", &fromEnvironment));
    const quint32 used = fromEnvironment ? seed : kDefaultSeed;
    bool sequencesSet = false;
    const int sequences = qEnvironmentVariableIntValue("RANDOMRUN_SEQUENCES", &sequencesSet);
    const int total = sequencesSet ? sequences : kDefaultSequences;
    QRandomGenerator rng(used);
    BoxCloser closer;
    const QPoint bare = barePoint(FormDemo());

    for (int sequence = 0; sequence < total; ++sequence) {
        Walk walk(rng, closer, bare);
        QStringList wrong = walk.check();
        const int length = int(rng.bounded(1, kLongestSequence + 1));
        for (int i = 0; i < length && wrong.isEmpty(); ++i)
            wrong = walk.takeAction();
        if (!wrong.isEmpty()) {
            const QString report =
                QStringLiteral("RANDOMRUN_SEED=%1, sequence %2\nactions:\n  %3\nwrong:\n  %4")
                    .arg(used)
                    .arg(sequence)
                    .arg(walk.log().join(QStringLiteral("\n  ")), wrong.join(QStringLiteral("\n  ")));
            QFAIL(qPrintable(report));
        }
    }
    qInfo("%d sequences walked from seed %u", total, used);
}

QTEST_MAIN(TestRandomRun)
#include "tst_randomrun.moc"
