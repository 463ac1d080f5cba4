// Number text both ways in the user's regional settings, the variant
// number's type and comparison, and the refusal message.

#include "numbertext.h"

#include <QtTest>

#include <limits>

Q_DECLARE_METATYPE(QLocale)

class NumberTextTest : public QObject
{
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void format_data();
    void format();
    void roundTrip_data();
    void roundTrip();
    void variantNumber();
    void refusal();
    void refusalQuote_data();
    void refusalQuote();
};

namespace {
const QLocale ru(QLocale::Russian, QLocale::Russia);
const QLocale en(QLocale::English, QLocale::UnitedStates);
const QLocale de(QLocale::German, QLocale::Germany);
const QLocale c = QLocale::c();
} // namespace

void NumberTextTest::parse_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");

    // Accepted
    QTest::newRow("ru fraction") << ru << "0,5" << true << 0.5;
    QTest::newRow("ru negative") << ru << "-2" << true << -2.0;
    QTest::newRow("ru dot as decimal") << ru << "0.5" << true << 0.5;
    QTest::newRow("ru spaces around") << ru << "  -1,25 " << true << -1.25;
    QTest::newRow("ru leading zero") << ru << "03" << true << 3.0;
    QTest::newRow("en fraction") << en << "2.5" << true << 2.5;
    QTest::newRow("en spaces") << en << " 7 " << true << 7.0;
    QTest::newRow("c fraction") << c << "-0.125" << true << -0.125;
    QTest::newRow("exponent") << en << "1e3" << true << 1000.0;
    QTest::newRow("largest double") << c << "1.7976931348623157e308" << true
                                    << std::numeric_limits<double>::max();
    // A dot is a group separator in German, not a decimal separator.
    QTest::newRow("de comma") << de << "0,5" << true << 0.5;

    // Refused
    QTest::newRow("empty") << ru << "" << false << 0.0;
    QTest::newRow("spaces only") << ru << "   " << false << 0.0;
    QTest::newRow("letters") << ru << "abc" << false << 0.0;
    QTest::newRow("number and letters") << en << "12abc" << false << 0.0;
    QTest::newRow("two numbers") << en << "1 2" << false << 0.0;
    QTest::newRow("two numbers ru") << ru << "1,5 2" << false << 0.0;
    QTest::newRow("inf") << en << "inf" << false << 0.0;
    QTest::newRow("-inf") << en << "-inf" << false << 0.0;
    QTest::newRow("nan") << en << "nan" << false << 0.0;
    QTest::newRow("NaN ru") << ru << "NaN" << false << 0.0;
    QTest::newRow("beyond a double") << en << "1e999" << false << 0.0;
    QTest::newRow("beyond a double, negative") << ru << "-1e400" << false << 0.0;
    QTest::newRow("ru both separators") << ru << "1.234,5" << false << 0.0;
    QTest::newRow("de dot is not a decimal") << de << "0.5" << false << 0.0;
    QTest::newRow("en comma is no decimal") << en << "1,5" << false << 0.0;
    QTest::newRow("en group separator") << en << "1,000" << false << 0.0;
    QTest::newRow("ru group separator") << ru << QString::fromUtf8("1\u00a0234") << false << 0.0;
    QTest::newRow("below the smallest double") << en << "1e-400" << false << 0.0;
}

void NumberTextTest::parse()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, value);
    const std::optional<double> got = numbertext::parse(text, locale);
    QCOMPARE(got.has_value(), ok);
    if (ok)
        QCOMPARE(*got, value);
}

void NumberTextTest::format_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("ru whole") << ru << 5.0 << "5";
    QTest::newRow("ru fraction") << ru << 0.5 << "0,5";
    QTest::newRow("ru negative fraction") << ru << -1.5 << "-1,5";
    QTest::newRow("ru no group separator") << ru << 12345.0 << "12345";
    QTest::newRow("en no group separator") << en << 1234567.0 << "1234567";
    QTest::newRow("en fraction") << en << 0.5 << "0.5";
    QTest::newRow("c whole") << c << -2.0 << "-2";
    QTest::newRow("c no group separator") << c << 12345.0 << "12345";
    QTest::newRow("negative zero") << en << -0.0 << "0";
    QTest::newRow("15 significant digits") << en << 0.1 + 0.2 << "0.3";
    QTest::newRow("third") << ru << 1.0 / 3 << "0,333333333333333";
    // The 15 digits of the largest doubles would round up beyond the range.
    QTest::newRow("largest double") << en << std::numeric_limits<double>::max()
                                    << "1.79769313486231E+308";
    QTest::newRow("ru lowest double") << ru << std::numeric_limits<double>::lowest()
                                      << "-1,79769313486231E+308";
    QTest::newRow("c near the largest") << c << 1.797693134862315e308 << "1.79769313486231e+308";
    QTest::newRow("de below the top") << de << 1.79769313486231e308 << "1,79769313486231E+308";
    QTest::newRow("smallest subnormal") << de << std::numeric_limits<double>::denorm_min()
                                        << "4,94065645841247E-324";
}

void NumberTextTest::format()
{
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(numbertext::format(value, locale), text);
    // What is written reads back, as a number written the same way.
    const std::optional<double> back = numbertext::parse(text, locale);
    QVERIFY(back.has_value());
    QCOMPARE(numbertext::format(*back, locale), text);
}

void NumberTextTest::roundTrip_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    for (const QLocale &l : {ru, en, c, de})
        for (double v : {0.0, -2.0, 0.5, 3.75, 12345.0, -1e-7, 6.02e23,
                         std::numeric_limits<double>::denorm_min()})
            QTest::addRow("%s %g", qPrintable(l.name()), v) << l << v;
}

// What the program writes into a box it can read back.
void NumberTextTest::roundTrip()
{
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    const auto back = numbertext::parse(numbertext::format(value, locale), locale);
    QVERIFY(back.has_value());
    QCOMPARE(*back, value);
}

void NumberTextTest::variantNumber()
{
    const VariantNumber zero = VariantNumber::integer(0);
    QCOMPARE(zero.type(), VariantNumber::Type::Integer);
    QCOMPARE(zero.toDouble(), 0.0);

    const VariantNumber five = VariantNumber::real(5);
    VariantNumber copy = zero;
    copy = five; // a copy takes the type with the value
    QCOMPARE(copy.type(), VariantNumber::Type::Double);
    QCOMPARE(copy.toDouble(), 5.0);

    // Strict numeric comparison, across types.
    QVERIFY(five > zero);
    QVERIFY(!(zero > five));
    QVERIFY(!(five > VariantNumber::real(5)));
    QVERIFY(!(VariantNumber::real(0) > zero));
    QVERIFY(VariantNumber::real(10) > VariantNumber::real(9)); // numbers, not strings

    // A double and a variant holding it give the same text.
    QLocale::setDefault(ru);
    QCOMPARE(VariantNumber::real(0.5).text(), numbertext::format(0.5));
    QCOMPARE(VariantNumber::real(0.5).text(), QStringLiteral("0,5"));
    QLocale::setDefault(QLocale::c());
}

void NumberTextTest::refusal()
{
    const QString label = QStringLiteral("Число В=");
    QCOMPARE(numbertext::refusal(label, QStringLiteral("abc"), ru),
             QStringLiteral("В поле «Число В=» не число: «abc». Введите число, например: 2,5"));
    QCOMPARE(numbertext::refusal(label, QString(), en),
             QStringLiteral("Поле «Число В=» пустое. Введите число, например: 2.5"));
    const QString longText(40, QLatin1Char('x'));
    const QString message = numbertext::refusal(label, longText, en);
    QVERIFY(message.contains(QString(24, QLatin1Char('x')) + QStringLiteral("…»")));
    QVERIFY(!message.contains(QString(25, QLatin1Char('x'))));
    // Characters beyond the basic plane are cut whole, never halved.
    QString smileys;
    for (int i = 0; i < 30; ++i)
        smileys += QString::fromUcs4(U"\U0001F600", 1);
    const QString cut = numbertext::refusal(label, smileys, en);
    QVERIFY(cut.contains(smileys.left(48) + QStringLiteral("…»")));
    // Markup typed into a box is quoted as it is.
    QVERIFY(numbertext::refusal(label, QStringLiteral("<b>%1</b>"), en)
                .contains(QStringLiteral("«<b>%1</b>»")));
}

void NumberTextTest::refusalQuote_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("quoted"); // empty: the message says the box is empty

    QTest::newRow("pasted column") << "1\n2" << "1 2";
    QTest::newRow("pasted table row") << "4\t\t3\r\n" << "4 3";
    QTest::newRow("control characters") << QString::fromUtf8("1\x01\x1b" "2") << "1 2";
    QTest::newRow("line and paragraph separators") << QString::fromUtf8("1\u20282\u20293") << "1 2 3";
    QTest::newRow("writing direction reversed") << QString::fromUtf8("\u202E12x") << "12x";
    QTest::newRow("direction isolates") << QString::fromUtf8("a\u2066b\u2069c") << "abc";
    QTest::newRow("only line breaks and tabs") << "\n\t\r\n" << "";
    QTest::newRow("line breaks before the cut count once")
        << QString(30, QLatin1Char('\n')) + QString(30, QLatin1Char('x'))
        << QString(24, QLatin1Char('x')) + QStringLiteral("…");
}

// What was typed is quoted on one line, in the message's own direction.
void NumberTextTest::refusalQuote()
{
    QFETCH(QString, typed);
    QFETCH(QString, quoted);
    const QString label = QStringLiteral("Число А=");
    const QString message = numbertext::refusal(label, typed, en);
    if (quoted.isEmpty())
        QCOMPARE(message, QStringLiteral("Поле «Число А=» пустое. Введите число, например: 2.5"));
    else
        QCOMPARE(message, QStringLiteral("В поле «Число А=» не число: «%1». Введите число, "
                                         "например: 2.5")
                              .arg(quoted));
}

QTEST_GUILESS_MAIN(NumberTextTest)
#include "tst_numbertext.moc"
