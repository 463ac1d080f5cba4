#ifndef BRIVON_NUMBERTEXT_H
#define BRIVON_NUMBERTEXT_H

#include <QLocale>
#include <QString>

#include <optional>

// Numbers as the user types and reads them, in the user's regional format.
namespace NumberText {

// The number in `text`, or nothing when the text is not exactly one finite
// number. Spaces around the number are ignored; group separators are not
// accepted. Where the decimal separator is a comma (and the group separator
// is not a dot), a dot is taken as the decimal separator as well.
std::optional<double> read(const QString &text, const QLocale &locale = QLocale());

// `value` as text: a whole number without a decimal separator, a fraction
// with the locale's decimal separator, no group separators, at most 15
// significant digits; negative zero is written as "0".
QString write(double value, const QLocale &locale = QLocale());

} // namespace NumberText

#endif
