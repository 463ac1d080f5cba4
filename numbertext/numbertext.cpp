#include "numbertext.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace numbertext {

namespace {

// How a text reads as a number: the number, or why there is none.
struct Reading
{
    std::optional<double> value;
    // A number whose size a double can't hold: 1 beyond the largest, -1
    // closer to zero than the smallest; 0 when the text is no number at all.
    int outOfRange = 0;
};

Reading readStrict(const QString &text, QLocale locale)
{
    // A group separator would make "1,5" in English the number 15, or two
    // numbers typed with a space one number: typed numbers have none.
    locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    // toDouble also takes spellings of infinity and not-a-number: those are
    // no numbers here.
    if (ok)
        return {std::isfinite(value) ? std::optional<double>(value) : std::nullopt, 0};
    // A number beyond a double's range is refused with infinity; one too
    // close to zero with zero, as is text that is no number. The latter is
    // told by its mantissa: a number on its own before the exponent.
    if (std::isinf(value))
        return {std::nullopt, 1};
    const QString exponent = locale.exponential();
    const qsizetype at = text.lastIndexOf(exponent, -1, Qt::CaseInsensitive);
    if (at > 0) {
        bool mantissaOk = false;
        const double mantissa = locale.toDouble(text.left(at), &mantissaOk);
        const QString power = text.mid(at + exponent.size());
        static const QRegularExpression whole(QStringLiteral("\\A[+-]?[0-9]+\\z"));
        if (mantissaOk && mantissa != 0 && std::isfinite(mantissa) && whole.match(power).hasMatch())
            return {std::nullopt, power.startsWith(QLatin1Char('-')) ? -1 : 1};
    }
    return {};
}

Reading read(const QString &text, const QLocale &locale)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {};
    Reading reading = readStrict(trimmed, locale);
    if (reading.value || reading.outOfRange)
        return reading;

    const QString decimal = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    if (decimal == QLatin1String(",") && group != QLatin1String(".")
        && trimmed.contains(QLatin1Char('.'))) {
        QString withComma = trimmed;
        withComma.replace(QLatin1Char('.'), QLatin1Char(','));
        return readStrict(withComma, locale);
    }
    return reading;
}

} // namespace

std::optional<double> parse(const QString &text, const QLocale &locale)
{
    return read(text, locale).value;
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
    QString line;
    line.reserve(typed.size());
    bool gap = false;
    for (const QChar c : typed) {
        const ushort u = c.unicode();
        if ((u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069))
            continue;
        const QChar::Category cat = c.category();
        if (c.isSpace() || cat == QChar::Other_Control || cat == QChar::Separator_Line
            || cat == QChar::Separator_Paragraph) {
            gap = true;
            continue;
        }
        if (gap && !line.isEmpty())
            line += QLatin1Char(' ');
        gap = false;
        line += c;
    }
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

QString refusal(const QString &boxLabel, const QString &typed, const QLocale &locale)
{
    // One arg() call with several arguments, so that a "%1" typed by the
    // user is quoted as it is.
    const QString hint = QStringLiteral("Введите число, например: ") + example(locale);
    const QString quoted = oneLine(typed);
    if (quoted.isEmpty())
        return QStringLiteral("Поле «%1» пустое. %2").arg(boxLabel, hint);
    switch (read(typed, locale).outOfRange) {
    case 1:
        return QStringLiteral("В поле «%1» слишком большое число: «%2». %3")
            .arg(boxLabel, quoted, hint);
    case -1:
        return QStringLiteral("В поле «%1» число слишком близко к нулю: «%2». %3")
            .arg(boxLabel, quoted, hint);
    default:
        return QStringLiteral("В поле «%1» не число: «%2». %3").arg(boxLabel, quoted, hint);
    }
}

} // namespace numbertext
