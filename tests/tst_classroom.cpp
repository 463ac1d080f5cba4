// What a classroom does to the demonstrator: boxes filled to the brim, text
// pasted with line breaks and tabs, buttons pressed fast and often, the
// about box left open while the timer runs.

#include "boxcloser.h"
#include "demomodel.h"
#include "driver.h"
#include "fixtures.h"
#include "formdemo.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <functional>

namespace {

constexpr int kLongestText = 32767; // what a text box holds


// Starts the demonstration: the box's text is read as `value`, or refused
// with a message naming the box. The window follows the model throughout.
void startWith(FormDemo &form, int index, bool accepted, double value)
{
    DemoModel model;
    model.type(index, inputBox(form, index)->text(),
               accepted ? std::optional<double>(value) : std::nullopt);
    BoxCloser closer;
    PLAY(form, u"S", &model);
    QCOMPARE(closer.seen().size(), accepted ? 0 : 1);
    if (accepted) {
        PLAY(form, u"NNNNN", &model);
        return;
    }
    const QString message = closer.seen().first().text;
    QVERIFY2(message.contains(QString::fromUtf8(kBoxLabels[index])), qPrintable(message));
    QVERIFY2(message.size() < 200, qPrintable(QString::number(message.size())));
    for (const QChar c : message)
        QVERIFY2(c.category() != QChar::Other_Control,
                 qPrintable(QStringLiteral("U+%1 in the message").arg(c.unicode(), 4, 16)));
    QCOMPARE(form.focusWidget(), inputBox(form, index));
    QCOMPARE(inputBox(form, index)->selectedText(), inputBox(form, index)->text());
}

} // namespace

Q_DECLARE_METATYPE(std::function<void(QAccessibleInterface *)>)

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
    void boxesLockedDuringRun_data();
    void boxesLockedDuringRun();

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
    QTest::addColumn<QChar>("button"); // the action letter of play()
    QTest::addColumn<QString>("how");  // click, double, space
    QTest::addColumn<int>("presses");

    // 5, 4, 3: steps come in order, 24 of them.
    QTest::newRow("Вперед clicked 10 times") << "S" << QChar('N') << "click" << 10;
    QTest::newRow("Вперед double-clicked 5 times") << "S" << QChar('N') << "double" << 5;
    QTest::newRow("Вперед by space 10 times") << "S" << QChar('N') << "space" << 10;
    QTest::newRow("Вперед clicked past the end") << "S" << QChar('N') << "click" << 40;
    QTest::newRow("sort button double-clicked") << "" << QChar('S') << "double" << 3;
    QTest::newRow("sort button by space 6 times") << "" << QChar('S') << "space" << 6;
    QTest::newRow("Продолжить clicked 20 times") << "SNK" << QChar('G') << "click" << 20;
    QTest::newRow("Стоп clicked 20 times") << "SNKG" << QChar('P') << "click" << 20;
    QTest::newRow("Стоп double-clicked 4 times") << "SNKG" << QChar('P') << "double" << 4;
    QTest::newRow("Сброс clicked 20 times") << "SNNN" << QChar('R') << "click" << 20;
    QTest::newRow("check box clicked 9 times") << "SN" << QChar('K') << "click" << 9;
    QTest::newRow("check box clicked 10 times") << "SN" << QChar('K') << "click" << 10;
    QTest::newRow("Назад clicked 20 times") << "SNKK" << QChar('B') << "click" << 20;
    QTest::newRow("Назад clicked 20 times after 10 steps")
        << QStringLiteral("S") + repeated('N', 10) << QChar('B') << "click" << 20;
    QTest::newRow("Назад double-clicked 4 times after 10 steps")
        << QStringLiteral("S") + repeated('N', 10) << QChar('B') << "double" << 4;
}

// Presses that come faster than the window repaints: each press of an
// available button is one action, none is lost or doubled, and presses of a
// button the last one disabled do nothing.
void ClassroomTest::fastPresses()
{
    QFETCH(QString, setup);
    QFETCH(QChar, button);
    QFETCH(QString, how);
    QFETCH(int, presses);

    FormDemo form;
    DemoModel model;
    form.Timer1()->blockSignals(true); // only presses move the run here
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    PLAY(form, setup, &model);
    QAbstractButton *target = buttonOf(form, button);
    QSignalSpy clicked(target, &QAbstractButton::clicked);
    int taken = 0;
    for (int i = 0; i < presses; ++i) {
        if (how == QLatin1String("double")) {
            // Through the window system: press, release, press, double
            // click, release.
            const QPoint at = target->mapTo(&form, target->rect().center());
            QTest::mouseDClick(form.windowHandle(), Qt::LeftButton, {}, at);
            taken += model.act(button);
        } else if (how == QLatin1String("space")) {
            if (target->isEnabled())
                target->setFocus(Qt::TabFocusReason);
            QTest::keyClick(target, Qt::Key_Space);
        } else {
            QTest::mouseClick(target, Qt::LeftButton);
        }
        taken += model.act(button);
    }
    QCOMPARE(clicked.count(), taken);
    QCOMPARE(differences(form, model), QStringList());
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
    DemoModel model;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    PLAY(form, setup, &model);
    QSignalSpy ticks(form.Timer1(), &IntervalTimer::Timer);
    {
        BoxCloser closer(openFor);
        QTest::keyClick(form.windowHandle(), Qt::Key_Escape);
        QCOMPARE(closer.seen().size(), 1);
    }
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY2(ticks.count() >= 1, "no tick while the about box was open");
    QCOMPARE(form.stepCounter() == 0, endsWhileOpen);
    QVERIFY(model.play(repeated('T', int(ticks.count()))));
    QCOMPARE(differences(form, model), QStringList());

    // The run goes on to its end.
    const int seen = int(ticks.count());
    QTRY_COMPARE_WITH_TIMEOUT(int(form.stepCounter()), 0, 20000);
    QVERIFY(model.play(repeated('T', int(ticks.count()) - seen)));
    QCOMPARE(differences(form, model), QStringList());
}

// Assistive technology can set a box's text even while it is disabled. In
// the middle of a run every way of doing so is refused: the box keeps its
// text, and the run reads and writes back the numbers it started with.
void ClassroomTest::boxesLockedDuringRun_data()
{
    using Edit = std::function<void(QAccessibleInterface *)>;
    QTest::addColumn<Edit>("edit");
    QTest::newRow("value set") << Edit([](QAccessibleInterface *box) {
        box->setText(QAccessible::Value, QStringLiteral("abc"));
    });
    QTest::newRow("text replaced") << Edit([](QAccessibleInterface *box) {
        box->editableTextInterface()->replaceText(0, 1, QStringLiteral("abc"));
    });
    QTest::newRow("text inserted") << Edit([](QAccessibleInterface *box) {
        box->editableTextInterface()->insertText(0, QStringLiteral("9"));
    });
    QTest::newRow("text deleted") << Edit([](QAccessibleInterface *box) {
        box->editableTextInterface()->deleteText(0, 1);
    });
}

void ClassroomTest::boxesLockedDuringRun()
{
    QFETCH(std::function<void(QAccessibleInterface *)>, edit);
    FormDemo form;
    DemoModel model;
    PLAY(form, u"SNNN", &model); // A read; B and C not yet
    for (int i = 0; i < 3; ++i) {
        edit(QAccessible::queryAccessibleInterface(inputBox(form, i)));
        QCOMPARE(inputBox(form, i)->text(), model.boxes[std::size_t(i)].text);
    }
    PLAY(form, repeated('N', 21), &model);
    QCOMPARE(differences(form, model), QStringList());
    // Idle again, the boxes take edits.
    edit(QAccessible::queryAccessibleInterface(form.Text3()));
    QVERIFY(form.Text3()->text() != model.boxes[2].text);
}

QTEST_MAIN(ClassroomTest)
#include "tst_classroom.moc"
