#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// Numbers as the user reads and types them: the user's regional settings
// (the default QLocale, which is the system locale unless a test sets one).
namespace numbertext {

// Why a text holds no number.
enum class Fault {
    None,           // it holds one
    Empty,          // nothing but spaces and controls was typed
    NotANumber,
    TooLarge,       // a number beyond a double's range
    TooCloseToZero, // a number closer to zero than the smallest double
};

// What a box's text holds.
struct Reading
{
    std::optional<double> number; // the number, when the text holds exactly one
    Fault fault = Fault::None;    // otherwise why not
    QString quoted;               // then the text as a message quotes it: oneLine()
};

// Reads a box's text. Spaces around the number are ignored. Group
// separators are taken where they stand between groups of three digits
// before the decimal separator, after one to three digits that don't start
// with 0 ("0,123" is no number in English): either the locale's own or
// spaces (U+0020, U+00A0, U+202F; in any locale whose decimal separator is
// none of them), not both in one number.
// Where the user's decimal separator is a comma and the group separator is
// not a dot, a dot is taken as the decimal separator too.
Reading read(const QString &text, const QLocale &locale = QLocale());

// The number in a box's text, or nothing when the text does not hold
// exactly one finite number.
std::optional<double> parse(const QString &text, const QLocale &locale = QLocale());

// The text of a number: the shortest that reads back as the same double; a
// whole number without separator or fraction digits, a fraction with the
// user's decimal separator, never a group separator, "0" for minus zero.
QString format(double value, const QLocale &locale = QLocale());

// Typed text as it is quoted inside one line of a message: typed spaces as
// they are, each line break, tab and other control character one space, the
// characters that reverse or embed the writing direction left out, and
// after 24 characters the rest "…". Spaces and controls before and after
// the text are left out. Empty when nothing but spaces and controls was
// typed.
QString oneLine(const QString &typed);

// A number typed the way the user would type it, for messages ("2,5").
QString example(const QLocale &locale = QLocale());

} // namespace numbertext
