#pragma once

#include <QLocale>
#include <QString>
#include <QtGlobal>

#include <optional>

// Numbers as the user reads and types them: the user's regional settings
// (the default QLocale, which is the system locale unless a test sets one).
namespace numbertext {

// The number in a box's text, or nothing when the text does not hold exactly
// one finite number. Spaces around the number are ignored; where the user's
// decimal separator is a comma and the group separator is not a dot, a dot
// is taken as the decimal separator too.
std::optional<double> parse(const QString &text, const QLocale &locale = QLocale());

// The text of a number: a whole number without separator or fraction digits,
// a fraction with the user's decimal separator, never a group separator, at
// most 15 significant digits.
QString format(double value, const QLocale &locale = QLocale());

// A number typed the way the user would type it, for messages ("2,5").
QString example(const QLocale &locale = QLocale());

// Why a box's text was refused, in Russian, naming the box by its label and
// quoting what was typed (shortened when long).
QString refusal(const QString &boxLabel, const QString &typed,
                const QLocale &locale = QLocale());

} // namespace numbertext

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
