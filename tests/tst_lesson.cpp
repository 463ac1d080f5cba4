// The lesson without a window: whole runs step by step checked against the
// model of a demonstration (the path, the captions, the memory, the boxes),
// "Назад" to every step, random triples, the trace with the class's
// answers and the score, and what a screen reader is told.

#include "demomodel.h"
#include "fixtures.h"
#include "lesson.h"

#include <QRandomGenerator>
#include <QtTest>


using Path = QList<int>;

namespace {

// The window's captions as its controls are made (the listing, then the
// flowchart), as a user reads them.
constexpr const char *kListing[] = {
    "Private Sub Command1_Click()", "Dim A, B, C, X As Double", "A = CDbl(Text1.Text)",
    "C = CDbl(Text2.Text)", "B = CDbl(Text3.Text)", "If A > B Then", "X = A", "A = B", "B = X",
    "End If", "If B > C Then", "X = C", "C = B", "B = X", "End If", "If A > B Then", "X = A",
    "A = B", "B = X", "End If", "Text1.Text = CStr(A)", "Text2.Text = CStr(B)",
    "Text3.Text = CStr(C)", "End Sub"};
constexpr const char *kFlowchart[] = {
    "Начало", "Label1", "Ввод А", "Ввод В", "Ввод С", "A > B", "Да", "X=A", "A=B", "B=X",
    "Нет", "B > C", "Да", "X=C", "C=B", "B=X", "Нет", "A > B", "Да", "X=A", "A=B", "B=X",
    "Нет", "Вывод А", "Вывод В", "Вывод С", "Конец"};

lesson::Design design()
{
    lesson::Design d;
    for (std::size_t i = 0; i < 24; ++i)
        d.shown.listing[i].text = QString::fromUtf8(kListing[i]);
    for (std::size_t i = 0; i < 27; ++i)
        d.shown.flowchart[i].text = QString::fromUtf8(kFlowchart[i]);
    d.shown.memoryShown = true;
    for (const auto &[block, caption] : kIdleCaptions)
        d.restored[std::size_t(block)] = QString::fromUtf8(caption);
    for (std::size_t i = 0; i < 3; ++i)
        d.boxNames[i] = QString::fromUtf8(kBoxLabels[i]);
    return d;
}

// A lesson as the window holds it, driven by play()'s letters the way the
// window's handlers drive it, and checked against the model after each.
struct Class
{
    lesson::Lesson lesson{design()};
    DemoModel model;
    std::array<QString, 3> boxes{QStringLiteral("5"), QStringLiteral("4"), QStringLiteral("3")};
    lesson::Answer answer = lesson::Answer::Refused;
    QStringList said, questions, scores;

    Class()
    {
        QObject::connect(&lesson, &lesson::Lesson::said, [this](const QString &t) { said << t; });
        QObject::connect(&lesson, &lesson::Lesson::scored, [this](const QString &t) { scores << t; });
        load();
    }

    void type(const QStringList &numbers)
    {
        for (int i = 0; i < 3; ++i) {
            boxes[std::size_t(i)] = numbers[i];
            model.type(i, numbers[i], numbertext::parse(numbers[i]));
        }
    }

    void clearDisplays()
    {
        lesson.clearMemory();
        lesson.clearHighlight();
        lesson.restoreCaptions();
    }
    void load()
    {
        lesson.stop();
        clearDisplays();
        lesson.clearTrace();
    }

    void step(bool byHand)
    {
        if (lesson.asksFirst()) {
            questions << lesson.ask();
            lesson.answer(answer);
        }
        const lesson::StepResult &shown = lesson.step();
        if (shown.box >= 0)
            boxes[std::size_t(shown.box)] = shown.boxText;
        lesson.tell(byHand, false);
    }

    // Why an action could not be taken, or what differs after it.
    QString act(QChar action)
    {
        if (!model.act(action))
            return QStringLiteral("the model does not offer %1").arg(action);
        switch (action.unicode()) {
        case 'S': clearDisplays(); lesson.start(boxes); break;
        case 'N': step(true); break;
        case 'T': step(false); break;
        case 'B': lesson.goBack(); lesson.tell(true, false); break;
        case 'R': load(); break;
        case 'D': lesson.clearPanel(); lesson.clearHighlight(); lesson.restoreCaptions(); break;
        case 'Q': lesson.setChecking(!lesson.checking()); break;
        case 'L': lesson.setLanguage(lesson::kLanguages[(int(lesson.language()) + 1) % 5]); break;
        case '+': lesson.changePace(true); break;
        case '-': lesson.changePace(false); break;
        case 'y': answer = lesson::Answer::Yes; break;
        case 'n': answer = lesson::Answer::No; break;
        case 'e': answer = lesson::Answer::Refused; break;
        default: break; // the mode and the timer are the window's
        }
        const QStringList wrong = differences(lesson, model);
        return wrong.isEmpty() ? QString()
                               : QStringLiteral("after %1:\n  %2").arg(action).arg(wrong.join(QStringLiteral("\n  ")));
    }
    QString play(QStringView actions)
    {
        for (const QChar action : actions)
            if (const QString why = act(action); !why.isEmpty())
                return why;
        return {};
    }
};

#define PLAY(lesson, actions)                                                                \
    do {                                                                                     \
        const QString why = (lesson).play(actions);                                          \
        QVERIFY2(why.isEmpty(), qPrintable(why));                                            \
    } while (false)

QString repeated(char action, int times)
{
    return QString(times, QLatin1Char(action));
}

Path steps(std::initializer_list<std::pair<int, int>> ranges)
{
    Path p;
    for (auto [from, to] : ranges)
        for (int s = from; s <= to; ++s)
            p << s;
    return p;
}

} // namespace

class LessonTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void run_data();
    void run();
    void back_data();
    void back();
    void randomTriples();
    void trace_data();
    void trace();
    void said_data();
    void said();
    void nothingOutsideTheSteps();
    void variantNumber();
};

void LessonTest::run_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<Path>("path");
    QTest::addColumn<QStringList>("result");

    const Path skipping{1, 2, 3, 4, 5, 6, 10, 11, 15, 16, 20, 21, 22, 23, 24};
    QTest::newRow("5,4,3: every comparison yes")
        << "C" << QStringList{"5", "4", "3"} << steps({{1, 24}}) << QStringList{"3", "4", "5"};
    QTest::newRow("3,4,5: already in order")
        << "C" << QStringList{"3", "4", "5"} << skipping << QStringList{"3", "4", "5"};
    QTest::newRow("4,4,4: equal is not greater")
        << "C" << QStringList{"4", "4", "4"} << skipping << QStringList{"4", "4", "4"};
    QTest::newRow("4,5,3: only the first comparison no")
        << "C" << QStringList{"4", "5", "3"} << steps({{1, 6}, {10, 24}}) << QStringList{"3", "4", "5"};
    QTest::newRow("ru: fractions and negatives")
        << "ru_RU" << QStringList{"-1", "0,5", "-2"} << steps({{1, 6}, {10, 24}})
        << QStringList{"-2", "-1", "0,5"};
    QTest::newRow("ru: a dot typed as decimal separator")
        << "ru_RU" << QStringList{"2.5", "1", "0"} << steps({{1, 24}}) << QStringList{"0", "1", "2,5"};
    // 16 and 17 digits stay exact.
    QTest::newRow("exact digits")
        << "C" << QStringList{"1.0000000000000002", "1", "0.1234567890123456"} << steps({{1, 24}})
        << QStringList{"0.1234567890123456", "1", "1.0000000000000002"};
}

// Whole runs: the path of the counter and the boxes at the end; after every
// step the lesson as the model has it (memory, cells, captions, lit lines
// and blocks, trace).
void LessonTest::run()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, boxes);
    QFETCH(Path, path);
    QFETCH(QStringList, result);

    QLocale::setDefault(QLocale(locale));
    Class c;
    c.type(boxes);
    PLAY(c, u"S");
    for (const int s : path) {
        QCOMPARE(int(c.lesson.run().counter), s);
        PLAY(c, u"N");
    }
    QCOMPARE(int(c.lesson.run().counter), 0);
    QCOMPARE(QStringList(c.boxes.begin(), c.boxes.end()), result);
}

void LessonTest::back_data()
{
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<int>("steps");
    for (const ComparisonPath &p : kPaths) {
        QStringList numbers;
        for (const double n : p.inputs)
            numbers << QString::number(n);
        QTest::newRow(qPrintable(numbers.join(QLatin1Char(' ')))) << numbers << p.steps;
    }
    QTest::newRow("7 7 7") << QStringList{"7", "7", "7"} << 15;
}

// "Назад" from the last step but one back to every step before it, a
// double click's clearing on the way, then forward again to the end.
void LessonTest::back()
{
    QFETCH(QStringList, numbers);
    QFETCH(int, steps);
    Class c;
    c.type(numbers);
    PLAY(c, QStringLiteral("S") + repeated('N', steps - 1) + QStringLiteral("D"));
    PLAY(c, repeated('B', steps - 1));
    QVERIFY(!c.lesson.canGoBack());
    QCOMPARE(int(c.lesson.run().counter), 1);
    PLAY(c, repeated('N', steps));
    QCOMPARE(int(c.lesson.run().counter), 0);
}

// Triples drawn at random, among them equal numbers, negatives and
// fractions, each run to its end: the model after every step, and the
// boxes sorted.
void LessonTest::randomTriples()
{
    QRandomGenerator random(20261209);
    for (int run = 0; run < 300; ++run) {
        QStringList numbers;
        std::array<double, 3> values;
        for (double &v : values) {
            v = (int(random.bounded(13)) - 6) / (random.bounded(2) ? 1.0 : 4.0);
            numbers << numbertext::format(v);
        }
        Class c;
        c.type(numbers);
        PLAY(c, u"S");
        for (int s = 0; c.lesson.running(); ++s) {
            QVERIFY(s < 24);
            PLAY(c, u"N");
        }
        std::sort(values.begin(), values.end());
        for (std::size_t i = 0; i < 3; ++i)
            QCOMPARE(numbertext::parse(c.boxes[i]), std::optional<double>(values[i]));
    }
}

void LessonTest::trace_data()
{
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<QString>("actions"); // after typing the numbers
    // Each row: the step, A, B, C and X after it ("-" before the program
    // gave the variable a value, "*" where the step did), and «Условие».
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("asked"); // the questions asked, then the score

    const QString stepped = QStringLiteral("S") + repeated('N', 24);
    const QStringList inOrder = {"1 - - - -", "2 - - - -", "3 1* - - -", "4 1 2* - -",
                                 "5 1 2 3* -", "6 1 2 3 - Нет", "10 1 2 3 -", "11 1 2 3 - Нет",
                                 "15 1 2 3 -", "16 1 2 3 - Нет", "20 1 2 3 -", "21 1 2 3 -",
                                 "22 1 2 3 -", "23 1 2 3 -", "24 1 2 3 -"};
    QTest::newRow("5 4 3") << QStringList{"5", "4", "3"} << stepped
                           << QStringList{"1 - - - -", "2 - - - -", "3 5* - - -",
                                          "4 5 4* - -", "5 5 4 3* -", "6 5 4 3 - Да",
                                          "7 5 4 3 5*", "8 4* 4 3 5", "9 4 5* 3 5",
                                          "10 4 5 3 5", "11 4 5 3 5 Да", "12 4 5 3 3*",
                                          "13 4 5 5* 3", "14 4 3* 5 3", "15 4 3 5 3",
                                          "16 4 3 5 3 Да", "17 4 3 5 4*", "18 3* 3 5 4",
                                          "19 3 4* 5 4", "20 3 4 5 4", "21 3 4 5 4",
                                          "22 3 4 5 4", "23 3 4 5 4", "24 3 4 5 4"}
                           << QStringList();
    const QString skipping = QStringLiteral("S") + repeated('N', 15);
    QTest::newRow("1 2 3") << QStringList{"1", "2", "3"} << skipping << inOrder << QStringList();
    QTest::newRow("7 7 7") << QStringList{"7", "7", "7"} << skipping
                           << QStringList{"1 - - - -", "2 - - - -", "3 7* - - -",
                                          "4 7 7* - -", "5 7 7 7* -", "6 7 7 7 - Нет",
                                          "10 7 7 7 -", "11 7 7 7 - Нет", "15 7 7 7 -",
                                          "16 7 7 7 - Нет", "20 7 7 7 -", "21 7 7 7 -",
                                          "22 7 7 7 -", "23 7 7 7 -", "24 7 7 7 -"}
                           << QStringList();
    // «Проверь себя»: right, wrong, Esc; "Назад" takes an answer back.
    QTest::newRow("5 4 3, answered") << QStringList{"5", "4", "3"}
                                     << QStringLiteral("QyS") + repeated('N', 10) + "n"
                                            + repeated('N', 5) + "e" + repeated('N', 9)
                                     << QStringList{"1 - - - -", "2 - - - -", "3 5* - - -",
                                                    "4 5 4* - -", "5 5 4 3* -",
                                                    "6 5 4 3 - Да (верно)", "7 5 4 3 5*",
                                                    "8 4* 4 3 5", "9 4 5* 3 5", "10 4 5 3 5",
                                                    "11 4 5 3 5 Да (ответ «Нет» — неверно)",
                                                    "12 4 5 3 3*", "13 4 5 5* 3", "14 4 3* 5 3",
                                                    "15 4 3 5 3", "16 4 3 5 3 Да", "17 4 3 5 4*",
                                                    "18 3* 3 5 4", "19 3 4* 5 4", "20 3 4 5 4",
                                                    "21 3 4 5 4", "22 3 4 5 4", "23 3 4 5 4",
                                                    "24 3 4 5 4"}
                                     << QStringList{"Шаг 6: If A > B Then — 5 > 4?",
                                                    "Шаг 11: If B > C Then — 5 > 3?",
                                                    "Шаг 16: If A > B Then — 4 > 3?",
                                                    "Проверь себя: верно 1 из 2"};
    // The listing changed mid-run: the rows shown quote the new one too.
    QTest::newRow("1 2 3 in Python, then C++")
        << QStringList{"1", "2", "3"} << QStringLiteral("LLQyS") + repeated('N', 9) + "L" + repeated('N', 6)
        << QStringList{"1 - - - -", "2 - - - -", "3 1* - - -", "4 1 2* - -", "5 1 2 3* -",
                       "6 1 2 3 - Нет (ответ «Да» — неверно)", "10 1 2 3 -",
                       "11 1 2 3 - Нет (ответ «Да» — неверно)", "15 1 2 3 -",
                       "16 1 2 3 - Нет (ответ «Да» — неверно)", "20 1 2 3 -", "21 1 2 3 -",
                       "22 1 2 3 -", "23 1 2 3 -", "24 1 2 3 -"}
        << QStringList{"Шаг 6: if A > B: — 1 > 2?", "Шаг 11: if B > C: — 2 > 3?",
                       "Шаг 16: if (A > B) { — 1 > 2?", "Проверь себя: верно 0 из 3"};
    QStringList rightEachTime = inOrder;
    rightEachTime.replaceInStrings(QStringLiteral(" Нет"), QStringLiteral(" Нет (верно)"));
    QTest::newRow("1 2 3, answers taken back")
        << QStringList{"1", "2", "3"}
        << QStringLiteral("QnS") + repeated('N', 6) + "ByNBnN" + repeated('N', 9)
        << rightEachTime
        << QStringList{"Шаг 6: If A > B Then — 1 > 2?", "Шаг 6: If A > B Then — 1 > 2?",
                       "Шаг 6: If A > B Then — 1 > 2?", "Шаг 11: If B > C Then — 2 > 3?",
                       "Шаг 16: If A > B Then — 1 > 2?", "Проверь себя: верно 3 из 3"};
}

// The trace of whole runs, row by row, and the questions of «Проверь себя»
// with the score.
void LessonTest::trace()
{
    QFETCH(QStringList, numbers);
    QFETCH(QString, actions);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, asked);

    Class c;
    c.type(numbers);
    PLAY(c, actions);

    QStringList traced;
    for (const lesson::TraceRow &row : c.lesson.trace().rows()) {
        QCOMPARE(row.line, lesson::quoted(c.lesson.display().listing[std::size_t(lesson::step(row.step).line)].text));
        QString text = QString::number(row.step);
        for (std::size_t v = 0; v < 4; ++v)
            text += QLatin1Char(' ') + (row.values[v].isEmpty() ? QStringLiteral("-") : row.values[v])
                    + (row.changed[v] ? QStringLiteral("*") : QString());
        if (!row.condition.isEmpty())
            text += QLatin1Char(' ') + row.condition;
        traced << text;
    }
    QCOMPARE(traced, rows);
    QCOMPARE(c.questions + c.scores, asked);
}

void LessonTest::said_data()
{
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<QString>("setup");   // played first, its words dropped
    QTest::addColumn<QString>("actions"); // what is said of these
    QTest::addColumn<QStringList>("words");

    const QStringList down = {"5", "4", "3"};
    QTest::newRow("5 4 3 by hand")
        << down << "S" << repeated('N', 24)
        << QStringList{"Шаг 1: Private Sub Command1_Click(); блок «Начало»",
                       "Шаг 2: Dim A, B, C, X As Double; память: A, B, C, X",
                       "Шаг 3: A = CDbl(Text1.Text); блок «Ввод А»; память: A = 5",
                       "Шаг 4: C = CDbl(Text2.Text); блок «Ввод В»; память: B = 4",
                       "Шаг 5: B = CDbl(Text3.Text); блок «Ввод С»; память: C = 3",
                       "Шаг 6: If A > B Then; блок «5 > 4»",
                       "Шаг 7: X = A; блок «Да», «X = 5»; память: X = 5",
                       "Шаг 8: A = B; блок «A = 4»; память: A = 4",
                       "Шаг 9: B = X; блок «B = 5»; память: B = 5",
                       "Шаг 10: End If",
                       "Шаг 11: If B > C Then; блок «5 > 3»",
                       "Шаг 12: X = C; блок «Да», «X = 3»; память: X = 3",
                       "Шаг 13: C = B; блок «C = 5»; память: C = 5",
                       "Шаг 14: B = X; блок «B = 3»; память: B = 3",
                       "Шаг 15: End If",
                       "Шаг 16: If A > B Then; блок «4 > 3»",
                       "Шаг 17: X = A; блок «Да», «X = 4»; память: X = 4",
                       "Шаг 18: A = B; блок «A = 3»; память: A = 3",
                       "Шаг 19: B = X; блок «B = 4»; память: B = 4",
                       "Шаг 20: End If",
                       "Шаг 21: Text1.Text = CStr(A); блок «Вывод А»; поле «Число А=»: 3",
                       "Шаг 22: Text2.Text = CStr(B); блок «Вывод В»; поле «Число В=»: 4",
                       "Шаг 23: Text3.Text = CStr(C); блок «Вывод С»; поле «Число С=»: 5",
                       "Шаг 24: End Sub; блок «Конец»; память очищена. Готово: 3; 4; 5"};
    QTest::newRow("a no lights «Нет»")
        << QStringList{"3", "4", "5"} << "SNNNNN" << "N"
        << QStringList{"Шаг 6: If A > B Then; блок «3 > 4», «Нет»"};
    // The timer's steps in short; the end says the result alone.
    QStringList automatic;
    for (int s = 1; s < 24; ++s)
        automatic << QStringLiteral("Шаг %1: %2").arg(s).arg(QString::fromUtf8(kListing[s - 1]));
    QTest::newRow("automatic") << down << "SK" << "G" + repeated('T', 24)
                               << automatic + QStringList{"Готово: 3; 4; 5"};
    // A cleared panel says no memory; "Назад" says the step now shown.
    QTest::newRow("cleared, then back")
        << down << "SNN" << "DNBBB"
        << QStringList{"Шаг 3: A = CDbl(Text1.Text); блок «Ввод А»",
                       "Назад. Шаг 2: Dim A, B, C, X As Double; память: A, B, C, X",
                       "Назад. Шаг 1: Private Sub Command1_Click(); блок «Начало»",
                       "Назад. Ни один шаг еще не показан."};
    QTest::newRow("the pace and «Проверь себя»")
        << down << "" << "+++--QQ"
        << QStringList{"Темп: 0,25 с на шаг", "Темп: 0,5 с на шаг", "Темп: 1 с на шаг",
                       "Проверь себя: включено", "Проверь себя: выключено"};
    // The listing changed mid-run: said, the lit line now in the new
    // listing, and what follows quoting it; Python's empty line not read.
    QTest::newRow("Python mid-run") << down << "S" + repeated('N', 8) << "LLNNBB"
                                    << QStringList{"Язык программы: Pascal", "Язык программы: Python",
                                                   "Шаг 9: B = X; блок «B = 5»; память: B = 5",
                                                   "Шаг 10",
                                                   "Назад. Шаг 9: B = X; блок «B = 5»; память: B = 5",
                                                   "Назад. Шаг 8: A = B; блок «A = 4»; память: A = 4"};
    QTest::newRow("the algorithmic language")
        << down << "LLLLSNNNNN" << "NL"
        << QStringList{"Шаг 6: если A > B то; блок «5 > 4»", "Язык программы: Visual Basic"};
    // From two seconds a step, the timer's steps in full too.
    QTest::newRow("slow automatic") << down << "---SNK" << "GT"
                                    << QStringList{"Шаг 2: Dim A, B, C, X As Double; память: A, B, C, X"};
}

// What a screen reader is told, word for word.
void LessonTest::said()
{
    QFETCH(QStringList, numbers);
    QFETCH(QString, setup);
    QFETCH(QString, actions);
    QFETCH(QStringList, words);

    Class c;
    c.type(numbers);
    PLAY(c, setup);
    c.said.clear();
    PLAY(c, actions);
    QCOMPARE(c.said, words);
}

// With no run a step shows nothing and changes nothing.
void LessonTest::nothingOutsideTheSteps()
{
    Class c;
    const lesson::Display before = c.lesson.display();
    QCOMPARE(c.lesson.step().step, 0);
    c.lesson.tell(true, false);
    QVERIFY(c.lesson.display() == before);
    QCOMPARE(differences(c.lesson, c.model), QStringList());
    QCOMPARE(c.said, QStringList());
}

// A memory cell compares as a number, strictly and across its two types,
// and is written as the double it holds.
void LessonTest::variantNumber()
{
    const VariantNumber zero, five(5);
    QVERIFY(five > zero);
    QVERIFY(!(zero > five));
    QVERIFY(!(five > VariantNumber(5)));
    QVERIFY(!(VariantNumber(0) > zero));
    QVERIFY(VariantNumber(10) > VariantNumber(9)); // numbers, not strings
    QCOMPARE(VariantNumber(0.5).text(), QStringLiteral("0,5"));
}

QTEST_GUILESS_MAIN(LessonTest)
#include "tst_lesson.moc"
