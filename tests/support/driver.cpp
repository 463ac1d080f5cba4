#include "driver.h"

#include "boxcloser.h"

#include "demomodel.h"
#include "formdemo.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

QLineEdit *inputBox(const FormDemo &form, int index)
{
    return index == 0 ? form.Text1() : index == 1 ? form.Text2() : form.Text3();
}

QPoint barePoint(const FormDemo &form)
{
    const auto isBare = [&form](const QPoint &p) {
        if (form.childAt(p) || form.controlAt(p))
            return false;
        for (const DrawnControl *c : form.drawnControls())
            if (c->takesMouse() && c->pixels().contains(p))
                return false;
        return true;
    };
    constexpr int margin = 10;
    for (int y = form.height() / 2; y < form.height() - margin; ++y)
        for (int x = form.width() / 2; x < form.width() - margin; ++x)
            if (isBare({x, y})) {
                int end = x;
                while (isBare({end + 1, y}))
                    ++end;
                return {(x + end) / 2, y}; // the middle of the gap
            }
    return {};
}

QList<QWidget *> runControls(const FormDemo &form)
{
    return {form.Text1(),    form.Text2(),       form.Text3(),    form.Command1(),
            form.Check1(),   form.Cmd_Preview(), form.Cmd_Next(), form.Cmd_Goto(),
            form.Cmd_Stop()};
}

QString enabledControls(const FormDemo &form)
{
    QStringList on;
    for (const QWidget *w : runControls(form))
        if (w->isEnabled())
            on << w->objectName();
    return on.join(QLatin1Char(' '));
}

QString repeated(char action, int times)
{
    return QString(times, QLatin1Char(action));
}

QAbstractButton *buttonOf(const FormDemo &form, QChar action)
{
    switch (action.unicode()) {
    case 'S': return form.Command1();
    case 'N': return form.Cmd_Next();
    case 'B': return form.Cmd_Preview();
    case 'K': return form.Check1();
    case 'G': return form.Cmd_Goto();
    case 'P': return form.Cmd_Stop();
    case 'R': return form.Cmd_Reset();
    }
    return nullptr;
}

namespace {

// One action on the window; returns why it could not be taken.
QString act(FormDemo &form, QChar action, Press press)
{
    if (QAbstractButton *button = buttonOf(form, action)) {
        if (!button->isEnabled())
            return QStringLiteral("%1 unavailable").arg(button->objectName());
        const bool wasChecked = form.Check1()->isChecked();
        if (press == Press::Mouse)
            QTest::mouseClick(button, Qt::LeftButton);
        else
            button->click();
        if (action == QLatin1Char('K') && form.Check1()->isChecked() == wasChecked)
            return QStringLiteral("the click missed the check box");
        return {};
    }
    switch (action.unicode()) {
    case 'T':
        if (!form.Timer1()->isTicking())
            return QStringLiteral("no tick is due");
        form.Timer1_Timer();
        return {};
    case 'D':
        QTest::mouseDClick(&form, Qt::LeftButton, {}, barePoint(form));
        return {};
    case 'd':
        QTest::mouseDClick(&form, Qt::LeftButton, {}, form.Lbl_List(0)->pixels().center());
        return {};
    // The teacher's keys, on a button: a faster pace, a slower one, the
    // trace table, «Проверь себя».
    case '+': QTest::keyClick(form.Cmd_Reset(), Qt::Key_Plus); return {};
    case '-': QTest::keyClick(form.Cmd_Reset(), Qt::Key_Minus); return {};
    case 'F': QTest::keyClick(form.Cmd_Reset(), Qt::Key_F2); return {};
    case 'Q': QTest::keyClick(form.Cmd_Reset(), Qt::Key_F3); return {};
    // How the class answers the questions from now on: «Да», «Нет», Esc.
    case 'y': answerQuestionsWith(QMessageBox::Yes); return {};
    case 'n': answerQuestionsWith(QMessageBox::No); return {};
    case 'e': answerQuestionsWith(QMessageBox::Cancel); return {};
    }
    return QStringLiteral("unknown action");
}

} // namespace

QString play(FormDemo &form, QStringView actions, DemoModel *model, Press press)
{
    if (model && !differences(form, *model).isEmpty())
        return QStringLiteral("before '%1':\n  %2")
            .arg(actions, differences(form, *model).join(QStringLiteral("\n  ")));
    for (qsizetype i = 0; i < actions.size(); ++i) {
        const auto where = [&] {
            return QStringLiteral("%1 (action %2 of '%3')").arg(actions[i]).arg(i + 1).arg(actions);
        };
        if (const QString why = act(form, actions[i], press); !why.isEmpty())
            return why + QStringLiteral(": ") + where();
        if (!model)
            continue;
        if (!model->act(actions[i]))
            return QStringLiteral("the model does not offer ") + where();
        if (const QStringList wrong = differences(form, *model); !wrong.isEmpty())
            return QStringLiteral("after %1:\n  %2").arg(where(), wrong.join(QStringLiteral("\n  ")));
    }
    return {};
}
