// Fuzz target of the number text both programs share: each input is read
// as typed text and as numbers in the four locales the programs are used and
// tested in, and any fault aborts with the text and locale at fault.

#include "numbertext.h"

#include <QChar>
#include <QLocale>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const QLocale locales[] = {
    QLocale(QLocale::Russian, QLocale::Russia),
    QLocale(QLocale::English, QLocale::UnitedStates),
    QLocale(QLocale::German, QLocale::Germany),
    QLocale::c(),
};

// The most a box takes (QLineEdit's maximum length).
constexpr int kLongestText = 32767;
// An input that starts with this byte also stands for the rest of it
// repeated to the longest text, so that long texts are fuzzed too.
constexpr std::uint8_t kRepeatMarker = 0xff;
// At most this many numbers are taken from an input's bytes.
constexpr std::size_t kMostNumbers = 4;

// The largest number of 15 significant digits that a double holds: the 15
// digits of the doubles above it round up beyond the range, so they are
// written as this number.
constexpr double kLargest15Digits = 1.79769313486231e308;

// Reports a broken rule about `text` in `locale` and aborts.
[[noreturn]] void fail(const char *rule, const QString &text, const QLocale &locale)
{
    QString codes;
    for (const QChar ch : text.left(80))
        codes += QString::number(ch.unicode(), 16) + QLatin1Char(' ');
    std::fprintf(stderr, "\n*** %s\n    locale %s, text (%lld chars) \"%s\"\n    UTF-16: %s\n", rule,
                 qPrintable(locale.name()), static_cast<long long>(text.size()),
                 text.left(80).toUtf8().constData(), codes.toLatin1().constData());
    std::abort();
}

// The distance between doubles at `value`'s magnitude.
long double doubleSpacing(double value)
{
    const int exponent = value == 0 ? -1022 : std::max(std::ilogb(value), -1022);
    return std::ldexp(1.0L, exponent - 52);
}

// Whether `back`, read from the text of `value`, is `value` to 15
// significant digits: within half a unit of the 15th digit, plus the
// rounding of that decimal text to the nearest double.
bool sameTo15Digits(double value, double back)
{
    if (std::fabs(value) > kLargest15Digits)
        return back == std::copysign(kLargest15Digits, value);
    if (value == 0)
        return back == 0;
    char digits[40];
    std::snprintf(digits, sizeof digits, "%.14e", value); // exponent after rounding
    const int exponent = std::atoi(std::strchr(digits, 'e') + 1);
    const long double unit = std::pow(10.0L, exponent - 14);
    const long double tolerance =
        unit / 2 + std::max(doubleSpacing(value), doubleSpacing(back)) / 2;
    return std::fabs(static_cast<long double>(back) - value) <= tolerance;
}

// Significant digits of a written number: those of its mantissa after any
// leading zeros.
int significantDigits(const QString &text)
{
    int count = 0;
    for (const QChar c : text) {
        if (c == QLatin1Char('e') || c == QLatin1Char('E'))
            break;
        if (c.isDigit() && (count > 0 || c != QLatin1Char('0')))
            ++count;
    }
    return count;
}

// The text of a number reads back as that number and is its own text.
void checkNumber(double value, const QLocale &locale)
{
    const QString text = numbertext::format(value, locale);
    if (significantDigits(text) > 15)
        fail("a number is written with more than 15 significant digits", text, locale);
    if (text.contains(locale.groupSeparator()))
        fail("a number is written with a group separator", text, locale);
    if (value == 0 && text != QLatin1String("0"))
        fail("zero is not written \"0\"", text, locale);
    const std::optional<double> back = numbertext::parse(text, locale);
    if (!back)
        fail("the text of a number is refused", text, locale);
    if (!sameTo15Digits(value, *back))
        fail("the text of a number reads back as another number", text, locale);
    if (numbertext::format(*back, locale) != text)
        fail("the text of a number reads back as a number with another text", text, locale);
}

// Refused text is quoted on one line, at most 24 characters and "…", and
// the message gives an example of a number.
void checkRefusal(const QString &text, const QLocale &locale)
{
    const QString quoted = numbertext::oneLine(text);
    for (const QChar ch : quoted) {
        const ushort u = ch.unicode();
        if ((ch.isSpace() && ch != QLatin1Char(' ')) || ch.category() == QChar::Other_Control
            || (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069))
            fail("the quote holds a line break, a control or a direction character", text, locale);
    }
    if (quoted.toUcs4().size() > 25)
        fail("the quote is longer than 24 characters and \"…\"", text, locale);
    const QString message = numbertext::refusal(QStringLiteral("Число А="), text, locale);
    if (!message.contains(numbertext::example(locale)))
        fail("the refusal message gives no example", text, locale);
}

// Typed text is either refused or one finite number whose text reads back.
void checkText(const QString &text, const QLocale &locale)
{
    const std::optional<double> value = numbertext::parse(text, locale);
    if (!value) {
        checkRefusal(text, locale);
        return;
    }
    if (!std::isfinite(*value))
        fail("accepted text gives a number that is not finite", text, locale);
    const QString number = text.trimmed();
    if (number.contains(locale.groupSeparator()))
        fail("accepted text holds a group separator", text, locale);
    for (const QChar ch : number)
        if (ch.isSpace())
            fail("accepted text holds a space inside", text, locale);
    checkNumber(*value, locale);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto *chars = reinterpret_cast<const char *>(data);
    const qsizetype length = static_cast<qsizetype>(size);

    // The bytes as UTF-8 (malformed sequences become U+FFFD) and as UTF-16,
    // which keeps lone surrogates and NULs.
    QString texts[3];
    texts[0] = QString::fromUtf8(chars, length);
    texts[1] = QString(length / 2, Qt::Uninitialized);
    std::memcpy(texts[1].data(), data, static_cast<std::size_t>(length / 2) * 2);
    if (size > 1 && data[0] == kRepeatMarker) {
        const QString unit = QString::fromUtf8(chars + 1, length - 1);
        texts[2] = unit.repeated(kLongestText / unit.size());
    }

    for (const QLocale &locale : locales) {
        for (const QString &text : texts)
            if (!text.isNull())
                checkText(text, locale);

        // Numbers straight from the bytes, any finite double at all.
        for (std::size_t i = 0; i < kMostNumbers && (i + 1) * 8 <= size; ++i) {
            double value;
            std::memcpy(&value, data + i * 8, sizeof value);
            if (std::isfinite(value))
                checkNumber(value, locale);
        }
    }
    return 0;
}
