#include "numbertext.h"

#include <cmath>

namespace NumberText {

std::optional<double> read(const QString &text, const QLocale &locale)
{
    QString number = text.trimmed();
    if (number.isEmpty())
        return std::nullopt;

    // Many keyboards put a dot on the numeric keypad: accept it where it
    // cannot be mistaken for a group separator.
    const QString comma = QStringLiteral(",");
    const QString dot = QStringLiteral(".");
    if (locale.decimalPoint() == comma && locale.groupSeparator() != dot
        && !number.contains(comma))
        number.replace(dot, comma);

    // Group separators are refused: "1 2" is two numbers, and "1,5" must not
    // silently become 15 for someone used to a decimal comma.
    QLocale strict = locale;
    strict.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);

    bool ok = false;
    const double value = strict.toDouble(number, &ok);
    if (!ok || !std::isfinite(value)) // also "inf", "nan", "1e999"
        return std::nullopt;
    return value;
}

QString write(double value, const QLocale &locale)
{
    // Rounded to 15 digits, the largest doubles would go beyond the range
    // and their text could not be read back; they are written as the
    // largest 15-digit number that is still a double.
    const double largest15Digits = 1.79769313486231e308;
    if (std::isfinite(value) && std::abs(value) > largest15Digits)
        value = std::copysign(largest15Digits, value);

    QLocale plain = locale;
    plain.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    // Adding +0.0 turns -0.0 into 0.0 and leaves every other value alone.
    return plain.toString(value + 0.0, 'g', 15);
}

} // namespace NumberText
