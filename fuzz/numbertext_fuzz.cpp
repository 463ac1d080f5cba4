// Fuzz target of the number text both programs share: each input is read
// as typed text and as numbers in the four locales the programs are used and
// tested in, and any fault aborts with the text and locale at fault.

#include "numberbox.h"

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
#include <iterator>

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

// The spaces a number may be grouped with in any of the locales.
const QChar groupingSpaces[] = {QChar(0x0020), QChar(0x00A0), QChar(0x202F)};

bool isGroupSeparator(QChar c, const QLocale &locale)
{
    return QString(c) == locale.groupSeparator()
           || std::find(std::begin(groupingSpaces), std::end(groupingSpaces), c)
                  != std::end(groupingSpaces);
}

// The whole part of a number's text with `separator` between groups of
// three digits; with `zero`, a 0 before its first digit.
QString groupedInThrees(const QString &text, const QString &separator, bool zero = false)
{
    qsizetype begin = 0;
    while (begin < text.size() && !text[begin].isDigit())
        ++begin;
    qsizetype end = begin;
    while (end < text.size() && text[end].isDigit())
        ++end;
    QString grouped = text;
    for (qsizetype at = end - 3; at > begin; at -= 3)
        grouped.insert(at, separator);
    if (zero)
        grouped.insert(begin, QLatin1Char('0'));
    return grouped;
}

// The text of a number reads back as that number and is its own text.
void checkNumber(double value, const QLocale &locale)
{
    const QString text = numbertext::format(value, locale);
    if (text.contains(locale.groupSeparator()))
        fail("a number is written with a group separator", text, locale);
    if (value == 0 && text != QLatin1String("0"))
        fail("zero is not written \"0\"", text, locale);
    const std::optional<double> back = numbertext::parse(text, locale);
    if (!back)
        fail("the text of a number is refused", text, locale);
    if (*back != value)
        fail("the text of a number reads back as another number", text, locale);
    if (numbertext::format(*back, locale) != text)
        fail("the text of a number reads back as a number with another text", text, locale);
    // Grouped in threes as a spreadsheet writes it, with the locale's group
    // separator or a space, it is the same number; after a 0 it is none.
    QStringList separators{locale.groupSeparator()};
    for (const QChar space : groupingSpaces)
        separators << QString(space);
    for (const QString &separator : separators) {
        const QString grouped = groupedInThrees(text, separator);
        if (grouped == text)
            break;
        if (numbertext::parse(grouped, locale) != value)
            fail("the number grouped in threes reads as another number or none", grouped, locale);
        const QString zero = groupedInThrees(text, separator, true);
        if (numbertext::parse(zero, locale))
            fail("a group separator after a leading 0 is taken", zero, locale);
    }
}

// A character no quote holds: a line break, a control or a character that
// reverses or embeds the writing direction. Spaces are quoted as typed.
bool neverQuoted(QChar ch)
{
    const ushort u = ch.unicode();
    return (ch.isSpace() && ch.category() != QChar::Separator_Space)
           || ch.category() == QChar::Other_Control || (u >= 0x202A && u <= 0x202E)
           || (u >= 0x2066 && u <= 0x2069);
}

// Refused text is quoted on one line, at most 24 characters and "…", as
// typed where it can be, and the message gives an example of a number.
void checkRefusal(const QString &text, const QLocale &locale)
{
    const QString quoted = numbertext::oneLine(text);
    if (std::any_of(quoted.begin(), quoted.end(), neverQuoted))
        fail("the quote holds a line break, a control or a direction character", text, locale);
    if (quoted.toUcs4().size() > 25)
        fail("the quote is longer than 24 characters and \"…\"", text, locale);
    // Without such characters, the text is quoted as typed, each of its
    // spaces included ("1  000" is no "1 000"), but for those around it.
    const QString typed = text.trimmed();
    if (std::none_of(typed.begin(), typed.end(), neverQuoted) && typed.toUcs4().size() <= 24
        && quoted != typed)
        fail("the quote is not the text as typed", text, locale);
    const QString message =
        numberbox::refusal(QStringLiteral("Число А="), numbertext::read(text, locale), locale);
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
    // A first group that starts with 0 is refused: "0,123" is no 123.
    const QString typed = text.trimmed();
    qsizetype at = !typed.isEmpty() && !typed[0].isDigit() ? 1 : 0; // after a sign
    if (at < typed.size() && typed[at] == QLatin1Char('0')) {
        while (at < typed.size() && typed[at].isDigit())
            ++at;
        if (at + 1 < typed.size() && isGroupSeparator(typed[at], locale) && typed[at + 1].isDigit())
            fail("a group separator after a leading 0 is taken", text, locale);
    }
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
