// Fuzz target of the number text both programs share: each input is read
// as typed text and as numbers in the four locales the programs are used and
// tested in, and any fault aborts with the text and locale at fault.

#include "numberbox.h"

#include <QChar>
#include <QLocale>
#include <QString>

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

// The whole part of a number's text with the locale's group separator
// between groups of three digits.
QString groupedInThrees(const QString &text, const QLocale &locale)
{
    qsizetype begin = 0;
    while (begin < text.size() && !text[begin].isDigit())
        ++begin;
    qsizetype end = begin;
    while (end < text.size() && text[end].isDigit())
        ++end;
    QString grouped = text;
    for (qsizetype at = end - 3; at > begin; at -= 3)
        grouped.insert(at, locale.groupSeparator());
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
    // Grouped in threes as a spreadsheet writes it, it is the same number.
    const QString grouped = groupedInThrees(text, locale);
    if (grouped != text && numbertext::parse(grouped, locale) != value)
        fail("the number grouped in threes reads as another number or none", grouped, locale);
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
