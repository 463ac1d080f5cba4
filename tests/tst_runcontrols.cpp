// The run controls of the demonstrator: which buttons, the check box and the
// timer are available in each state, how the user's actions move between
// the states, and what Сброс, the double click, Esc, Выход and a refused
// input leave behind. Unless a test types other numbers, the boxes hold
// 5, 4, 3: every comparison answers yes and the 24 steps come in order.

#include "demomodel.h"
#include "formdemo.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

QString repeated(char action, int times) { return QString(times, QLatin1Char(action)); }

QString colourName(const Colour &c)
{
    return c == kHighlight ? QStringLiteral("red")
                           : c == kNormal ? QStringLiteral("black") : QStringLiteral("other");
}

int litListingLines(const FormDemo &form)
{
    int lit = 0;
    for (int i = 0; i < 24; ++i)
        lit += form.Lbl_List(i)->foreColor() == kHighlight;
    return lit;
}

QStringList boxTexts(const FormDemo &form)
{
    return {form.Text1()->text(), form.Text2()->text(), form.Text3()->text()};
}

QString memoryText(const VariantNumber &v)
{
    return QStringLiteral("%1:%2")
        .arg(v.type() == VariantNumber::Type::Integer ? "int" : "double")
        .arg(v.toDouble());
}

// Everything the user or the step engine can change, one line per item, so
// that a difference shows up as a readable line.
QStringList snapshot(const FormDemo &form)
{
    QStringList s;
    for (const QWidget *w : runControls(form))
        s << QStringLiteral("%1 enabled %2").arg(w->objectName()).arg(w->isEnabled());
    s << QStringLiteral("Cmd_Reset enabled %1").arg(form.Cmd_Reset()->isEnabled())
      << QStringLiteral("Command3 enabled %1").arg(form.Command3()->isEnabled())
      << QStringLiteral("Check1 checked %1").arg(form.Check1()->isChecked())
      << QStringLiteral("texts %1").arg(boxTexts(form).join(QLatin1Char('|')))
      << QStringLiteral("Timer1 enabled %1 interval %2 ticking %3")
             .arg(form.Timer1()->isEnabled())
             .arg(form.Timer1()->interval())
             .arg(form.Timer1()->isTicking())
      << QStringLiteral("counter %1").arg(form.stepCounter())
      << QStringLiteral("A %1 B %2 C %3 X %4")
             .arg(memoryText(form.A()), memoryText(form.B()), memoryText(form.C()))
             .arg(form.X());
    for (const DrawnControl *c : form.drawnControls())
        if (const auto *l = qobject_cast<const Label *>(c))
            s << QStringLiteral("%1 '%2' %3 %4")
                     .arg(l->fullName(), l->caption(), colourName(l->foreColor()),
                          l->isVisible() ? "shown" : "hidden");
    return s;
}

// What is left of a run after the displays were cleared: no highlighting,
// the flowchart captions restored, the memory zero and its panel hidden
// and empty. Lists whatever differs.
QStringList displaysNotCleared(const FormDemo &form)
{
    QStringList wrong;
    for (int i = 0; i < 27; ++i)
        if (form.lbl_alg(i)->foreColor() != kNormal)
            wrong << QStringLiteral("lbl_alg(%1) not black").arg(i);
    for (int i = 0; i < 24; ++i)
        if (form.Lbl_List(i)->foreColor() != kNormal)
            wrong << QStringLiteral("Lbl_List(%1) not black").arg(i);
    const std::pair<int, const char *> captions[] = {
        {1, ""},       {5, "A > B"},  {7, "X = A"},  {8, "A = B"},  {9, "B = X"},
        {11, "B > C"}, {13, "X = C"}, {14, "C = B"}, {15, "B = X"}, {17, "A > B"},
        {19, "X = A"}, {20, "A = B"}, {21, "B = X"}};
    for (const auto &[i, caption] : captions)
        if (form.lbl_alg(i)->caption() != QLatin1String(caption))
            wrong << QStringLiteral("lbl_alg(%1) reads '%2'").arg(i).arg(form.lbl_alg(i)->caption());
    if (form.A().toDouble() != 0 || form.B().toDouble() != 0 || form.C().toDouble() != 0
        || form.X() != 0)
        wrong << QStringLiteral("memory not zero");
    for (const char *cell : {"Lbl_NameA", "Lbl_NameB", "Lbl_NameC", "Lbl_NameX", "Lbl_MemA",
                             "Lbl_MemB", "Lbl_MemC", "Lbl_MemX"}) {
        const Label *l = form.label(QLatin1String(cell));
        if (l->isVisible() || !l->caption().isEmpty())
            wrong << QStringLiteral("%1 shown or not empty").arg(QLatin1String(cell));
    }
    return wrong;
}

bool panelShown(const FormDemo &form)
{
    return form.label(QStringLiteral("Lbl_MemA"))->isVisible();
}

// Plays a user's actions, one letter each:
//   S the sort button (Command1)   N "Вперед"      B "Назад"
//   K a click on the check box     G "Продолжить"  P "Стоп"     R "Сброс"
//   T a tick of the running timer  D a double click on bare background
//   d a double click on the first listing line
// Only available controls are used; returns why an action couldn't be
// taken, or nothing.

} // namespace

class TestRunControls : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { dropOffscreenBoxWarnings(); }
    void init() { m_locale = QLocale(); }
    void cleanup() { QLocale::setDefault(m_locale); }

    void states_data();
    void states();
    void changesNothing_data();
    void changesNothing();
    void reset_data();
    void reset();
    void doubleClick_data();
    void doubleClick();
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

void TestRunControls::states_data()
{
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("timer");
    QTest::addColumn<int>("counter");
    QTest::addColumn<int>("lit");     // red listing lines
    QTest::addColumn<int>("toggled"); // changes of the check box by the last action

    const QString stepToEnd = QStringLiteral("S") + repeated('N', 24);
    const QString runToEnd = QStringLiteral("SKG") + repeated('T', 24);

    QTest::newRow("loaded") << "" << kIdle << true << false << 0 << 0 << 0;
    QTest::newRow("first start") << "S" << kStepByStep << true << false << 1 << 0 << 0;
    QTest::newRow("Вперед") << "SN" << kStepByStep << true << false << 2 << 1 << 0;
    QTest::newRow("box cleared") << "SNK" << kAutomatic << false << false << 2 << 1 << 1;
    QTest::newRow("Продолжить") << "SNKG" << kAutomatic << false << true << 2 << 1 << 0;
    QTest::newRow("tick") << "SNKGT" << kAutomatic << false << true << 3 << 2 << 0;
    QTest::newRow("Стоп") << "SNKGTP" << kAutomatic << false << false << 3 << 2 << 0;
    QTest::newRow("Стоп, Продолжить, tick") << "SNKGTPGT" << kAutomatic << false << true << 4 << 3 << 0;
    QTest::newRow("Стоп while paused") << "SNKP" << kAutomatic << false << false << 2 << 1 << 0;
    QTest::newRow("box checked while paused")
        << "SNKK" << kStepByStepWithBack << true << false << 2 << 1 << 1;
    QTest::newRow("box checked while the timer runs")
        << "SNKGK" << kStepByStepWithBack << true << true << 2 << 1 << 1;
    QTest::newRow("ticks and Вперед in between")
        << "SNKGKTNT" << kStepByStepWithBack << true << true << 5 << 4 << 0;
    QTest::newRow("Назад") << "SNKKB" << kStepByStepWithBack << true << false << 2 << 1 << 0;
    QTest::newRow("ended step by step") << stepToEnd << kIdle << true << false << 0 << 24 << 0;
    QTest::newRow("ended in automatic mode") << runToEnd << kIdle << false << false << 0 << 24 << 0;
    QTest::newRow("ended by Вперед with the timer running")
        << QStringLiteral("SKGK") + repeated('N', 24) << kIdle << true << false << 0 << 24 << 0;
    QTest::newRow("start after a step-by-step end")
        << stepToEnd + "S" << kStepByStep << true << false << 1 << 0 << 0;
    QTest::newRow("start after an automatic end")
        << runToEnd + "S" << kStepByStepWithBack << true << false << 1 << 0 << 1;
    QTest::newRow("Сброс keeps the box cleared") << "SKGTR" << kIdle << false << false << 0 << 0 << 0;
    QTest::newRow("start after Сброс in automatic mode")
        << "SKGTRS" << kStepByStepWithBack << true << false << 1 << 0 << 1;
    QTest::newRow("double click keeps the run going")
        << "SNNKGD" << kAutomatic << false << true << 3 << 0 << 0;
}

void TestRunControls::states()
{
    QFETCH(QString, actions);
    QFETCH(QString, enabled);
    QFETCH(bool, checked);
    QFETCH(bool, timer);
    QFETCH(int, counter);
    QFETCH(int, lit);
    QFETCH(int, toggled);

    FormDemo form;
    PLAY(form, QStringView(actions).chopped(actions.isEmpty() ? 0 : 1));
    QSignalSpy toggles(form.Check1(), &QCheckBox::toggled);
    PLAY(form, QStringView(actions).right(1));

    QCOMPARE(enabledControls(form), enabled);
    QVERIFY(form.Cmd_Reset()->isEnabled());
    QVERIFY(form.Command3()->isEnabled());
    QCOMPARE(form.Check1()->isChecked(), checked);
    QCOMPARE(form.Timer1()->isEnabled(), timer);
    QCOMPARE(form.Timer1()->isTicking(), timer);
    QCOMPARE(form.Timer1()->interval(), 500);
    QCOMPARE(form.stepCounter(), counter);
    QCOMPARE(litListingLines(form), lit);
    QCOMPARE(toggles.count(), toggled);
}

void TestRunControls::changesNothing_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("action");

    QTest::newRow("Стоп while paused") << "SNK" << "P";
    QTest::newRow("Продолжить while running") << "SNKG" << "G";
    QTest::newRow("Назад after checking the box again") << "SNKKN" << "B";
    QTest::newRow("Назад after a start that checked the box")
        << QStringLiteral("SKG") + repeated('T', 24) + "SNN" << "B";
    QTest::newRow("double click on a listing line") << "SNNN" << "d";
    QTest::newRow("Сброс when idle") << "" << "R";
}

void TestRunControls::changesNothing()
{
    QFETCH(QString, setup);
    QFETCH(QString, action);

    FormDemo form;
    PLAY(form, setup);
    const QStringList before = snapshot(form);
    PLAY(form, action);
    QCOMPARE(snapshot(form), before);
}

void TestRunControls::reset_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("checked");

    QTest::newRow("step by step, two results written back")
        << QStringLiteral("S") + repeated('N', 22) << QStringList{"3", "4", "3"} << true;
    QTest::newRow("automatic mode, timer running")
        << "SKGTTTTTTT" << QStringList{"5", "4", "3"} << false;
    QTest::newRow("automatic mode, paused") << "SNNNKGTP" << QStringList{"5", "4", "3"} << false;
}

void TestRunControls::reset()
{
    QFETCH(QString, setup);
    QFETCH(QStringList, texts);
    QFETCH(bool, checked);

    FormDemo form;
    PLAY(form, setup);
    PLAY(form, u"R");

    QCOMPARE(enabledControls(form), kIdle);
    QVERIFY(!form.Timer1()->isEnabled());
    QVERIFY(!form.Timer1()->isTicking());
    QCOMPARE(form.stepCounter(), 0);
    QCOMPARE(displaysNotCleared(form), QStringList());
    QCOMPARE(boxTexts(form), texts);
    QCOMPARE(form.Check1()->isChecked(), checked);
}

void TestRunControls::doubleClick_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("next"); // how the run goes on: "N" or "T"
    QTest::addColumn<int>("stepsLeft");
    QTest::addColumn<bool>("panelAgain");
    QTest::addColumn<QStringList>("texts");

    // Cleared memory holds 0 in A, B and C; inputs still to come are read.
    QTest::newRow("before the panel is shown")
        << "SN" << "N" << 23 << true << QStringList{"3", "4", "5"};
    QTest::newRow("after A was read") // B=4, C=3, then 0>4 no, 4>3 yes, 0>3 no
        << "SNNN" << "N" << 15 << false << QStringList{"0", "3", "4"};
    QTest::newRow("after all three were read") // 7 to 11, then no and no
        << "SNNNNNN" << "N" << 12 << false << QStringList{"0", "0", "0"};
    QTest::newRow("timer running") << "SNNKG" << "T" << 22 << false << QStringList{"3", "4", "5"};
}

void TestRunControls::doubleClick()
{
    QFETCH(QString, setup);
    QFETCH(QString, next);
    QFETCH(int, stepsLeft);
    QFETCH(bool, panelAgain);
    QFETCH(QStringList, texts);

    FormDemo form;
    const QPoint bare = barePoint(form);
    QVERIFY(!form.controlAt(bare));
    PLAY(form, setup);
    const int counter = form.stepCounter();
    const QString enabled = enabledControls(form);
    const bool timer = form.Timer1()->isTicking();

    QTest::mouseDClick(&form, Qt::LeftButton, {}, bare);

    QCOMPARE(displaysNotCleared(form), QStringList());
    QCOMPARE(form.stepCounter(), counter);
    QCOMPARE(enabledControls(form), enabled);
    QCOMPARE(form.Timer1()->isTicking(), timer);

    PLAY(form, next);
    QCOMPARE(panelShown(form), panelAgain);
    int steps = 1;
    while (form.stepCounter() != 0 && steps <= 24) {
        PLAY(form, next);
        ++steps;
    }
    QCOMPARE(steps, stepsLeft);
    QCOMPARE(litListingLines(form), stepsLeft);
    QCOMPARE(boxTexts(form), texts);
}

void TestRunControls::esc_data()
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
void TestRunControls::esc()
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
    QVERIFY(!about.text.isEmpty());
    QVERIFY(!about.text.contains(QLatin1Char('\n')));
    QCOMPARE(snapshot(form), before);
}

void TestRunControls::exit_data()
{
    QTest::addColumn<bool>("hotSpot");

    QTest::newRow("Выход") << false;
    QTest::newRow("close box of the pictured window") << true;
}

void TestRunControls::exit()
{
    QFETCH(bool, hotSpot);

    FormDemo form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    PLAY(form, u"SNKG");
    QVERIFY(form.Timer1()->isTicking());
    QSignalSpy ended(&form, &FormDemo::programEnded);
    QSignalSpy ticks(form.Timer1(), &IntervalTimer::Timer);

    if (hotSpot)
        QTest::mouseClick(&form, Qt::LeftButton, {}, form.drawn("Image3")->pixels().center());
    else
        QTest::mouseClick(form.Command3(), Qt::LeftButton);

    QVERIFY(form.hasEnded());
    QCOMPARE(ended.count(), 1);
    QVERIFY(!form.Timer1()->isEnabled());
    QVERIFY(!form.Timer1()->isTicking());
    QVERIFY(!form.isVisible());
    QTest::qWait(700);
    QCOMPARE(ticks.count(), 0);
    QCOMPARE(form.stepCounter(), 2);
    QCOMPARE(ended.count(), 1);
}

void TestRunControls::refusedInput_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("box"); // the box named, 0 to 2
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("quoted"); // what the message quotes, if anything

    const QString a = QStringLiteral("Число А="), b = QStringLiteral("Число В="),
                  c = QStringLiteral("Число С=");
    const QString longText = QString(30, QLatin1Char('x'));

    QTest::newRow("empty") << QStringList{"", "4", "5"} << 0 << a << "";
    QTest::newRow("blanks") << QStringList{"3", "   ", "5"} << 1 << b << "";
    QTest::newRow("letters") << QStringList{"3", "abc", "5"} << 1 << b << "«abc»";
    QTest::newRow("two numbers") << QStringList{"3", "4", "1 2"} << 2 << c << "«1 2»";
    QTest::newRow("infinity") << QStringList{"inf", "4", "5"} << 0 << a << "«inf»";
    QTest::newRow("not a number") << QStringList{"3", "nan", "5"} << 1 << b << "«nan»";
    QTest::newRow("beyond a double") << QStringList{"3", "4", "1e999"} << 2 << c << "«1e999»";
    QTest::newRow("long text, shortened")
        << QStringList{"3", longText, "5"} << 1 << b
        << QStringLiteral("«%1…»").arg(QString(24, QLatin1Char('x')));
    QTest::newRow("first bad box named") << QStringList{"3", "x", "y"} << 1 << b << "«x»";
}

// A start with a box that holds no number is refused with a warning; the
// last run's highlighting and results stay on screen.
void TestRunControls::refusedInput()
{
    QFETCH(QStringList, texts);
    QFETCH(int, box);
    QFETCH(QString, label);
    QFETCH(QString, quoted);

    FormDemo form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    PLAY(form, QStringLiteral("S") + repeated('N', 24));
    QLineEdit *boxes[] = {form.Text1(), form.Text2(), form.Text3()};
    for (int i = 0; i < 3; ++i) {
        boxes[i]->clear();
        QTest::keyClicks(boxes[i], texts[i]);
    }
    form.Command1()->setFocus();
    const QStringList before = snapshot(form);

    BoxCloser closer;
    QTest::mouseClick(form.Command1(), Qt::LeftButton);

    QCOMPARE(closer.seen().size(), 1);
    const SeenBox &warning = closer.seen().first();
    QCOMPARE(warning.icon, QMessageBox::Warning);
    QCOMPARE(warning.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY2(warning.text.contains(label), qPrintable(warning.text));
    QVERIFY2(warning.text.contains(quoted), qPrintable(warning.text));
    QVERIFY2(!warning.text.contains(QString(25, QLatin1Char('x'))), qPrintable(warning.text));

    QCOMPARE(snapshot(form), before);
    QCOMPARE(litListingLines(form), 24);
    // The window system hands the activation back once the box is gone.
    QCOMPARE(form.focusWidget(), boxes[box]);
    form.activateWindow();
    QTRY_COMPARE(QApplication::focusWidget(), boxes[box]);
    QCOMPARE(boxes[box]->selectedText(), texts[box]);
}

void TestRunControls::acceptedInput_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("c");

    const QLocale russian(QLocale::Russian, QLocale::Russia);
    QTest::newRow("blanks around") << QLocale::c() << QStringList{" 7 ", "4", "3"} << 7.0 << 4.0 << 3.0;
    QTest::newRow("sign and exponent")
        << QLocale::c() << QStringList{"-2", "1e3", "0.25"} << -2.0 << 1000.0 << 0.25;
    QTest::newRow("decimal comma") << russian << QStringList{"0,5", "4", "3"} << 0.5 << 4.0 << 3.0;
    QTest::newRow("decimal point where the comma is usual")
        << russian << QStringList{"5", "0.5", "3"} << 5.0 << 0.5 << 3.0;
}

void TestRunControls::acceptedInput()
{
    QFETCH(QLocale, locale);
    QFETCH(QStringList, texts);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, c);

    QLocale::setDefault(locale);
    FormDemo form;
    form.Text1()->setText(texts[0]);
    form.Text2()->setText(texts[1]);
    form.Text3()->setText(texts[2]);

    BoxCloser closer;
    PLAY(form, u"S");
    QCOMPARE(closer.seen().size(), 0);
    QCOMPARE(form.stepCounter(), 1);
    QCOMPARE(enabledControls(form), kStepByStep);

    PLAY(form, u"NNNNN");
    QCOMPARE(form.A().toDouble(), a);
    QCOMPARE(form.B().toDouble(), b);
    QCOMPARE(form.C().toDouble(), c);
}

void TestRunControls::automaticRunWithTheRealTimer()
{
    FormDemo form;
    PLAY(form, u"SK");
    QSignalSpy ticks(form.Timer1(), &IntervalTimer::Timer);
    QElapsedTimer clock;
    clock.start();
    PLAY(form, u"G");

    QTRY_COMPARE_WITH_TIMEOUT(form.stepCounter(), 0, 20000);
    QVERIFY2(clock.elapsed() >= 24 * 500 - 100, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(ticks.count(), 24);
    QCOMPARE(boxTexts(form), QStringList({"3", "4", "5"}));
    QVERIFY(!form.Timer1()->isEnabled());
    QVERIFY(!form.Timer1()->isTicking());
    QCOMPARE(enabledControls(form), kIdle);
    QCOMPARE(litListingLines(form), 24);
    QCOMPARE(form.lbl_alg(26)->foreColor(), kHighlight);
}

QTEST_MAIN(TestRunControls)
#include "tst_runcontrols.moc"
