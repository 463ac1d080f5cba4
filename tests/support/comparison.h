#pragma once

// What the model comparisons share: a list of what differs, one line each,
// with the names put together only for a difference.

#include <QString>
#include <QStringList>

// Collects what differs; the names are put together only for a difference.
struct Comparison
{
    QStringList wrong;

    static QString text(bool v) { return v ? QStringLiteral("true") : QStringLiteral("false"); }
    static QString text(int v) { return QString::number(v); }
    static QString text(double v) { return QString::number(v, 'g', 17); }
    static QString text(const QString &v) { return QLatin1Char('\'') + v + QLatin1Char('\''); }

    template<typename T>
    void operator()(const char *what, const T &actual, const T &model, int index = -1)
    {
        if (actual == model)
            return;
        const QString name = index < 0 ? QString::fromUtf8(what) : QString::fromUtf8(what).arg(index);
        wrong << QStringLiteral("%1 is %2, the model says %3").arg(name, text(actual), text(model));
    }
};
