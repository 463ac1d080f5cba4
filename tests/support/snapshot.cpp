#include "snapshot.h"

#include "formdemo.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

QString colourName(const Colour &c)
{
    return c == kHighlight ? QStringLiteral("red")
                           : c == kNormal ? QStringLiteral("black") : QStringLiteral("other");
}

QString memoryText(const VariantNumber &v)
{
    return QString::number(v.toDouble());
}

} // namespace

QStringList snapshot(const FormDemo &form)
{
    QStringList s;
    for (const DrawnControl *c : form.drawnControls())
        if (const auto *l = qobject_cast<const Label *>(c))
            s << QStringLiteral("%1 '%2' %3 %4")
                     .arg(l->fullName(), l->caption(), colourName(l->foreColor()),
                          l->isVisible() ? "shown" : "hidden");
    for (const QWidget *w : form.findChildren<QWidget *>())
        if (w->window() == &form) // not the trace table's
            s << QStringLiteral("%1 enabled %2").arg(w->objectName()).arg(w->isEnabled());
    for (const QLineEdit *box : {form.Text1(), form.Text2(), form.Text3()})
        s << QStringLiteral("%1 '%2'").arg(box->objectName(), box->text());
    s << QStringLiteral("Check1 checked %1").arg(form.Check1()->isChecked())
      << QStringLiteral("Timer1 enabled %1 interval %2 ticking %3")
             .arg(form.Timer1()->isEnabled())
             .arg(form.Timer1()->interval())
             .arg(form.Timer1()->isTicking())
      << QStringLiteral("counter %1").arg(form.stepCounter())
      << QStringLiteral("A %1 B %2 C %3 X %4")
             .arg(memoryText(form.A()), memoryText(form.B()), memoryText(form.C()))
             .arg(form.X());
    return s;
}
