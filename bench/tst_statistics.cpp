// The order statistics the benchmark reports.

#include "statistics.h"

#include <QtTest>

#include <vector>

using Values = std::vector<double>;
Q_DECLARE_METATYPE(Values)

class StatisticsTest : public QObject
{
    Q_OBJECT
private slots:
    void median_data();
    void median();
    void percentile_data();
    void percentile();
};

void StatisticsTest::median_data()
{
    QTest::addColumn<Values>("values");
    QTest::addColumn<double>("median");

    QTest::newRow("none") << Values{} << 0.0;
    QTest::newRow("one") << Values{7} << 7.0;
    QTest::newRow("odd count, unsorted") << Values{9, 1, 5} << 5.0;
    QTest::newRow("even count: mean of the middle two") << Values{4, 1, 3, 2} << 2.5;
    QTest::newRow("repeated middle") << Values{2, 2, 2, 100} << 2.0;
    QTest::newRow("negative") << Values{-3, -1, -2} << -2.0;
}

void StatisticsTest::median()
{
    QFETCH(Values, values);
    QFETCH(double, median);
    QCOMPARE(benchstats::median(values), median);
}

void StatisticsTest::percentile_data()
{
    QTest::addColumn<Values>("values");
    QTest::addColumn<double>("percent");
    QTest::addColumn<double>("value");

    Values hundred, twenty;
    for (int i = 100; i >= 1; --i)
        hundred.push_back(i);
    for (int i = 1; i <= 20; ++i)
        twenty.push_back(i);

    QTest::newRow("none") << Values{} << 95.0 << 0.0;
    QTest::newRow("95th of 1..100") << hundred << 95.0 << 95.0;
    QTest::newRow("95th of 1..20: rank 19") << twenty << 95.0 << 19.0;
    QTest::newRow("95th of 69 values: rank 66") << Values(69, 1.0) << 95.0 << 1.0;
    QTest::newRow("100th is the largest") << twenty << 100.0 << 20.0;
    QTest::newRow("0th is the smallest") << twenty << 0.0 << 1.0;
    QTest::newRow("50th of an even count: lower middle") << Values{4, 1, 3, 2} << 50.0 << 2.0;
    QTest::newRow("single value") << Values{3} << 95.0 << 3.0;
}

void StatisticsTest::percentile()
{
    QFETCH(Values, values);
    QFETCH(double, percent);
    QFETCH(double, value);
    QCOMPARE(benchstats::percentile(values, percent), value);
}

QTEST_APPLESS_MAIN(StatisticsTest)
#include "tst_statistics.moc"
