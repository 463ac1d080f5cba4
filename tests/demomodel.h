#pragma once

// Helpers shared by the tests that drive the demonstrator like a user.

#include "formdemo.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QTimer>

// The offscreen platform warns about every message box it shows; only that
// warning is dropped.
inline void dropOffscreenBoxWarnings()
{
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            if (!message.contains(QLatin1String("does not support propagateSizeHints")))
                previous(type, context, message);
        });
}

// A message box as the user saw it.
struct SeenBox
{
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// While it lives, every modal message box that opens is remembered and
// closed with its OK button: as soon as its event loop runs, or once it has
// been open for `keepOpenMs` milliseconds.
class BoxCloser
{
public:
    explicit BoxCloser(int keepOpenMs = 0) : m_keepOpenMs(keepOpenMs)
    {
        m_poll.setInterval(keepOpenMs > 0 ? 10 : 0);
        QObject::connect(&m_poll, &QTimer::timeout, &m_poll, [this] { closeOpenBox(); });
        m_poll.start();
    }

    const QList<SeenBox> &seen() const { return m_seen; }
    void clear() { m_seen.clear(); }

private:
    void closeOpenBox()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        if (box != m_open) {
            m_open = box;
            m_opened.start();
            m_seen.append({box->windowTitle(), box->text(), box->standardButtons(), box->icon()});
        }
        if (m_opened.elapsed() < m_keepOpenMs)
            return;
        m_open = nullptr;
        if (QAbstractButton *ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->done(0);
    }

    int m_keepOpenMs;
    QTimer m_poll;
    QList<SeenBox> m_seen;
    QMessageBox *m_open = nullptr;
    QElapsedTimer m_opened;
};

// The three input boxes of the pictured window, by zero-based index, and
// the captions of their labels.
inline QLineEdit *inputBox(const FormDemo &form, int index)
{
    return index == 0 ? form.Text1() : index == 1 ? form.Text2() : form.Text3();
}
inline const char *const kBoxLabels[] = {"Число А=", "Число В=", "Число С="};

// A window pixel of bare background: no label or image box lies there,
// shown or hidden, and no widget. Found in the right half of the window, away
// from its edges.
inline QPoint barePoint(const FormDemo &form)
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

// The available run controls in each state of the window.
inline const QString kIdle = QStringLiteral("Text1 Text2 Text3 Command1");
inline const QString kStepByStep = QStringLiteral("Check1 Cmd_Next");
inline const QString kStepByStepWithBack = QStringLiteral("Check1 Cmd_Preview Cmd_Next");
inline const QString kAutomatic = QStringLiteral("Check1 Cmd_Goto Cmd_Stop");

// The controls whose availability changes, in a fixed order.
inline QList<QWidget *> runControls(const FormDemo &form)
{
    return {form.Text1(),    form.Text2(),       form.Text3(),    form.Command1(),
            form.Check1(),   form.Cmd_Preview(), form.Cmd_Next(), form.Cmd_Goto(),
            form.Cmd_Stop()};
}

// The names of the available run controls, e.g. "Check1 Cmd_Next".
inline QString enabledControls(const FormDemo &form)
{
    QStringList on;
    for (const QWidget *w : runControls(form))
        if (w->isEnabled())
            on << w->objectName();
    return on.join(QLatin1Char(' '));
}

// Plays user actions on the window, one letter each: S the sort button,
// N "Вперед", B "Назад", K the mode check box, G "Продолжить", P "Стоп",
// R "Сброс", T a timer tick, D a double click on bare background, d one on
// a listing line. Returns why it could not, or an empty string.
inline QString play(FormDemo &form, QStringView actions)
{
    for (const QChar action : actions) {
        QAbstractButton *button = nullptr;
        switch (action.unicode()) {
        case 'S': button = form.Command1(); break;
        case 'N': button = form.Cmd_Next(); break;
        case 'B': button = form.Cmd_Preview(); break;
        case 'K': button = form.Check1(); break;
        case 'G': button = form.Cmd_Goto(); break;
        case 'P': button = form.Cmd_Stop(); break;
        case 'R': button = form.Cmd_Reset(); break;
        case 'T':
            if (!form.Timer1()->isTicking())
                return QStringLiteral("no tick is due in '%1'").arg(actions);
            form.Timer1_Timer();
            continue;
        case 'D':
            QTest::mouseDClick(&form, Qt::LeftButton, {}, barePoint(form));
            continue;
        case 'd':
            QTest::mouseDClick(&form, Qt::LeftButton, {}, form.Lbl_List(0)->pixels().center());
            continue;
        default:
            return QStringLiteral("unknown action %1").arg(action);
        }
        if (!button->isEnabled())
            return QStringLiteral("%1 unavailable in '%2'").arg(button->objectName(), actions);
        const bool wasChecked = form.Check1()->isChecked();
        QTest::mouseClick(button, Qt::LeftButton);
        if (action == QLatin1Char('K') && form.Check1()->isChecked() == wasChecked)
            return QStringLiteral("the click missed the check box");
    }
    return {};
}

#define PLAY(form, actions)                                                                  \
    do {                                                                                     \
        const QString why = play(form, actions);                                             \
        QVERIFY2(why.isEmpty(), qPrintable(why));                                            \
    } while (false)
