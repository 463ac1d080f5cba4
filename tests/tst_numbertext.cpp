// Number text both ways in the user's regional settings, the one-line
// quote of typed text and the warning that refuses a box.

#include "numberbox.h"

#include <QtTest>

#include <limits>

using numbertext::Fault;
Q_DECLARE_METATYPE(QLocale)
Q_DECLARE_METATYPE(Fault)

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
    void oneLine_data();
    void oneLine();
    void refusal_data();
    void refusal();
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
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<double>("value");

    // Accepted
    QTest::newRow("ru fraction") << ru << "0,5" << Fault::None << 0.5;
    QTest::newRow("ru negative") << ru << "-2" << Fault::None << -2.0;
    QTest::newRow("ru dot as decimal") << ru << "0.5" << Fault::None << 0.5;
    QTest::newRow("ru spaces around") << ru << "  -1,25 " << Fault::None << -1.25;
    QTest::newRow("ru leading zero") << ru << "03" << Fault::None << 3.0;
    QTest::newRow("en fraction") << en << "2.5" << Fault::None << 2.5;
    QTest::newRow("en spaces") << en << " 7 " << Fault::None << 7.0;
    QTest::newRow("c fraction") << c << "-0.125" << Fault::None << -0.125;
    QTest::newRow("exponent") << en << "1e3" << Fault::None << 1000.0;
    QTest::newRow("largest double") << c << "1.7976931348623157e308" << Fault::None
                                    << std::numeric_limits<double>::max();
    QTest::newRow("subnormal") << en << "1e-310" << Fault::None << 1e-310;
    // A dot is a group separator in German, not a decimal separator.
    QTest::newRow("de comma") << de << "0,5" << Fault::None << 0.5;
    // Group separators between groups of three digits, as a spreadsheet
    // copies them; in Russian any of the spaces that stand for one.
    QTest::newRow("en grouped") << en << "1,000" << Fault::None << 1000.0;
    QTest::newRow("en grouped fraction") << en << "-12,345,678.5" << Fault::None << -12345678.5;
    QTest::newRow("ru no-break space") << ru << "1\u00a0234" << Fault::None << 1234.0;
    QTest::newRow("ru narrow no-break space") << ru << "1\u202f000,5" << Fault::None << 1000.5;
    QTest::newRow("ru plain spaces") << ru << "1 000 000" << Fault::None << 1e6;
    QTest::newRow("ru grouped, dot decimal") << ru << "1 000.25" << Fault::None << 1000.25;
    QTest::newRow("de grouped") << de << "1.234,5" << Fault::None << 1234.5;
    // Spaces group a number in any locale, as a spreadsheet copies it.
    QTest::newRow("c spaces") << c << "1 000 000.5" << Fault::None << 1000000.5;
    QTest::newRow("c narrow no-break space") << c << "-12\u202f345" << Fault::None << -12345.0;
    QTest::newRow("en no-break space") << en << "1\u00a0000" << Fault::None << 1000.0;
    QTest::newRow("de spaces") << de << "1 000 000,5" << Fault::None << 1000000.5;
    QTest::newRow("de no-break space") << de << "12\u00a0345" << Fault::None << 12345.0;
    QTest::newRow("ru spaces of each kind") << ru << "1 000\u00a0000\u202f000" << Fault::None
                                            << 1e9;
    QTest::newRow("ru zero, no group") << ru << "0,123" << Fault::None << 0.123;

    // Refused
    QTest::newRow("empty") << ru << "" << Fault::Empty << 0.0;
    QTest::newRow("spaces only") << ru << "   " << Fault::Empty << 0.0;
    QTest::newRow("controls only") << ru << "\n\t\u202e" << Fault::Empty << 0.0;
    QTest::newRow("letters") << ru << "abc" << Fault::NotANumber << 0.0;
    QTest::newRow("number and letters") << en << "12abc" << Fault::NotANumber << 0.0;
    QTest::newRow("two numbers") << en << "1 2" << Fault::NotANumber << 0.0;
    QTest::newRow("two numbers ru") << ru << "1,5 2" << Fault::NotANumber << 0.0;
    QTest::newRow("inf") << en << "inf" << Fault::NotANumber << 0.0;
    QTest::newRow("-inf") << en << "-inf" << Fault::NotANumber << 0.0;
    QTest::newRow("nan") << en << "nan" << Fault::NotANumber << 0.0;
    QTest::newRow("infinity sign") << en << "\u221e" << Fault::NotANumber << 0.0;
    QTest::newRow("hex") << en << "0x10" << Fault::NotANumber << 0.0;
    QTest::newRow("NaN ru") << ru << "NaN" << Fault::NotANumber << 0.0;
    QTest::newRow("beyond a double") << en << "1e999" << Fault::TooLarge << 0.0;
    QTest::newRow("beyond a double, negative") << ru << "-1e400" << Fault::TooLarge << 0.0;
    QTest::newRow("below the smallest double") << en << "1e-400" << Fault::TooCloseToZero << 0.0;
    QTest::newRow("exponent of letters") << en << "1e-x" << Fault::NotANumber << 0.0;
    QTest::newRow("ru both separators") << ru << "1.234,5" << Fault::NotANumber << 0.0;
    QTest::newRow("de dot is not a decimal") << de << "0.5" << Fault::NotANumber << 0.0;
    QTest::newRow("en comma is no decimal") << en << "1,5" << Fault::NotANumber << 0.0;
    QTest::newRow("c comma is no decimal") << c << "2,5" << Fault::NotANumber << 0.0;
    // Misplaced group separators.
    QTest::newRow("ru group of two") << ru << "1 00" << Fault::NotANumber << 0.0;
    QTest::newRow("ru group of two, fraction") << ru << "10 00,5" << Fault::NotANumber << 0.0;
    QTest::newRow("ru four before") << ru << "1000 000" << Fault::NotANumber << 0.0;
    QTest::newRow("ru in the fraction") << ru << "0,123 456" << Fault::NotANumber << 0.0;
    QTest::newRow("en group of four") << en << "1,0000" << Fault::NotANumber << 0.0;
    QTest::newRow("en leading separator") << en << ",100" << Fault::NotANumber << 0.0;
    QTest::newRow("en doubled separator") << en << "1,,000" << Fault::NotANumber << 0.0;
    QTest::newRow("c group of two") << c << "10 00" << Fault::NotANumber << 0.0;
    QTest::newRow("de group of two") << de << "10 00,5" << Fault::NotANumber << 0.0;
    QTest::newRow("c two spaces") << c << "1  000" << Fault::NotANumber << 0.0;
    QTest::newRow("c spaces in the fraction") << c << "0.123 456" << Fault::NotANumber << 0.0;
    QTest::newRow("two numbers c") << c << "1 2" << Fault::NotANumber << 0.0;
    // Spaces and the locale's own separator are not mixed in one number.
    QTest::newRow("c Russian decimal grouped") << c << "1 000 000,5" << Fault::NotANumber << 0.0;
    QTest::newRow("de dot, then space") << de << "1.000 000" << Fault::NotANumber << 0.0;
    QTest::newRow("de space, then dot fraction") << de << "1 000.5" << Fault::NotANumber << 0.0;
    // A first group that starts with 0 is misplaced: "0,123" in C is a
    // Russian decimal, not 123.
    QTest::newRow("c zero, comma") << c << "0,123" << Fault::NotANumber << 0.0;
    QTest::newRow("c negative zero, comma") << c << "-0,123" << Fault::NotANumber << 0.0;
    QTest::newRow("c zero, space") << c << "0 123" << Fault::NotANumber << 0.0;
    QTest::newRow("ru zero, space") << ru << "0 123" << Fault::NotANumber << 0.0;
    QTest::newRow("ru zeros, space") << ru << "00 123" << Fault::NotANumber << 0.0;
    QTest::newRow("ru zero first, no-break space") << ru << "012\u00a0345" << Fault::NotANumber
                                                   << 0.0;
    QTest::newRow("de zero, dot") << de << "0.123" << Fault::NotANumber << 0.0;
    QTest::newRow("de zero, space") << de << "0 123,5" << Fault::NotANumber << 0.0;
}

void NumberTextTest::parse()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(Fault, fault);
    QFETCH(double, value);
    const numbertext::Reading got = numbertext::read(text, locale);
    QCOMPARE(got.fault, fault);
    QCOMPARE(got.number.has_value(), fault == Fault::None);
    if (got.number)
        QCOMPARE(*got.number, value);
    QCOMPARE(numbertext::parse(text, locale), got.number);
}

void NumberTextTest::format_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("ru whole") << ru << 5.0 << "5";
    QTest::newRow("ru fraction") << ru << 0.5 << "0,5";
    QTest::newRow("ru negative fraction") << ru << -1.5 << "-1,5";
    QTest::newRow("ru no group separator") << ru << 1234567.5 << "1234567,5";
    QTest::newRow("en no group separator") << en << 1234567.0 << "1234567";
    QTest::newRow("en fraction") << en << 0.5 << "0.5";
    QTest::newRow("c whole") << c << -2.0 << "-2";
    QTest::newRow("c no group separator") << c << 12345.0 << "12345";
    QTest::newRow("negative zero") << en << -0.0 << "0";
    // The shortest text that reads back as the very same double.
    QTest::newRow("sum of tenths") << en << 0.1 + 0.2 << "0.30000000000000004";
    QTest::newRow("16 digits") << en << 0.1234567890123456 << "0.1234567890123456";
    QTest::newRow("just above one") << ru << 1.0000000000000002 << "1,0000000000000002";
    QTest::newRow("third") << ru << 1.0 / 3 << "0,3333333333333333";
    QTest::newRow("16 whole digits") << c << 1234567890123456.0 << "1234567890123456";
    QTest::newRow("20 typed digits") << en << 12345678901234567890.0 << "1.2345678901234567E+19";
    QTest::newRow("large") << en << 1e20 << "1E+20";
    QTest::newRow("1e15") << c << 1e15 << "1e+15";
    QTest::newRow("ten thousandth in full") << ru << 0.0001 << "0,0001";
    QTest::newRow("below it, exponent") << c << 0.00001 << "1e-05";
    QTest::newRow("largest double") << en << std::numeric_limits<double>::max()
                                    << "1.7976931348623157E+308";
    QTest::newRow("ru lowest double") << ru << std::numeric_limits<double>::lowest()
                                      << "-1,7976931348623157E+308";
    QTest::newRow("smallest subnormal") << de << std::numeric_limits<double>::denorm_min()
                                        << "5E-324";
}

void NumberTextTest::format()
{
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(numbertext::format(value, locale), text);
    // What is written reads back as the same double.
    const std::optional<double> back = numbertext::parse(text, locale);
    QVERIFY(back.has_value());
    QCOMPARE(*back, value);
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

void NumberTextTest::oneLine_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("quoted");

    QTest::newRow("pasted column") << "1\n2" << "1 2";
    QTest::newRow("pasted table row") << "4\t\t3\r\n" << "4  3";
    QTest::newRow("control characters") << QString::fromUtf8("1\x01\x1b" "2") << "1  2";
    // Typed spaces are quoted as they are: "1  000" is no grouped number.
    QTest::newRow("two spaces") << "1  000" << "1  000";
    QTest::newRow("no-break spaces") << "1\u00a0\u202f000" << "1\u00a0\u202f000";
    QTest::newRow("Windows line break") << "1\r\n2" << "1 2";
    // What the reading ignores around a number is left out.
    QTest::newRow("spaces around") << " \t 1 0 \r\n" << "1 0";
    QTest::newRow("line and paragraph separators") << QString::fromUtf8("1\u20282\u20293") << "1 2 3";
    QTest::newRow("writing direction reversed") << QString::fromUtf8("\u202E12x") << "12x";
    QTest::newRow("direction isolates") << QString::fromUtf8("a\u2066b\u2069c") << "abc";
    QTest::newRow("only line breaks and tabs") << "\n\t\r\n" << "";
    QTest::newRow("24 characters, whole") << QString(24, QLatin1Char('x'))
                                          << QString(24, QLatin1Char('x'));
    QTest::newRow("40 characters, cut") << QString(40, QLatin1Char('x'))
                                        << QString(24, QLatin1Char('x')) + QStringLiteral("…");
    QTest::newRow("line breaks before are left out")
        << QString(30, QLatin1Char('\n')) + QString(30, QLatin1Char('x'))
        << QString(24, QLatin1Char('x')) + QStringLiteral("…");
    // Characters beyond the basic plane are cut whole, never halved.
    const QString smiley = QString::fromUcs4(U"\U0001F600", 1);
    QTest::newRow("cut between whole characters")
        << smiley.repeated(30) << smiley.repeated(24) + QStringLiteral("…");
}

// What was typed is quoted on one line, in the message's own direction.
void NumberTextTest::oneLine()
{
    QFETCH(QString, typed);
    QFETCH(QString, quoted);
    QCOMPARE(numbertext::oneLine(typed), quoted);
}

void NumberTextTest::refusal_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");

    QTest::newRow("ru letters")
        << ru << "abc" << "В поле «Число В=» не число: «abc». Введите число, например: 2,5";
    QTest::newRow("en empty") << en << "" << "Поле «Число В=» пустое. Введите число, например: 2.5";
    QTest::newRow("ru only line breaks")
        << ru << "\n\t" << "Поле «Число В=» пустое. Введите число, например: 2,5";
    QTest::newRow("en quoted on one line, cut")
        << en << "\n" + QString(30, QLatin1Char('9')) + "x"
        << "В поле «Число В=» не число: «" + QString(24, QLatin1Char('9'))
               + "…». Введите число, например: 2.5";
    QTest::newRow("beyond a double")
        << ru << " -1.5e400" << "В поле «Число В=» слишком большое число: «-1.5e400». Введите "
                                "число, например: 2,5";
    QTest::newRow("closer to zero than a double")
        << en << "1e-400" << "В поле «Число В=» число слишком близко к нулю: «1e-400». "
                             "Введите число, например: 2.5";
    QTest::newRow("two spaces quoted as typed")
        << ru << "1  000" << "В поле «Число В=» не число: «1  000». Введите число, например: 2,5";
    // Markup and place markers typed into a box are quoted as they are.
    QTest::newRow("markup and place markers")
        << en << "<b>%1</b>%3" << "В поле «Число В=» не число: «<b>%1</b>%3». Введите число, "
                                  "например: 2.5";
}

void NumberTextTest::refusal()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QCOMPARE(numberbox::refusal(QStringLiteral("Число В="), numbertext::read(typed, locale), locale),
             message);
}

QTEST_GUILESS_MAIN(NumberTextTest)
#include "tst_numbertext.moc"
