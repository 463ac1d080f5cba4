#pragma once

// The checks both fuzz targets make of a program's number text: each input
// is read as typed text and as numbers in the four locales the programs are
// used and tested in, and any fault aborts with the text and locale at fault.

#include <QLocale>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <optional>

namespace fuzzing {

// A program's two conversions, and what it does with refused text (may be
// null when the program builds its message elsewhere).
struct Conversions
{
    std::optional<double> (*read)(const QString &text, const QLocale &locale);
    QString (*write)(double value, const QLocale &locale);
    void (*refused)(const QString &typed, const QLocale &locale);
};

// Runs every check on one fuzz input.
void checkInput(const std::uint8_t *data, std::size_t size, const Conversions &conversions);

// Reports a broken rule about `text` in `locale` and aborts.
[[noreturn]] void fail(const char *rule, const QString &text, const QLocale &locale);

} // namespace fuzzing
