// A random walk through the demonstrator's run controls. Each sequence
// starts from a newly loaded window and takes random actions a user can
// take (only with available controls; timer ticks only while the timer is
// due to tick; the pace, the trace table, «Проверь себя» and the class's
// answers); after every action the window, its trace and the questions
// asked are compared with the model of a demonstration. "Назад" right after a step must give back the whole window
// as it was before that step (snapshot()).
//
// The walk is reproducible: RANDOMRUN_SEED picks another seed, and a
// failure prints the seed and the actions that led to it.
// RANDOMRUN_SEQUENCES sets how many sequences are walked (2000 unless set).

#include "boxcloser.h"
#include "demomodel.h"
#include "driver.h"
#include "fixtures.h"
#include "formdemo.h"
#include "snapshot.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QtTest>

namespace {

constexpr quint32 kDefaultSeed = 271828;
constexpr int kDefaultSequences = 2000;
constexpr int kLongestSequence = 60;

struct Typed
{
    const char *text;
    std::optional<double> number;
};

// Few distinct numbers, so that equal values meet in the comparisons; then
// texts that are no number.
const Typed kTyped[] = {
    {"1", 1},  {"2", 2},  {"3", 3},     {"2.5", 2.5}, {"-1", -1},  {"0", 0},     {" 7 ", 7},
    {"1e3", 1000}, {"", {}}, {"abc", {}}, {"1 2", {}}, {"inf", {}}, {"nan", {}}, {"1e999", {}},
    {"--1", {}},
};
constexpr int kNumbers = 8;

// One random sequence on a new window.
class Walk
{
public:
    Walk(QRandomGenerator &rng, BoxCloser &closer) : m_rng(rng), m_closer(closer)
    {
        // Ticks come from the walk alone, never from the clock (the message
        // boxes run event loops).
        m_form.Timer1()->blockSignals(true);
        answerQuestionsWith(QMessageBox::Cancel); // as the model has it
    }

    const QStringList &log() const { return m_log; }
    int backs() const { return m_backs; }
    int backsAfterStep() const { return m_backsAfterStep; }
    QStringList check() const { return differences(m_form, m_model); }

    // Takes one random action; returns what went wrong, or nothing.
    QString takeAction()
    {
        const QChar action = pick();
        const int boxesBefore = int(m_closer.seen().size());
        const int refused = m_model.refusedBox();
        m_log << QStringLiteral("[counter %1] %2").arg(m_form.stepCounter()).arg(action);
        QString wrong;
        int modelBoxes = 0;
        if (action == QLatin1Char('E')) {
            m_form.Form_KeyPress(27);
        } else if (action == QLatin1Char('Y')) {
            type();
        } else {
            const bool step = action == QLatin1Char('N') || action == QLatin1Char('T');
            const bool backAfterStep = action == QLatin1Char('B') && !m_beforeStep.isEmpty();
            if (step)
                m_beforeStep = snapshot(m_form);
            wrong = play(m_form, QStringView(&action, 1), &m_model);
            modelBoxes = m_model.messageBoxes;
            m_backs += action == QLatin1Char('B');
            if (backAfterStep && wrong.isEmpty()) {
                ++m_backsAfterStep;
                if (snapshot(m_form) != m_beforeStep)
                    wrong = QStringLiteral("back after a step is not the window before it");
            }
            if (!step)
                m_beforeStep.clear();
        }
        const bool warned = action == QLatin1Char('S') && refused >= 0;
        const int boxesShown = int(m_closer.seen().size()) - boxesBefore;
        // Besides, a question of «Проверь себя» before each comparison, and
        // the class's score at the end.
        if (boxesShown - modelBoxes != int(warned || action == QLatin1Char('E')))
            return QStringLiteral("%1 message boxes after %2").arg(boxesShown).arg(action);
        const SeenBox *box = boxesShown ? &m_closer.seen().last() : nullptr;
        if (warned && !box->text.contains(QString::fromUtf8(kBoxLabels[refused])))
            return QStringLiteral("the warning doesn't name box %1: %2").arg(refused).arg(box->text);
        if (action == QLatin1Char('E') && box->title != QStringLiteral("Об авторе..."))
            return QStringLiteral("not the about box: ") + box->title;
        return wrong.isEmpty() ? check().join(QLatin1Char('\n')) : wrong;
    }

private:
    // Types mostly numbers: a refused start leaves everything as it was.
    void type()
    {
        const int i = int(m_rng.bounded(3));
        const Typed &typed = m_rng.bounded(4) ? kTyped[m_rng.bounded(kNumbers)]
                                              : kTyped[kNumbers + m_rng.bounded(7)];
        const QString text = QString::fromUtf8(typed.text);
        m_log.last() += QStringLiteral(": '%1' into Text%2").arg(text).arg(i + 1);
        inputBox(m_form, i)->clear();
        QTest::keyClicks(inputBox(m_form, i), text);
        m_model.type(i, text, typed.number);
    }

    // An action that is available, by weight: a letter of play(), E the Esc
    // key, Y typing into a box.
    QChar pick()
    {
        std::vector<std::pair<char, int>> choices;
        const auto offer = [&choices](bool available, char a, int weight) {
            if (available)
                choices.emplace_back(a, weight);
        };
        offer(m_form.Command1()->isEnabled(), 'S', 8);
        offer(m_form.Cmd_Preview()->isEnabled(), 'B', 8);
        offer(m_form.Cmd_Next()->isEnabled(), 'N', 30);
        offer(m_form.Cmd_Stop()->isEnabled(), 'P', 4);
        offer(m_form.Cmd_Goto()->isEnabled(), 'G', 5);
        offer(true, 'R', 1);
        offer(m_form.Check1()->isEnabled(), 'K', 5);
        offer(true, 'D', 2);
        offer(m_rng.bounded(20) == 0, 'E', 1); // rare: the box is slow
        offer(m_form.Text1()->isEnabled(), 'Y', 6);
        offer(m_form.Timer1()->isTicking(), 'T', 30);
        // The teacher's keys: the pace, the trace table, «Проверь себя»,
        // and how the class answers its questions.
        offer(true, '+', 2);
        offer(true, '-', 2);
        offer(true, 'F', 2);
        offer(true, 'Q', 2);
        offer(m_form.checkingYourself(), 'y', 3);
        offer(m_form.checkingYourself(), 'n', 3);
        offer(m_form.checkingYourself(), 'e', 1);

        int total = 0;
        for (const auto &c : choices)
            total += c.second;
        int r = int(m_rng.bounded(total));
        for (const auto &c : choices) {
            if (r < c.second)
                return QLatin1Char(c.first);
            r -= c.second;
        }
        return QLatin1Char(choices.back().first);
    }

    QRandomGenerator &m_rng;
    BoxCloser &m_closer;
    FormDemo m_form;
    DemoModel m_model;
    QStringList m_log;
    QStringList m_beforeStep; // the window before the last action, a step
    int m_backs = 0, m_backsAfterStep = 0;
};

} // namespace

class RandomRunTest : public QObject
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

void RandomRunTest::randomSequences()
{
    bool fromEnvironment = false;
    const quint32 seed = quint32(qEnvironmentVariableIntValue("RANDOMRUN_SEED", &fromEnvironment));
    const quint32 used = fromEnvironment ? seed : kDefaultSeed;
    bool sequencesSet = false;
    const int sequences = qEnvironmentVariableIntValue("RANDOMRUN_SEQUENCES", &sequencesSet);
    const int total = sequencesSet ? sequences : kDefaultSequences;
    QRandomGenerator rng(used);
    BoxCloser closer;
    int backs = 0, backsAfterStep = 0;

    for (int sequence = 0; sequence < total; ++sequence) {
        Walk walk(rng, closer);
        QString wrong = walk.check().join(QLatin1Char('\n'));
        const int length = int(rng.bounded(1, kLongestSequence + 1));
        for (int i = 0; i < length && wrong.isEmpty(); ++i)
            wrong = walk.takeAction();
        backs += walk.backs();
        backsAfterStep += walk.backsAfterStep();
        if (!wrong.isEmpty())
            QFAIL(qPrintable(QStringLiteral("RANDOMRUN_SEED=%1, sequence %2\nactions:\n  %3\nwrong:\n  %4")
                                 .arg(used)
                                 .arg(sequence)
                                 .arg(walk.log().join(QStringLiteral("\n  ")), wrong)));
    }
    qInfo("%d sequences walked from seed %u; \"Назад\" pressed %d times, %d of them right "
          "after a step and checked to give back the window before it",
          total, used, backs, backsAfterStep);
}

QTEST_MAIN(RandomRunTest)
#include "tst_randomrun.moc"
