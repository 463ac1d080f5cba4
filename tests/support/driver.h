#pragma once

// Drives the demonstrator window the way a user does.

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringView>

class DemoModel;
class FormDemo;
class QAbstractButton;
class QLineEdit;
class QWidget;

// The three input boxes of the pictured window, by zero-based index.
QLineEdit *inputBox(const FormDemo &form, int index);

// A window pixel of bare background: no label or image box lies there,
// shown or hidden, and no widget. Found in the right half of the window,
// away from its edges.
QPoint barePoint(const FormDemo &form);

// The controls whose availability changes, in a fixed order.
QList<QWidget *> runControls(const FormDemo &form);
// The names of the available run controls, e.g. "Check1 Cmd_Next".
QString enabledControls(const FormDemo &form);

// The button a user action presses: S the sort button, N "Вперед",
// B "Назад", K the mode check box, G "Продолжить", P "Стоп", R "Сброс";
// null for any other letter.
QAbstractButton *buttonOf(const FormDemo &form, QChar action);

// An action `times` over, as play() takes it: repeated('N', 24).
QString repeated(char action, int times);

// How play() presses a button: with the mouse, as a user does (the button
// is drawn down and up again), or by its click(), several times faster, for
// long runs.
enum class Press { Mouse, Click };

// Plays user actions on the window, one letter each: the buttons of
// buttonOf(), T a timer tick, D a double click on bare background, d one on
// a listing line; the keys + and − (pace), F2 (trace table), F3 («Проверь
// себя») as F and Q; y, n, e: the class answers the questions that follow
// «Да», «Нет», or with Esc. With a model, each action is played on it too and the
// window must agree with it before and after every action. Returns why an
// action could not be taken or what differs, or an empty string.
QString play(FormDemo &form, QStringView actions, DemoModel *model = nullptr,
             Press press = Press::Mouse);

#define PLAY(...)                                                                            \
    do {                                                                                     \
        const QString why = play(__VA_ARGS__);                                               \
        QVERIFY2(why.isEmpty(), qPrintable(why));                                            \
    } while (false)
