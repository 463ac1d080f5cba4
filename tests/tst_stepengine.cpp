// Whole demonstrations, step by step: the path of the step counter and the
// captions written, the boxes at the end, and after every step the window
// as the model of a demonstration has it (lines and labels lit, memory).

#include "demomodel.h"
#include "driver.h"
#include "formdemo.h"

#include <QLineEdit>
#include <QtTest>

#include <map>

using Path = QList<int>;

class StepEngineTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void run_data();
    void run();
    void nothingOutsideTheSteps();
    void variantNumber();
};

namespace {

Path steps(std::initializer_list<std::pair<int, int>> ranges)
{
    Path p;
    for (auto [from, to] : ranges)
        for (int s = from; s <= to; ++s)
            p << s;
    return p;
}

QString textOf(const FormDemo &form, const QString &control)
{
    if (control.startsWith(QLatin1String("Text")))
        return inputBox(form, control.right(1).toInt() - 1)->text();
    const Label *l = form.label(control);
    return l ? l->caption() : QStringLiteral("<no control %1>").arg(control);
}

} // namespace

void StepEngineTest::run_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QList<double>>("numbers"); // what the boxes read as
    QTest::addColumn<Path>("path");
    // "step|control|text": what a control shows right after that step.
    QTest::addColumn<QStringList>("checks");
    QTest::addColumn<QStringList>("result");

    QTest::newRow("5,4,3: every comparison yes")
        << "C" << QStringList{"5", "4", "3"} << QList<double>{5, 4, 3} << steps({{1, 24}})
        << QStringList{
               "2|Lbl_NameA|A", "2|Lbl_NameX|X", "2|Lbl_MemA|", "2|Lbl_MemX|",
               "3|Lbl_MemA|5", "4|Lbl_MemB|4", "5|Lbl_MemC|3", "5|Lbl_MemX|",
               "6|lbl_alg(5)|5 > 4",
               "7|Lbl_MemX|5", "7|lbl_alg(7)|X = 5",
               "8|Lbl_MemA|4", "8|lbl_alg(8)|A = 4",
               "9|Lbl_MemB|5", "9|lbl_alg(9)|B = 5",
               "11|lbl_alg(11)|5 > 3",
               "12|Lbl_MemX|3", "12|lbl_alg(13)|X = 3",
               "13|Lbl_MemC|5", "13|lbl_alg(14)|C = 5",
               "14|Lbl_MemB|3", "14|lbl_alg(15)|B = 3",
               "16|lbl_alg(17)|4 > 3",
               "17|Lbl_MemX|4", "17|lbl_alg(19)|X = 4",
               "18|Lbl_MemA|3", "18|lbl_alg(20)|A = 3",
               "19|Lbl_MemB|4", "19|lbl_alg(21)|B = 4",
               "20|Text1|5", "21|Text1|3", "21|Text2|4", "22|Text2|4", "23|Text3|5"}
        << QStringList{"3", "4", "5"};

    QTest::newRow("3,4,5: already in order")
        << "C" << QStringList{"3", "4", "5"} << QList<double>{3, 4, 5}
        << Path{1, 2, 3, 4, 5, 6, 10, 11, 15, 16, 20, 21, 22, 23, 24}
        << QStringList{"6|lbl_alg(5)|3 > 4", "11|lbl_alg(11)|4 > 5",
                       "16|lbl_alg(17)|3 > 4", "23|Lbl_MemX|", "23|lbl_alg(7)|X = A",
                       "23|Lbl_MemA|3", "23|Lbl_MemB|4", "23|Lbl_MemC|5"}
        << QStringList{"3", "4", "5"};

    QTest::newRow("4,4,4: equal is not greater")
        << "C" << QStringList{"4", "4", "4"} << QList<double>{4, 4, 4}
        << Path{1, 2, 3, 4, 5, 6, 10, 11, 15, 16, 20, 21, 22, 23, 24}
        << QStringList{"6|lbl_alg(5)|4 > 4", "11|lbl_alg(11)|4 > 4",
                       "16|lbl_alg(17)|4 > 4", "23|Lbl_MemX|"}
        << QStringList{"4", "4", "4"};

    QTest::newRow("4,5,3: only the first comparison no")
        << "C" << QStringList{"4", "5", "3"} << QList<double>{4, 5, 3} << steps({{1, 6}, {10, 24}})
        << QStringList{"6|lbl_alg(5)|4 > 5", "10|Lbl_MemX|", "11|lbl_alg(11)|5 > 3",
                       "12|Lbl_MemX|3", "12|lbl_alg(13)|X = 3",
                       "13|Lbl_MemC|5", "13|lbl_alg(14)|C = 5",
                       "14|Lbl_MemB|3", "14|lbl_alg(15)|B = 3",
                       "16|lbl_alg(17)|4 > 3", "17|lbl_alg(19)|X = 4",
                       "18|lbl_alg(20)|A = 3", "19|lbl_alg(21)|B = 4"}
        << QStringList{"3", "4", "5"};

    QTest::newRow("ru: fractions and negatives")
        << "ru_RU" << QStringList{"-1", "0,5", "-2"} << QList<double>{-1, 0.5, -2}
        << steps({{1, 6}, {10, 24}})
        << QStringList{"4|Lbl_MemB|0,5", "6|lbl_alg(5)|-1 > 0,5", "11|lbl_alg(11)|0,5 > -2",
                       "12|Lbl_MemX|-2", "12|lbl_alg(13)|X = -2",
                       "13|Lbl_MemC|0,5", "13|lbl_alg(14)|C = 0,5",
                       "14|Lbl_MemB|-2", "14|lbl_alg(15)|B = -2",
                       "16|lbl_alg(17)|-1 > -2", "17|lbl_alg(19)|X = -1",
                       "18|lbl_alg(20)|A = -2", "19|lbl_alg(21)|B = -1"}
        << QStringList{"-2", "-1", "0,5"};

    QTest::newRow("ru: a dot typed as decimal separator")
        << "ru_RU" << QStringList{"2.5", "1", "0"} << QList<double>{2.5, 1, 0} << steps({{1, 24}})
        << QStringList{"3|Lbl_MemA|2,5", "7|lbl_alg(7)|X = 2,5"}
        << QStringList{"0", "1", "2,5"};

    // 16 and 17 digits stay exact: the comparison shows the numbers compared.
    QTest::newRow("exact digits")
        << "C" << QStringList{"1.0000000000000002", "1", "0.1234567890123456"}
        << QList<double>{1.0000000000000002, 1, 0.1234567890123456} << steps({{1, 24}})
        << QStringList{"6|lbl_alg(5)|1.0000000000000002 > 1",
                       "11|lbl_alg(11)|1.0000000000000002 > 0.1234567890123456"}
        << QStringList{"0.1234567890123456", "1", "1.0000000000000002"};
}

void StepEngineTest::run()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, boxes);
    QFETCH(QList<double>, numbers);
    QFETCH(Path, path);
    QFETCH(QStringList, checks);
    QFETCH(QStringList, result);

    QLocale::setDefault(QLocale(locale));
    FormDemo form;
    DemoModel model;
    for (int i = 0; i < 3; ++i) {
        inputBox(form, i)->setText(boxes[i]);
        model.type(i, boxes[i], numbers[i]);
    }
    std::multimap<int, std::pair<QString, QString>> expected;
    for (const QString &check : checks) {
        const QStringList parts = check.split(QLatin1Char('|'));
        QCOMPARE(parts.size(), 3);
        expected.emplace(parts[0].toInt(), std::make_pair(parts[1], parts[2]));
    }

    PLAY(form, u"S", &model);
    for (const int s : path) {
        QCOMPARE(int(form.stepCounter()), s);
        PLAY(form, u"N", &model);
        auto [from, to] = expected.equal_range(s);
        for (auto it = from; it != to; ++it)
            QVERIFY2(textOf(form, it->second.first) == it->second.second,
                     qPrintable(QStringLiteral("after step %1: %2 is '%3', want '%4'")
                                    .arg(s)
                                    .arg(it->second.first, textOf(form, it->second.first),
                                         it->second.second)));
    }

    // The end: idle, memory zero and hidden, the highlighting stays.
    QCOMPARE(form.stepCounter(), qint16(0));
    QCOMPARE(QStringList({form.Text1()->text(), form.Text2()->text(), form.Text3()->text()}),
             result);
    QCOMPARE(form.A().toDouble(), 0.0);
}

// With the counter at 0 a step shows nothing and changes nothing.
void StepEngineTest::nothingOutsideTheSteps()
{
    FormDemo form;
    form.DemoAl();
    form.Timer1_Timer();
    QCOMPARE(differences(form, DemoModel()), QStringList());
}

// A memory cell compares as a number, strictly and across its two types,
// and is written as the double it holds.
void StepEngineTest::variantNumber()
{
    const VariantNumber zero, five(5);
    QVERIFY(five > zero);
    QVERIFY(!(zero > five));
    QVERIFY(!(five > VariantNumber(5)));
    QVERIFY(!(VariantNumber(0) > zero));
    QVERIFY(VariantNumber(10) > VariantNumber(9)); // numbers, not strings

    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    QCOMPARE(VariantNumber(0.5).text(), QStringLiteral("0,5"));
}

QTEST_MAIN(StepEngineTest)
#include "tst_stepengine.moc"
