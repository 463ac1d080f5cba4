// What a classroom does to the demonstrator: boxes filled to the brim, text
// pasted with line breaks and tabs, buttons pressed fast and often, the
// about box left open while the timer runs.

#include "demomodel.h"
#include "formdemo.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>

namespace {

constexpr int kLongestText = 32767; // what a text box holds

// The value a step read from a box: A, B and C after steps 3 to 5.
double readValue(const FormDemo &form, int index)
{
    return index == 0 ? form.A().toDouble() : index == 1 ? form.B().toDouble() : form.C().toDouble();
}

// Starts the demonstration and checks that the box's text was taken as
// `value`, or refused with a message naming the box.
void startWith(FormDemo &form, int index, bool accepted, double value)
{
    BoxCloser closer;
    QTest::mouseClick(form.Command1(), Qt::LeftButton);
    if (accepted) {
        QCOMPARE(closer.seen().size(), 0);
        QCOMPARE(form.stepCounter(), qint16(1));
        PLAY(form, u"NNNNN");
        QCOMPARE(readValue(form, index), value);
        return;
    }
    QCOMPARE(closer.seen().size(), 1);
    const QString message = closer.seen().first().text;
    QVERIFY2(message.contains(QString::fromUtf8(kBoxLabels[index])), qPrintable(message));
    QVERIFY2(message.size() < 200, qPrintable(QString::number(message.size())));
    for (const QChar c : message)
        QVERIFY2(c.category() != QChar::Other_Control,
                 qPrintable(QStringLiteral("U+%1 in the message").arg(c.unicode(), 4, 16)));
    QCOMPARE(form.stepCounter(), qint16(0));
    QCOMPARE(enabledControls(form), kIdle);
    QCOMPARE(form.focusWidget(), inputBox(form, index));
    QCOMPARE(inputBox(form, index)->selectedText(), inputBox(form, index)->text());
}

} // namespace

class ClassroomTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { dropOffscreenBoxWarnings(); }
    void init()
    {
        m_locale = QLocale();
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    }
    void cleanup() { QLocale::setDefault(m_locale); }

    void longText_data();
    void longText();
    void pasted_data();
    void pasted();
    void fastPresses_data();
    void fastPresses();
    void continuePressedOften();
    void closedMidRun();
    void aboutBoxWhileTheTimerRuns_data();
    void aboutBoxWhileTheTimerRuns();

private:
    QLocale m_locale;
};

void ClassroomTest::longText_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kept"); // characters the box keeps
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<double>("value");

    const QString zerosThenSeven = QString(kLongestText - 1, QLatin1Char('0')) + QLatin1Char('7');
    const QString tinyFraction =
        QStringLiteral("0,") + QString(kLongestText - 3, QLatin1Char('0')) + QLatin1Char('1');
    for (int i = 0; i < 3; ++i) {
        const QByteArray b = QByteArray("Text") + QByteArray::number(i + 1) + ": ";
        QTest::newRow(b + "32767 nines") << i << QString(kLongestText, QLatin1Char('9'))
                                         << kLongestText << false << 0.0;
        QTest::newRow(b + "32767 letters") << i << QString(kLongestText, QChar(0x044F))
                                           << kLongestText << false << 0.0;
        QTest::newRow(b + "32767 spaces") << i << QString(kLongestText, QLatin1Char(' '))
                                          << kLongestText << false << 0.0;
        QTest::newRow(b + "zeros, then 7") << i << zerosThenSeven << kLongestText << true << 7.0;
        QTest::newRow(b + "a fraction below the smallest number")
            << i << tinyFraction << kLongestText << false << 0.0;
        QTest::newRow(b + "40000 ones, cut to 32767")
            << i << QString(40000, QLatin1Char('1')) << kLongestText << false << 0.0;
        QTest::newRow(b + "surrogate pairs") << i << QString::fromUtf8("😀").repeated(16383)
                                             << 32766 << false << 0.0;
    }
}

// Text as long as a box holds is refused or read at once, and the message
// quotes only its beginning.
void ClassroomTest::longText()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(int, kept);
    QFETCH(bool, accepted);
    QFETCH(double, value);

    FormDemo form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    inputBox(form, index)->setText(text);
    QCOMPARE(inputBox(form, index)->text().size(), kept);
    startWith(form, index, accepted, value);
}

void ClassroomTest::pasted_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<double>("value");

    struct Row
    {
        const char *name;
        const char *text;
        bool accepted;
        double value;
    };
    const Row rows[] = {
        {"line break after", "5\n", true, 5},
        {"Windows line break after", "2,5\r\n", true, 2.5},
        {"tabs around", "\t-7\t", true, -7},
        {"line breaks before", "\n\n8", true, 8},
        {"a column of two numbers", "1\n2", false, 0},
        {"two cells of a table row", "4\t3", false, 0},
        {"a number and a word", "5\n\nпять", false, 0},
        {"only line breaks and tabs", "\n\t\r\n", false, 0},
    };
    for (int i = 0; i < 3; ++i)
        for (const Row &r : rows)
            QTest::newRow(qPrintable(QStringLiteral("Text%1: %2").arg(i + 1).arg(r.name)))
                << i << QString::fromUtf8(r.text) << r.accepted << r.value;
}

// Text pasted from a table or a document: line breaks and tabs around one
// number are space around it; the message never breaks a line where the
// typed text did.
void ClassroomTest::pasted()
{
    QFETCH(int, index);
    QFETCH(QString, clipboard);
    QFETCH(bool, accepted);
    QFETCH(double, value);

    FormDemo form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QLineEdit *target = inputBox(form, index);
    target->setFocus(Qt::MouseFocusReason);
    target->selectAll();
    QGuiApplication::clipboard()->setText(clipboard);
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    QVERIFY(!target->text().isEmpty());
    startWith(form, index, accepted, value);
}

void ClassroomTest::fastPresses_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("how"); // click, double, space
    QTest::addColumn<int>("presses");
    QTest::addColumn<int>("clicks");  // the presses that reached an enabled button
    QTest::addColumn<int>("counter"); // the step counter afterwards
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<bool>("ticking");

    // 5, 4, 3: steps come in order, 24 of them.
    QTest::newRow("Вперед clicked 10 times")
        << "S" << "Cmd_Next" << "click" << 10 << 10 << 11 << kStepByStep << false;
    QTest::newRow("Вперед double-clicked 5 times")
        << "S" << "Cmd_Next" << "double" << 5 << 10 << 11 << kStepByStep << false;
    QTest::newRow("Вперед by space 10 times")
        << "S" << "Cmd_Next" << "space" << 10 << 10 << 11 << kStepByStep << false;
    QTest::newRow("Вперед clicked past the end")
        << "S" << "Cmd_Next" << "click" << 40 << 24 << 0 << kIdle << false;
    QTest::newRow("sort button double-clicked")
        << "" << "Command1" << "double" << 3 << 1 << 1 << kStepByStep << false;
    QTest::newRow("sort button by space 6 times")
        << "" << "Command1" << "space" << 6 << 1 << 1 << kStepByStep << false;
    QTest::newRow("Продолжить clicked 20 times")
        << "SNK" << "Cmd_Goto" << "click" << 20 << 20 << 2 << kAutomatic << true;
    QTest::newRow("Стоп clicked 20 times")
        << "SNKG" << "Cmd_Stop" << "click" << 20 << 20 << 2 << kAutomatic << false;
    QTest::newRow("Стоп double-clicked 4 times")
        << "SNKG" << "Cmd_Stop" << "double" << 4 << 8 << 2 << kAutomatic << false;
    QTest::newRow("Сброс clicked 20 times")
        << "SNNN" << "Cmd_Reset" << "click" << 20 << 20 << 0 << kIdle << false;
    QTest::newRow("check box clicked 9 times")
        << "SN" << "Check1" << "click" << 9 << 9 << 2 << kAutomatic << false;
    QTest::newRow("check box clicked 10 times")
        << "SN" << "Check1" << "click" << 10 << 10 << 2 << kStepByStepWithBack << false;
    QTest::newRow("Назад clicked 20 times")
        << "SNKK" << "Cmd_Preview" << "click" << 20 << 20 << 2 << kStepByStepWithBack << false;
}

// Presses that come faster than the window repaints: each press of an
// available button is one action, none is lost or doubled, and presses of a
// button the last one disabled do nothing.
void ClassroomTest::fastPresses()
{
    QFETCH(QString, setup);
    QFETCH(QString, button);
    QFETCH(QString, how);
    QFETCH(int, presses);
    QFETCH(int, clicks);
    QFETCH(int, counter);
    QFETCH(QString, enabled);
    QFETCH(bool, ticking);

    FormDemo form;
    form.Timer1()->blockSignals(true); // only presses move the run here
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    PLAY(form, setup);
    auto *target = form.findChild<QAbstractButton *>(button);
    QVERIFY(target);
    QSignalSpy clicked(target, &QAbstractButton::clicked);
    for (int i = 0; i < presses; ++i) {
        if (how == QLatin1String("double")) {
            // Through the window system: press, release, press, double
            // click, release.
            const QPoint at = target->mapTo(&form, target->rect().center());
            QTest::mouseDClick(form.windowHandle(), Qt::LeftButton, {}, at);
        } else if (how == QLatin1String("space")) {
            if (target->isEnabled())
                target->setFocus(Qt::TabFocusReason);
            QTest::keyClick(target, Qt::Key_Space);
        } else {
            QTest::mouseClick(target, Qt::LeftButton);
        }
    }
    QCOMPARE(clicked.count(), clicks);
    QCOMPARE(int(form.stepCounter()), counter);
    QCOMPARE(enabledControls(form), enabled);
    QCOMPARE(form.Timer1()->isTicking(), ticking);
}

// Продолжить pressed again and again while the timer runs does not restart
// its period: the beat goes on.
void ClassroomTest::continuePressedOften()
{
    FormDemo form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    PLAY(form, u"SNK");
    QSignalSpy ticks(form.Timer1(), &IntervalTimer::Timer);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 1800) {
        QTest::mouseClick(form.Cmd_Goto(), Qt::LeftButton);
        QTest::qWait(100);
    }
    // Three beats fit; a timer restarted by each press would give none.
    QVERIFY2(ticks.count() >= 2, qPrintable(QString::number(ticks.count())));
    QCOMPARE(int(form.stepCounter()), 2 + ticks.count());
}

// The window closed by its close box in the middle of an automatic run
// takes no further step.
void ClassroomTest::closedMidRun()
{
    FormDemo form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    PLAY(form, u"SNKGT");
    QVERIFY(form.Timer1()->isTicking());
    QVERIFY(form.close());
    QVERIFY(!form.Timer1()->isTicking());
    QSignalSpy ticks(form.Timer1(), &IntervalTimer::Timer);
    QTest::qWait(700);
    QCOMPARE(ticks.count(), 0);
    QCOMPARE(int(form.stepCounter()), 3);
}

void ClassroomTest::aboutBoxWhileTheTimerRuns_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<int>("openFor"); // ms
    QTest::addColumn<bool>("endsWhileOpen");

    // From counter 2 on, 22 steps are left: 11 s of beats.
    QTest::newRow("open for a second early in the run") << "SNKG" << 1200 << false;
    // From counter 21 on, 4 steps are left: 2 s of beats.
    QTest::newRow("open when the run ends")
        << "S" + QString(20, QLatin1Char('N')) + "KG" << 3500 << true;
}

// The demonstration goes on behind the about box; once it is closed the
// window is in the state of wherever the run got to.
void ClassroomTest::aboutBoxWhileTheTimerRuns()
{
    QFETCH(QString, setup);
    QFETCH(int, openFor);
    QFETCH(bool, endsWhileOpen);

    FormDemo form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    PLAY(form, setup);
    const int before = form.stepCounter();
    QSignalSpy ticks(form.Timer1(), &IntervalTimer::Timer);
    {
        BoxCloser closer(openFor);
        QTest::keyClick(form.windowHandle(), Qt::Key_Escape);
        QCOMPARE(closer.seen().size(), 1);
    }
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY2(ticks.count() >= 1, "no tick while the about box was open");

    if (endsWhileOpen) {
        QCOMPARE(int(form.stepCounter()), 0);
        QCOMPARE(enabledControls(form), kIdle);
        QVERIFY(!form.Timer1()->isTicking());
    } else {
        QCOMPARE(int(form.stepCounter()), before + ticks.count());
        QCOMPARE(enabledControls(form), kAutomatic);
        QVERIFY(form.Timer1()->isTicking());
        // The run goes on to its end.
        QTRY_COMPARE_WITH_TIMEOUT(int(form.stepCounter()), 0, 20000);
    }
    QCOMPARE(form.Text1()->text(), QStringLiteral("3"));
    QCOMPARE(form.Text2()->text(), QStringLiteral("4"));
    QCOMPARE(form.Text3()->text(), QStringLiteral("5"));
}

QTEST_MAIN(ClassroomTest)
#include "tst_classroom.moc"
