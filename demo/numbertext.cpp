#include "numbertext.h"

#include <cmath>

namespace numbertext {

namespace {

std::optional<double> parseStrict(const QString &text, const QLocale &locale)
{
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
    QLocale plain = locale;
    plain.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return plain.toString(value, 'g', 15);
}

QString example(const QLocale &locale)
{
    return format(2.5, locale);
}

QString refusal(const QString &boxLabel, const QString &typed, const QLocale &locale)
{
    constexpr int kLongest = 24;
    const QString hint = QStringLiteral("Введите число, например: ") + example(locale);
    if (typed.trimmed().isEmpty())
        return QStringLiteral("Поле «%1» пустое. %2").arg(boxLabel, hint);
    QString quoted = typed;
    if (quoted.size() > kLongest)
        quoted = quoted.left(kLongest) + QStringLiteral("…");
    return QStringLiteral("В поле «%1» не число: «%2». %3").arg(boxLabel, quoted, hint);
}

} // namespace numbertext
