// The run controls of the demonstrator: which buttons, the check box and the
// timer are available in each state, how the user's actions move between
// the states, and what Сброс, the double click, Esc, Выход and a refused
// input leave behind. The window is compared with the model of a
// demonstration after every action; Esc and a refused start must change
// nothing at all. Unless a test types other numbers, the boxes hold 5, 4, 3:
// every comparison answers yes and the 24 steps come in order.

#include "boxcloser.h"
#include "demomodel.h"
#include "demoprogram.h"
#include "driver.h"
#include "fixtures.h"
#include "formdemo.h"
#include "heldkey.h"
#include "snapshot.h"
#include "tracetable.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

class RunControlsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { dropOffscreenBoxWarnings(); }
    void init() { m_locale = QLocale(); }
    void cleanup() { QLocale::setDefault(m_locale); }

    void states_data();
    void states();
    void back_data();
    void back();
    void doubleClickMidRun_data();
    void doubleClickMidRun();
    void keyboard_data();
    void keyboard();
    void questions();
    void esc_data();
    void esc();
    void exit_data();
    void exit();
    void refusedInput_data();
    void refusedInput();
    void acceptedInput_data();
    void acceptedInput();
    void automaticRunWithTheRealTimer();

private:
    QLocale m_locale;
};

void RunControlsTest::states_data()
{
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QString>("state");  // the available run controls at the end
    QTest::addColumn<int>("toggled");    // changes of the check box by the last action

    const QString stepToEnd = QStringLiteral("S") + repeated('N', 24);
    const QString runToEnd = QStringLiteral("SKG") + repeated('T', 24);

    QTest::newRow("loaded") << "" << kIdle << 0;
    QTest::newRow("first start") << "S" << kStepByStep << 0;
    QTest::newRow("Вперед") << "SN" << kStepByStepWithBack << 0;
    QTest::newRow("box cleared") << "SNK" << kAutomatic << 1;
    QTest::newRow("Продолжить") << "SNKG" << kAutomatic << 0;
    QTest::newRow("tick") << "SNKGT" << kAutomatic << 0;
    QTest::newRow("Стоп") << "SNKGTP" << kAutomatic << 0;
    QTest::newRow("Стоп, Продолжить, tick") << "SNKGTPGT" << kAutomatic << 0;
    QTest::newRow("Стоп while paused") << "SNKP" << kAutomatic << 0;
    QTest::newRow("Продолжить while running") << "SNKGG" << kAutomatic << 0;
    QTest::newRow("box checked while paused") << "SNKK" << kStepByStepWithBack << 1;
    // Ticked while the timer runs, the box pauses the run.
    QTest::newRow("box checked while the timer runs") << "SNKGK" << kStepByStepWithBack << 1;
    QTest::newRow("Вперед after pausing with the box") << "SNKGTKN" << kStepByStepWithBack << 0;
    QTest::newRow("Назад after pausing with the box") << "SNKGTKB" << kStepByStepWithBack << 0;
    QTest::newRow("box cleared again after pausing") << "SNKGKK" << kAutomatic << 1;
    QTest::newRow("Продолжить after pausing and clearing") << "SNKGKKGT" << kAutomatic << 0;
    QTest::newRow("Назад to the start") << "SNKKB" << kStepByStep << 0;
    QTest::newRow("Назад after checking the box again") << "SNKKNB" << kStepByStepWithBack << 0;
    QTest::newRow("Назад after a start that checked the box")
        << QStringLiteral("SKG") + repeated('T', 24) + "SNNB" << kStepByStepWithBack << 0;
    QTest::newRow("Сброс when idle") << "R" << kIdle << 0;
    QTest::newRow("ended step by step") << stepToEnd << kIdle << 0;
    QTest::newRow("ended in automatic mode") << runToEnd << kIdle << 0;
    QTest::newRow("ended by Вперед after pausing with the box")
        << QStringLiteral("SKGK") + repeated('N', 24) << kIdle << 0;
    QTest::newRow("start after a step-by-step end") << stepToEnd + "S" << kStepByStep << 0;
    QTest::newRow("start after an automatic end") << runToEnd + "S" << kStepByStep << 1;
    QTest::newRow("Сброс keeps the box cleared") << "SKGTR" << kIdle << 0;
    QTest::newRow("start after Сброс in automatic mode") << "SKGTRS" << kStepByStep << 1;
    QTest::newRow("Сброс with two results written back")
        << QStringLiteral("S") + repeated('N', 22) + "R" << kIdle << 0;
    QTest::newRow("Сброс while the timer runs") << "SKGTTTTTTTR" << kIdle << 0;
    QTest::newRow("Сброс while paused") << "SNNNKGTPR" << kIdle << 0;
    // A double click clears the displays, but not the memory: the run goes
    // on with the numbers it has read.
    QTest::newRow("double click keeps the run going") << "SNNKGD" << kAutomatic << 0;
    QTest::newRow("double click on a listing line") << "SNNNd" << kStepByStepWithBack << 0;
    QTest::newRow("double click before the panel is shown, to the end")
        << QStringLiteral("SND") + repeated('N', 23) << kIdle << 0;
    QTest::newRow("double click after A was read, to the end")
        << QStringLiteral("SNNND") + repeated('N', 21) << kIdle << 0;
    QTest::newRow("double click after all three were read, to the end")
        << QStringLiteral("SNNNNNND") + repeated('N', 18) << kIdle << 0;
    QTest::newRow("double click while the timer runs, to the end")
        << QStringLiteral("SNNKGD") + repeated('T', 22) << kIdle << 0;
}

void RunControlsTest::states()
{
    QFETCH(QString, actions);
    QFETCH(QString, state);
    QFETCH(int, toggled);

    FormDemo form;
    DemoModel model;
    PLAY(form, QStringView(actions).chopped(actions.isEmpty() ? 0 : 1), &model);
    QSignalSpy toggles(form.Check1(), &QCheckBox::toggled);
    PLAY(form, QStringView(actions).right(1), &model);

    QCOMPARE(enabledControls(form), state);
    QCOMPARE(toggles.count(), toggled);
}

void RunControlsTest::back_data()
{
    QTest::addColumn<QStringList>("numbers"); // in the boxes
    QTest::addColumn<QString>("actions");     // the last one "Назад"

    const QStringList yes = {"9", "1", "5"}, no = {"3", "4", "5"};
    QTest::newRow("from the first step") << yes << "SNB";
    QTest::newRow("over a skipped branch") << no << QStringLiteral("S") + repeated('N', 7) + "B";
    QTest::newRow("after a double click") << yes << "SNNNNDB";
    // 9, 1, 5 takes 21 steps; the 18th writes the first box, the 20th the last.
    QTest::newRow("over a box written") << yes << QStringLiteral("S") + repeated('N', 18) + "B";
    QTest::newRow("over the last box written")
        << yes << QStringLiteral("S") + repeated('N', 20) + "B";
    QTest::newRow("after ticks, the box checked again") << yes << "SNNKGTTKB";
    QTest::newRow("all the way") << yes << "SNNNBBB";
    QTest::newRow("back and forth") << yes << "SNNNNNNNBNBNB";
}

// "Назад" shows the window exactly as it was before the last step shown
// (the model of a demonstration agrees at every action), "Вперед" then shows
// that step again, and back from the first step is the state after the
// start. After the last one "Назад" is unavailable, "Вперед" still there.
void RunControlsTest::back()
{
    QFETCH(QStringList, numbers);
    QFETCH(QString, actions);

    FormDemo form;
    DemoModel model;
    form.Timer1()->blockSignals(true); // only the test's ticks
    for (int i = 0; i < 3; ++i) {
        inputBox(form, i)->setText(numbers[i]);
        model.type(i, numbers[i], numbers[i].toDouble());
    }
    PLAY(form, QStringView(actions).chopped(1), &model);
    const QStringList before = snapshot(form);
    PLAY(form, u"B", &model);
    if (actions.endsWith(QLatin1String("NB")) || actions.endsWith(QLatin1String("TB"))) {
        PLAY(form, u"N", &model);
        QCOMPARE(snapshot(form), before);
    }
    while (form.Cmd_Preview()->isEnabled())
        PLAY(form, u"B", &model);
    PLAY(form, u"N", &model);
}

void RunControlsTest::doubleClickMidRun_data()
{
    QTest::addColumn<int>("stepsBefore");

    // 9, 1, 5 takes 21 steps: yes, yes, then no.
    for (int steps = 1; steps <= 20; ++steps)
        QTest::addRow("after %d steps", steps) << steps;
}

// A double click part way through a run clears what is shown, and the run
// still compares the numbers it read and writes them back sorted.
void RunControlsTest::doubleClickMidRun()
{
    QFETCH(int, stepsBefore);

    FormDemo form;
    DemoModel model;
    const QStringList typed = {"9", "1", "5"};
    for (int i = 0; i < 3; ++i) {
        inputBox(form, i)->setText(typed[i]);
        model.type(i, typed[i], typed[i].toDouble());
    }
    PLAY(form, QStringLiteral("S") + repeated('N', stepsBefore) + 'D', &model);
    while (form.stepCounter() != 0)
        PLAY(form, u"N", &model);

    QCOMPARE(QStringList({form.Text1()->text(), form.Text2()->text(), form.Text3()->text()}),
             QStringList({"1", "5", "9"}));
}

void RunControlsTest::keyboard_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("focused"); // the control the key goes to
    QTest::addColumn<int>("key");         // 0: a tick of the timer instead
    QTest::addColumn<int>("times");       // presses of the key, or repeats of a held key
    QTest::addColumn<bool>("held");       // held down for that many repeats
    QTest::addColumn<QStringList>("numbers"); // typed into the boxes first, if any
    QTest::addColumn<QString>("action");  // what the model does: letters of play(), or none
    QTest::addColumn<QString>("gained");  // the controls that take the focus, in turn

    const int Return = Qt::Key_Return, Enter = Qt::Key_Enter, Space = Qt::Key_Space;
    const QString lastStep = QStringLiteral("S") + repeated('N', 23);
    const QString lastTick = QStringLiteral("SNKG") + repeated('T', 22);
    const auto row = [](const char *name, const QString &setup, const char *focused, int key,
                        const QString &action, const char *gained, int times = 1,
                        bool held = false, const QStringList &numbers = {}) {
        QTest::newRow(name) << setup << focused << key << times << held << numbers << action
                            << gained;
    };

    row("start by Return", "", "Command1", Return, "S", "Cmd_Next");
    row("start by Enter", "", "Command1", Enter, "S", "Cmd_Next");
    row("start by Space", "", "Command1", Space, "S", "Cmd_Next");
    row("Вперед", "S", "Cmd_Next", Return, "N", "");
    row("Вперед, the last step", lastStep, "Cmd_Next", Return, "N", "Text1");
    row("Назад", "SNNKK", "Cmd_Preview", Return, "B", "");
    row("Назад to the start", "SNKK", "Cmd_Preview", Return, "B", "Cmd_Next");
    row("box cleared by Space", "SN", "Check1", Space, "K", "");
    row("Продолжить", "SNK", "Cmd_Goto", Return, "G", "Cmd_Stop");
    row("Стоп", "SNKG", "Cmd_Stop", Return, "P", "Cmd_Goto");
    row("Стоп by Space", "SNKG", "Cmd_Stop", Space, "P", "Cmd_Goto");
    row("Сброс mid-run", "SNN", "Cmd_Reset", Return, "R", "Command1");
    row("Сброс when idle", "", "Cmd_Reset", Return, "R", "Command1");
    row("last tick, Стоп focused", lastTick, "Cmd_Stop", 0, "T", "Text1");
    row("last tick, the box focused", lastTick, "Check1", 0, "T", "Text1");
    row("Return in a box", "", "Text2", Return, "", "");
    // One Enter too many, or thirty, leave the finished demonstration on
    // the screen: after the last step the focus is in the first box.
    const struct
    {
        const char *name;
        QStringList numbers;
        int steps;
    } paths[] = {{"24 steps", {"5", "4", "3"}, 24},
                 {"21 steps", {"4", "5", "3"}, 21},
                 {"15 steps", {"3", "4", "5"}, 15}};
    for (const auto &path : paths)
        row(path.name, "", "Command1", Return, QStringLiteral("S") + repeated('N', path.steps),
            "Cmd_Next Text1", 30, false, path.numbers);
    // A key held down presses a button once: the focus moving on to the
    // next action doesn't take the repeats along.
    row("Return held on the sort button", "", "Command1", Return, "S", "Cmd_Next", 30, true);
    row("Space held on the sort button", "", "Command1", Space, "S", "Cmd_Next", 30, true);
    row("Return held on Сброс mid-run", "SNN", "Cmd_Reset", Return, "R", "Command1", 30, true);
    row("Space held on Сброс mid-run", "SNN", "Cmd_Reset", Space, "R", "Command1", 30, true);
    row("Return held to the end of a run", lastStep, "Cmd_Next", Return, "N", "Text1", 10, true);

    // A presenter's remote: PageDown and PageUp, or Right and Left where no
    // box has the focus, are "Вперед" and "Назад" while those are offered.
    const int PageDown = Qt::Key_PageDown, PageUp = Qt::Key_PageUp, Right = Qt::Key_Right,
              Left = Qt::Key_Left;
    row("PageDown", "S", "Cmd_Next", PageDown, "N", "");
    row("PageDown, Сброс focused", "SN", "Cmd_Reset", PageDown, "N", "");
    row("PageDown, the last step", lastStep, "Cmd_Reset", PageDown, "N", "Text1");
    row("PageUp", "SNN", "Cmd_Reset", PageUp, "B", "");
    row("Right", "SN", "Check1", Right, "N", "");
    row("Left", "SNN", "Check1", Left, "B", "");
    row("PageDown in automatic mode", "SNK", "Cmd_Goto", PageDown, "", "");
    row("PageUp before a step", "S", "Cmd_Next", PageUp, "", "");
    row("PageDown when idle", "", "Command1", PageDown, "", "");
    row("Right in a box", "", "Text1", Right, "", "");
    row("PageDown held", "S", "Cmd_Next", PageDown, "N", "", 30, true);
    row("Right held", "SN", "Check1", Right, "N", "", 30, true);
    row("PageUp held", "SNNNN", "Cmd_Reset", PageUp, "B", "", 30, true);
    // The pace: + quicker, − slower, on the main keyboard and the keypad,
    // at once in the middle of a run. (In a box they are typed: the random
    // walk types "--1".)
    const int Plus = Qt::Key_Plus, Minus = Qt::Key_Minus, Keypad = Qt::KeypadModifier;
    row("+", "", "Command1", Plus, "+", "");
    row("− while the timer runs", "SNKG", "Cmd_Stop", Minus, "-", "");
    row("keypad +", "SN", "Cmd_Next", Plus | Keypad, "+", "");
    row("keypad −", "", "Cmd_Reset", Minus | Keypad, "-", "");
    row("+ at the quickest pace", "+", "Command1", Plus, "", "");
    row("− at the slowest pace", "---", "Command1", Minus, "", "");
    // F2 opens the trace table without taking the keyboard, F3 switches
    // «Проверь себя».
    row("F2", "SNN", "Cmd_Next", Qt::Key_F2, "F", "");
    row("F2 when idle, in a box", "", "Text1", Qt::Key_F2, "F", "");
    row("F2 held", "SN", "Cmd_Next", Qt::Key_F2, "F", "", 30, true);
    row("F3", "", "Command1", Qt::Key_F3, "Q", "");
    row("F2 then PageDown", "SNF", "Cmd_Next", PageDown, "N", "");
    // In the trace table, once a click (or «Копировать») gave it the
    // keyboard, the remote's and the pace's keys go to the demonstration;
    // F2 and Esc close the table.
    row("«Копировать», then PageDown", "SNF", "table.copy", PageDown, "N", "");
    row("a click in the table, then Right", "SNF", "table.grid", Right, "N", "");
    row("PageUp in the table", "SNNF", "table.grid", PageUp, "B", "");
    row("Left in the table", "SNNF", "table.copy", Left, "B", "");
    row("+ in the table", "SNF", "table.grid", Plus, "+", "");
    row("keypad − in the table", "SNF", "table.copy", Minus | Keypad, "-", "");
    row("F2 in the table", "SNF", "table.grid", Qt::Key_F2, "F", "");
    row("Esc in the table", "SNF", "table.copy", Qt::Key_Escape, "F", "");
}

void RunControlsTest::keyboard()
{
    QFETCH(QString, setup);
    QFETCH(QString, focused);
    QFETCH(int, key);
    QFETCH(int, times);
    QFETCH(bool, held);
    QFETCH(QStringList, numbers);
    QFETCH(QString, action);
    QFETCH(QString, gained);

    FormDemo form;
    DemoModel model;
    for (int i = 0; i < numbers.size(); ++i) {
        inputBox(form, i)->setText(numbers[i]);
        model.type(i, numbers[i], numbers[i].toDouble());
    }
    form.Timer1()->blockSignals(true); // only the test's ticks
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    PLAY(form, setup, &model);
    // The window the keys go to: the demonstration's, or the trace table
    // once one of its controls was clicked.
    const bool inTable = focused.startsWith(QLatin1String("table."));
    QWidget *target = inTable ? static_cast<QWidget *>(form.traceTable()->copyButton())
                              : form.findChild<QWidget *>(focused);
    if (inTable) {
        if (focused == QLatin1String("table.grid"))
            target = form.traceTable()->grid()->viewport();
        QTest::mouseClick(target, Qt::LeftButton);
        form.traceTable()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.traceTable()));
    } else {
        target->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), target);
    }
    QWindow *keys = inTable ? form.traceTable()->windowHandle() : form.windowHandle();
    QStringList took;
    const QObject context;
    connect(qApp, &QApplication::focusChanged, &context, [&took](QWidget *, QWidget *now) {
        if (now)
            took << now->objectName();
    });

    if (held)
        holdKey(key, times);
    for (int i = 0; i < times && !held; ++i) {
        if (!key)
            form.Timer1_Timer();
        else
            QTest::keyClick(keys, Qt::Key(key & ~Qt::KeyboardModifierMask),
                            Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
    }

    for (const QChar a : action)
        QVERIFY(model.act(a));
    QCOMPARE(differences(form, model), QStringList());
    if (inTable)
        return;
    QCOMPARE(took.join(QLatin1Char(' ')), gained);
    QCOMPARE(form.focusWidget()->objectName(),
             gained.isEmpty() ? focused : gained.section(QLatin1Char(' '), -1));
    if (gained.endsWith(QLatin1String("Text1")))
        QCOMPARE(form.Text1()->selectedText(), form.Text1()->text());
}

// «Проверь себя» in the window: each question in a box of its own, and the
// score at the end; the answers in the trace as the model has them.
void RunControlsTest::questions()
{
    FormDemo form;
    DemoModel model;
    form.Timer1()->blockSignals(true);
    BoxCloser closer;
    PLAY(form, QStringLiteral("QyS") + repeated('N', 10) + "n" + repeated('N', 5) + "e" + repeated('N', 9),
         &model);
    answerQuestionsWith(QMessageBox::Cancel);
    QStringList asked;
    for (const SeenBox &box : closer.seen()) {
        QCOMPARE(box.title, QStringLiteral("Проверь себя"));
        asked << box.text;
    }
    QCOMPARE(asked, QStringList({"Шаг 6: If A > B Then — 5 > 4?", "Шаг 11: If B > C Then — 5 > 3?",
                                 "Шаг 16: If A > B Then — 4 > 3?", "Проверь себя: верно 1 из 2"}));
}

void RunControlsTest::esc_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("focus"); // the focused control, none if empty

    QTest::newRow("idle, Text1") << "" << "Text1";
    QTest::newRow("idle, Command1") << "" << "Command1";
    QTest::newRow("idle, Command3") << "" << "Command3";
    QTest::newRow("step by step, Cmd_Next") << "SNN" << "Cmd_Next";
    QTest::newRow("step by step, Cmd_Preview") << "SNKK" << "Cmd_Preview";
    QTest::newRow("step by step, Cmd_Reset") << "SN" << "Cmd_Reset";
    QTest::newRow("paused, Cmd_Goto") << "SNK" << "Cmd_Goto";
    QTest::newRow("running, Check1") << "SNKG" << "Check1";
    QTest::newRow("running, Cmd_Stop") << "SNNNKGT" << "Cmd_Stop";
    QTest::newRow("mid-run, nothing focused") << "SNNNN" << "";
}

// Esc goes to the window through the window system, whichever control has
// the focus, and shows the about box exactly once.
void RunControlsTest::esc()
{
    QFETCH(QString, setup);
    QFETCH(QString, focus);

    FormDemo form;
    // Ticks during the box would make the state before and after differ.
    form.Timer1()->blockSignals(true);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    PLAY(form, setup);
    if (focus.isEmpty()) {
        if (QWidget *w = QApplication::focusWidget())
            w->clearFocus();
        QVERIFY(!QApplication::focusWidget());
    } else {
        auto *w = form.findChild<QWidget *>(focus);
        w->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), w);
    }
    const QStringList before = snapshot(form);

    BoxCloser closer;
    QTest::keyClick(form.windowHandle(), Qt::Key_Escape);

    QCOMPARE(closer.seen().size(), 1);
    const SeenBox &about = closer.seen().first();
    QCOMPARE(about.title, QStringLiteral("Об авторе..."));
    QCOMPARE(about.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(about.icon, QMessageBox::NoIcon);
    // One short line in the window's face: this program at this version.
    QVERIFY2(about.text.startsWith(demoProgram().name + ' ' + demoProgram().version),
             qPrintable(about.text));
    QVERIFY(!about.text.contains(QLatin1Char('\n')));
    QVERIFY2(about.oneLine, qPrintable(about.text));
    QCOMPARE(about.font, form.font());
    QCOMPARE(snapshot(form), before);
}

void RunControlsTest::exit_data()
{
    QTest::addColumn<QString>("how");

    QTest::newRow("Выход") << "click";
    QTest::newRow("Выход by Return") << "Return";
    QTest::newRow("close box of the pictured window") << "hot spot";
}

void RunControlsTest::exit()
{
    QFETCH(QString, how);

    FormDemo form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    PLAY(form, u"SNKG");
    QVERIFY(form.Timer1()->isTicking());
    QSignalSpy ended(&form, &FormDemo::programEnded);
    QSignalSpy ticks(form.Timer1(), &IntervalTimer::Timer);

    if (how == QLatin1String("hot spot")) {
        QTest::mouseClick(&form, Qt::LeftButton, {}, form.drawn("Image3")->pixels().center());
    } else if (how == QLatin1String("Return")) {
        form.Command3()->setFocus();
        QTest::keyClick(form.Command3(), Qt::Key_Return);
    } else {
        QTest::mouseClick(form.Command3(), Qt::LeftButton);
    }

    QCOMPARE(ended.count(), 1);
    QVERIFY(!form.Timer1()->isEnabled());
    QVERIFY(!form.Timer1()->isTicking());
    QVERIFY(!form.isVisible());
    QTest::qWait(700);
    QCOMPARE(ticks.count(), 0);
    QCOMPARE(form.stepCounter(), 2);
    QCOMPARE(ended.count(), 1);
}

void RunControlsTest::refusedInput_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("box"); // the box named, 0 to 2
    QTest::addColumn<QString>("quoted"); // what the message quotes, if anything

    const QString longText = QString(30, QLatin1Char('x'));

    QTest::newRow("empty") << QStringList{"", "4", "5"} << 0 << "";
    QTest::newRow("blanks") << QStringList{"3", "   ", "5"} << 1 << "";
    QTest::newRow("letters") << QStringList{"3", "abc", "5"} << 1 << "«abc»";
    QTest::newRow("two numbers") << QStringList{"3", "4", "1 2"} << 2 << "«1 2»";
    QTest::newRow("infinity") << QStringList{"inf", "4", "5"} << 0 << "«inf»";
    QTest::newRow("not a number") << QStringList{"3", "nan", "5"} << 1 << "«nan»";
    QTest::newRow("beyond a double") << QStringList{"3", "4", "1e999"} << 2 << "«1e999»";
    QTest::newRow("long text, shortened")
        << QStringList{"3", longText, "5"} << 1
        << QStringLiteral("«%1…»").arg(QString(24, QLatin1Char('x')));
    QTest::newRow("first bad box named") << QStringList{"3", "x", "y"} << 1 << "«x»";
}

// A start with a box that holds no number is refused with a warning; the
// last run's highlighting and results stay on screen.
void RunControlsTest::refusedInput()
{
    QFETCH(QStringList, texts);
    QFETCH(int, box);
    QFETCH(QString, quoted);

    FormDemo form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    PLAY(form, QStringLiteral("S") + repeated('N', 24));
    for (int i = 0; i < 3; ++i) {
        inputBox(form, i)->clear();
        QTest::keyClicks(inputBox(form, i), texts[i]);
    }
    form.Command1()->setFocus();
    const QStringList before = snapshot(form);

    BoxCloser closer;
    QTest::mouseClick(form.Command1(), Qt::LeftButton);

    QCOMPARE(closer.seen().size(), 1);
    const SeenBox &warning = closer.seen().first();
    QCOMPARE(warning.icon, QMessageBox::Warning);
    QCOMPARE(warning.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY2(warning.text.contains(QString::fromUtf8(kBoxLabels[box])), qPrintable(warning.text));
    QVERIFY2(warning.text.contains(quoted), qPrintable(warning.text));
    QVERIFY2(!warning.text.contains(QString(25, QLatin1Char('x'))), qPrintable(warning.text));
    QCOMPARE(warning.font, form.font());

    QCOMPARE(snapshot(form), before);
    // The window system hands the activation back once the box is gone.
    QCOMPARE(form.focusWidget(), inputBox(form, box));
    form.activateWindow();
    QTRY_COMPARE(QApplication::focusWidget(), inputBox(form, box));
    QCOMPARE(inputBox(form, box)->selectedText(), texts[box]);
}

void RunControlsTest::acceptedInput_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<double>>("numbers");

    const QLocale russian(QLocale::Russian, QLocale::Russia);
    QTest::newRow("blanks around") << QLocale::c() << QStringList{" 7 ", "4", "3"}
                                   << QList<double>{7, 4, 3};
    QTest::newRow("sign and exponent") << QLocale::c() << QStringList{"-2", "1e3", "0.25"}
                                       << QList<double>{-2, 1000, 0.25};
    QTest::newRow("decimal comma") << russian << QStringList{"0,5", "4", "3"}
                                   << QList<double>{0.5, 4, 3};
    QTest::newRow("decimal point where the comma is usual")
        << russian << QStringList{"5", "0.5", "3"} << QList<double>{5, 0.5, 3};
}

// The numbers as the input steps read them; the run goes on to its end.
void RunControlsTest::acceptedInput()
{
    QFETCH(QLocale, locale);
    QFETCH(QStringList, texts);
    QFETCH(QList<double>, numbers);

    QLocale::setDefault(locale);
    FormDemo form;
    DemoModel model;
    for (int i = 0; i < 3; ++i) {
        inputBox(form, i)->setText(texts[i]);
        model.type(i, texts[i], numbers[i]);
    }
    BoxCloser closer;
    PLAY(form, u"SNNNNN", &model);
    while (form.stepCounter() != 0)
        PLAY(form, u"N", &model);
    QCOMPARE(closer.seen().size(), 0);
}

void RunControlsTest::automaticRunWithTheRealTimer()
{
    FormDemo form;
    DemoModel model;
    PLAY(form, u"SK", &model);
    QSignalSpy ticks(form.Timer1(), &IntervalTimer::Timer);
    QElapsedTimer clock;
    clock.start();
    PLAY(form, u"G", &model);

    QTRY_COMPARE_WITH_TIMEOUT(form.stepCounter(), 0, 20000);
    QVERIFY2(clock.elapsed() >= 24 * 500 - 100, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(ticks.count(), 24);
    QVERIFY(model.play(repeated('T', 24)));
    QCOMPARE(differences(form, model), QStringList());
}

QTEST_MAIN(RunControlsTest)
#include "tst_runcontrols.moc"
