#pragma once

#include "numbertext.h"

#include <QString>

// A number of the demonstrated program's memory, A, B or C. The program
// declares them without a type: they hold the integer 0 after a reset and
// a double once something is assigned, and a copy keeps the type. Both
// read, compare and write as the same double would (0 is "0" either way),
// so one double holds either.
class VariantNumber
{
public:
    VariantNumber() = default;
    explicit VariantNumber(double value) : m_value(value) {}

    double toDouble() const { return m_value; }
    QString text() const { return numbertext::format(m_value); }

    // Strict numeric comparison: equal values are not greater.
    friend bool operator>(const VariantNumber &a, const VariantNumber &b)
    {
        return a.m_value > b.m_value;
    }

private:
    double m_value = 0;
};
