#pragma once

#include "numbertext.h"

#include <QString>
#include <QtGlobal>

// A number that carries its own numeric type: the 16-bit integer 0 after a
// reset, or a double once something is assigned. Copies keep the type.
class VariantNumber
{
public:
    enum class Type { Integer, Double };

    VariantNumber() = default;
    static VariantNumber integer(qint16 value) { return VariantNumber(Type::Integer, value); }
    static VariantNumber real(double value) { return VariantNumber(Type::Double, value); }

    Type type() const { return m_type; }
    double toDouble() const { return m_value; }
    QString text() const { return numbertext::format(m_value); }

    // Strict numeric comparison: equal values are not greater.
    friend bool operator>(const VariantNumber &a, const VariantNumber &b)
    {
        return a.m_value > b.m_value;
    }
    friend bool operator==(const VariantNumber &a, const VariantNumber &b)
    {
        return a.m_type == b.m_type && a.m_value == b.m_value;
    }

private:
    VariantNumber(Type type, double value) : m_type(type), m_value(value) {}

    // A 16-bit integer is held exactly by a double, so one field serves both.
    Type m_type = Type::Integer;
    double m_value = 0;
};
