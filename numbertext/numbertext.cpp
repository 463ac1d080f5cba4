#include "numbertext.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace numbertext {

namespace {

// How a text without group separators reads as a number: the number, or
// why there is none.
struct Strict
{
    std::optional<double> value;
    Fault fault = Fault::NotANumber;
};

Strict readStrict(const QString &text, QLocale locale)
{
    // Group separators that stand right were taken out before: one left
    // here would make "1,5" in English the number 15, or two numbers typed
    // with a space one number.
    locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    // toDouble also takes spellings of infinity and not-a-number: those are
    // no numbers here.
    if (ok)
        return std::isfinite(value) ? Strict{value, Fault::None} : Strict{};
    // A number beyond a double's range is refused with infinity; one too
    // close to zero with zero, as is text that is no number. The latter is
    // told by its mantissa: a number on its own before the exponent.
    if (std::isinf(value))
        return {std::nullopt, Fault::TooLarge};
    const QString exponent = locale.exponential();
    const qsizetype at = text.lastIndexOf(exponent, -1, Qt::CaseInsensitive);
    if (at > 0) {
        bool mantissaOk = false;
        const double mantissa = locale.toDouble(text.left(at), &mantissaOk);
        const QString power = text.mid(at + exponent.size());
        static const QRegularExpression whole(QStringLiteral("\\A[+-]?[0-9]+\\z"));
        if (mantissaOk && mantissa != 0 && std::isfinite(mantissa) && whole.match(power).hasMatch())
            return {std::nullopt, power.startsWith(QLatin1Char('-')) ? Fault::TooCloseToZero
                                                                     : Fault::TooLarge};
    }
    return {};
}

// The spaces a number is grouped with: plain, no-break, narrow no-break.
bool isGroupingSpace(QChar c)
{
    return c == QChar(0x0020) || c == QChar(0x00A0) || c == QChar(0x202F);
}

// The text without its group separators where they stand between groups of
// three digits of the whole part ("1 000 000,5", "1,000" in English);
// otherwise the text as it is, which the strict reading then refuses.
//
// A number is grouped with the locale's group separator or with spaces, in
// any locale whose decimal separator is not a space, but not with both:
// "1 000,000" in English is refused. The three spaces look alike, so they
// count as one separator; where the locale groups with a space, its own is
// one of them. A first group that starts with 0 is no group: "0,123" in
// English is a Russian decimal typed by mistake, not 123.
QString ungrouped(const QString &text, const QLocale &locale)
{
    const QString group = locale.groupSeparator();
    const QString decimal = locale.decimalPoint();
    const bool spaces = !(decimal.size() == 1 && isGroupingSpace(decimal.front()));
    const QChar own = group.size() == 1 && !isGroupingSpace(group.front()) ? group.front() : QChar();
    enum Kind { NoSeparator, Own, Space };
    const auto kindOf = [&](QChar c) {
        if (!own.isNull() && c == own)
            return Own;
        return spaces && isGroupingSpace(c) ? Space : NoSeparator;
    };

    QString number;
    qsizetype i = 0;
    const QChar first = text.front();
    if (first == QLatin1Char('-') || first == QLatin1Char('+')
        || QString(first) == locale.negativeSign() || QString(first) == locale.positiveSign())
        number += text[i++];
    // One to three digits before the first separator, not starting with 0;
    // three after each separator, all of one kind.
    int digits = 0, separators = 0;
    Kind kind = NoSeparator;
    bool leadingZero = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            if (separators == 0 && digits == 0)
                leadingZero = c == QLatin1Char('0');
            number += c;
            ++digits;
        } else if (const Kind k = kindOf(c); k != NoSeparator) {
            if (separators == 0 ? digits == 0 || digits > 3 || leadingZero
                                : digits != 3 || k != kind)
                return text;
            kind = k;
            ++separators;
            digits = 0;
        } else {
            break;
        }
    }
    if (separators == 0 || digits != 3)
        return text;
    const QString rest = text.mid(i);
    if (std::any_of(rest.begin(), rest.end(), [&](QChar c) { return kindOf(c) != NoSeparator; }))
        return text;
    return number + rest;
}

} // namespace

Reading read(const QString &text, const QLocale &locale)
{
    const QString quoted = oneLine(text);
    if (quoted.isEmpty())
        return {std::nullopt, Fault::Empty, quoted};
    const QString number = ungrouped(text.trimmed(), locale);
    Strict strict = readStrict(number, locale);
    if (strict.fault == Fault::NotANumber && locale.decimalPoint() == QLatin1String(",")
        && locale.groupSeparator() != QLatin1String(".") && number.contains(QLatin1Char('.'))) {
        QString withComma = number;
        withComma.replace(QLatin1Char('.'), QLatin1Char(','));
        strict = readStrict(withComma, locale);
    }
    if (strict.value)
        return {strict.value, Fault::None, QString()};
    return {std::nullopt, strict.fault, quoted};
}

std::optional<double> parse(const QString &text, const QLocale &locale)
{
    return read(text, locale).number;
}

QString format(double value, const QLocale &locale)
{
    if (value == 0)
        value = 0; // no "-0"
    QLocale plain = locale;
    plain.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    // The shortest digits that read back as this very double. They are
    // written the usual way: in full from 0.0001 up to where there are more
    // than 15 digits before the separator and some of them are not
    // significant; with an exponent beyond.
    const QString scientific = QLocale::c().toString(value, 'e', QLocale::FloatingPointShortest);
    const qsizetype e = scientific.indexOf(QLatin1Char('e'));
    const int power = e < 0 ? 0 : scientific.mid(e + 1).toInt();
    int digits = 0;
    for (qsizetype i = 0; i < (e < 0 ? scientific.size() : e); ++i)
        digits += scientific.at(i).isDigit();
    const bool exponent = power < -4 || power >= std::max(15, digits);
    return plain.toString(value, exponent ? 'e' : 'f', QLocale::FloatingPointShortest);
}

QString oneLine(const QString &typed)
{
    // Spaces and controls before the first character that shows and after
    // the last are left out: the reading ignores spaces and line breaks
    // around a number, so they are never why a text is refused, and in
    // front they would push what was typed out of the quote.
    QString line;
    line.reserve(typed.size());
    qsizetype shown = 0; // the line up to its last character that shows
    for (qsizetype i = 0; i < typed.size(); ++i) {
        const QChar c = typed[i];
        const ushort u = c.unicode();
        if ((u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069))
            continue;
        const QChar::Category cat = c.category();
        if (cat == QChar::Separator_Space) {
            if (!line.isEmpty())
                line += c; // typed spaces as they are, each of them
        } else if (c.isSpace() || cat == QChar::Other_Control || cat == QChar::Separator_Line
                   || cat == QChar::Separator_Paragraph) {
            const bool windowsLineBreak = c == QLatin1Char('\r') && i + 1 < typed.size()
                                          && typed[i + 1] == QLatin1Char('\n');
            if (!line.isEmpty() && !windowsLineBreak)
                line += QLatin1Char(' ');
        } else {
            line += c;
            shown = line.size();
        }
    }
    line.truncate(shown);
    // Cut after whole characters, never inside a surrogate pair.
    constexpr qsizetype kLongest = 24;
    const QList<uint> chars = line.toUcs4();
    if (chars.size() <= kLongest)
        return line;
    return QString::fromUcs4(reinterpret_cast<const char32_t *>(chars.constData()), kLongest)
           + QStringLiteral("…");
}

QString example(const QLocale &locale)
{
    return format(2.5, locale);
}

} // namespace numbertext
