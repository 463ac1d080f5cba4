// A whole lesson with the demonstrator, as one script: 5, 4, 3 stepped to
// the end with "Вперед", Сброс, a run in automatic mode on the real timer,
// a refused start, the about box, then the window closed. It is also the
// script the memory checker runs (tests/memcheck.sh).

#include "boxcloser.h"
#include "driver.h"
#include "formdemo.h"

#include <QLineEdit>
#include <QtTest>

class DemonstrationTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        dropOffscreenBoxWarnings();
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    }
    void lesson();
};

void DemonstrationTest::lesson()
{
    auto *form = new FormDemo;
    form->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<FormDemo> alive(form);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    BoxCloser closer;

    // 5, 4, 3 step by step: 24 steps.
    PLAY(*form, u"S");
    int steps = 0;
    while (form->stepCounter() != 0) {
        PLAY(*form, u"N");
        ++steps;
        QCoreApplication::processEvents();
    }
    QCOMPARE(steps, 24);
    QCOMPARE(form->Text1()->text() + form->Text2()->text() + form->Text3()->text(),
             QStringLiteral("345"));

    PLAY(*form, u"R");

    // Other numbers, in automatic mode on the window's own timer.
    form->Text1()->setText(QStringLiteral("9,5"));
    form->Text2()->setText(QStringLiteral("-7"));
    form->Text3()->setText(QStringLiteral("8"));
    PLAY(*form, u"SKG");
    QTRY_COMPARE_WITH_TIMEOUT(int(form->stepCounter()), 0, 60000);
    QCOMPARE(form->Text1()->text(), QStringLiteral("-7"));
    QCOMPARE(form->Text2()->text(), QStringLiteral("8"));
    QCOMPARE(form->Text3()->text(), QStringLiteral("9,5"));
    QVERIFY(!form->Timer1()->isTicking());

    // A box without a number: the start is refused with a message.
    form->Text2()->setText(QStringLiteral("восемь"));
    PLAY(*form, u"S");
    QCOMPARE(closer.seen().size(), 1);
    QVERIFY(closer.seen().last().text.contains(QStringLiteral("«восемь»")));
    QCOMPARE(int(form->stepCounter()), 0);

    // The about box.
    form->Form_KeyPress(27);
    QCOMPARE(closer.seen().size(), 2);
    QCOMPARE(closer.seen().last().title, QStringLiteral("Об авторе..."));

    form->close();
    QTRY_VERIFY(alive.isNull());
}

QTEST_MAIN(DemonstrationTest)
#include "tst_demonstration.moc"
