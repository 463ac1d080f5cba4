#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// Numbers as the user reads and types them: the user's regional settings
// (the default QLocale, which is the system locale unless a test sets one).
namespace numbertext {

// The number in a box's text, or nothing when the text does not hold exactly
// one finite number. Spaces around the number are ignored; where the user's
// decimal separator is a comma and the group separator is not a dot, a dot
// is taken as the decimal separator too.
std::optional<double> parse(const QString &text, const QLocale &locale = QLocale());

// The text of a number: the shortest that reads back as the same double; a
// whole number without separator or fraction digits, a fraction with the
// user's decimal separator, never a group separator, "0" for minus zero.
QString format(double value, const QLocale &locale = QLocale());

// Typed text as it is quoted inside one line of a message: line breaks, tabs
// and other control characters become one space, the characters that reverse
// or embed the writing direction are left out, and after 24 characters the
// rest becomes "…". Empty when nothing but spaces and controls was typed.
QString oneLine(const QString &typed);

// A number typed the way the user would type it, for messages ("2,5").
QString example(const QLocale &locale = QLocale());

// Why a box's text was refused, in Russian, naming the box by its label and
// quoting what was typed (on one line, shortened when long): empty, no
// number, or a number too large or too close to zero for a double.
QString refusal(const QString &boxLabel, const QString &typed,
                const QLocale &locale = QLocale());

} // namespace numbertext
