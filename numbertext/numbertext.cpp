#include "numbertext.h"

#include <cmath>

namespace numbertext {

namespace {

std::optional<double> parseStrict(const QString &text, QLocale locale)
{
    // A group separator would make "1,5" in English the number 15, or two
    // numbers typed with a space one number: typed numbers have none.
    locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    // toDouble also takes spellings of infinity and not-a-number, and turns
    // a value beyond a double into infinity: none of those is a number here.
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<double> parse(const QString &text, const QLocale &locale)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    if (auto value = parseStrict(trimmed, locale))
        return value;

    const QString decimal = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    if (decimal == QLatin1String(",") && group != QLatin1String(".")
        && trimmed.contains(QLatin1Char('.'))) {
        QString withComma = trimmed;
        withComma.replace(QLatin1Char('.'), QLatin1Char(','));
        return parseStrict(withComma, locale);
    }
    return std::nullopt;
}

QString format(double value, const QLocale &locale)
{
    if (value == 0)
        value = 0; // no "-0"
    // The 15 digits of the largest doubles round up beyond the range, and
    // that text would be refused when read back: those are written as the
    // largest 15-digit number a double holds.
    constexpr double largest = 1.79769313486231e308;
    if (std::isfinite(value) && std::fabs(value) > largest)
        value = std::copysign(largest, value);
    QLocale plain = locale;
    plain.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return plain.toString(value, 'g', 15);
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
    return QStringLiteral("В поле «%1» не число: «%2». %3").arg(boxLabel, quoted, hint);
}

} // namespace numbertext
