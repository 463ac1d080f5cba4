#include "numberbox.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QMessageBox>

#include "messagebox.h"

namespace numberbox {

QString refusal(const QString &boxLabel, const numbertext::Reading &reading,
                const QLocale &locale)
{
    const QString hint = QCoreApplication::translate("numberbox", "Введите число, например: %1")
                             .arg(numbertext::example(locale));
    // One arg() call with several arguments, so that a "%1" typed by the
    // user is quoted as it is.
    switch (reading.fault) {
    case numbertext::Fault::None:
        break;
    case numbertext::Fault::Empty:
        return QCoreApplication::translate("numberbox", "Поле «%1» пустое. %2").arg(boxLabel, hint);
    case numbertext::Fault::TooLarge:
        return QCoreApplication::translate("numberbox", "В поле «%1» слишком большое число: «%2». %3")
            .arg(boxLabel, reading.quoted, hint);
    case numbertext::Fault::TooCloseToZero:
        return QCoreApplication::translate("numberbox",
                                           "В поле «%1» число слишком близко к нулю: «%2». %3")
            .arg(boxLabel, reading.quoted, hint);
    case numbertext::Fault::NotANumber:
        return QCoreApplication::translate("numberbox", "В поле «%1» не число: «%2». %3")
            .arg(boxLabel, reading.quoted, hint);
    }
    return QString();
}

std::optional<double> read(QLineEdit *box, const QString &boxLabel, QWidget *window)
{
    const numbertext::Reading reading = numbertext::read(box->text());
    if (reading.number)
        return reading.number;
    QMessageBox warning(QMessageBox::Warning, window->windowTitle(), refusal(boxLabel, reading),
                        QMessageBox::Ok, window);
    warning.setTextFormat(Qt::PlainText); // what was typed is shown as typed
    openBox(warning, [box](int) {
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
    });
    return std::nullopt;
}

} // namespace numberbox
