#pragma once

#include "numbertext.h"

#include <QLocale>
#include <QString>

#include <optional>

class QLineEdit;
class QWidget;

// The numbers typed into the programs' boxes, and the warning that refuses
// a box that holds none; both windows read their boxes through here.
namespace numberbox {

// Why `reading` holds no number, as the warning says it: the box named by
// its label, what was typed quoted, and an example of a number.
QString refusal(const QString &boxLabel, const numbertext::Reading &reading,
                const QLocale &locale = QLocale());

// The number in `box`, whose label reads `boxLabel`. Where the box holds
// none: the warning, titled as `window` and modal to it; then the focus in
// the box, with its text selected; returns nothing.
std::optional<double> read(QLineEdit *box, const QString &boxLabel, QWidget *window);

} // namespace numberbox
