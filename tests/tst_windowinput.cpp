// The demonstrator window under the mouse and the keyboard: the tab order,
// who takes the mouse where, where a double click clears the displays, and
// whose tooltip shows, and where a right click opens the teacher's menu.

#include "demomodel.h"
#include "driver.h"
#include "formdemo.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolTip>
#include <QtTest>

class WindowTest : public QObject
{
    Q_OBJECT
private slots:
    void tabOrder();
    void mouseRouting_data();
    void mouseRouting();
    void doubleClick();
    void tooltips_data();
    void tooltips();
    void contextMenu_data();
    void contextMenu();
    void editMenuInBoxes();
};

namespace {

QPoint centre(const DrawnControl *c) { return c->pixels().center(); }

} // namespace

void WindowTest::tabOrder()
{
    FormDemo form;
    const QList<QWidget *> expected = {form.Command1(), form.Text1(), form.Text2(),
                                       form.Text3(), form.Check1(), form.Cmd_Preview(),
                                       form.Cmd_Next(), form.Cmd_Stop(), form.Cmd_Goto(),
                                       form.Cmd_Reset(), form.Command3()};
    for (int i = 0; i + 1 < expected.size(); ++i)
        QCOMPARE(expected[i]->nextInFocusChain(), expected[i + 1]);
    for (QPushButton *b : form.findChildren<QPushButton *>()) {
        QVERIFY(!b->isDefault());
        QVERIFY(b->autoDefault()); // Enter presses the focused button
    }
}

// Who takes the mouse where: the image boxes without a bitmap lie in front
// of the flowchart labels, the listing lines and the pictured window's
// labels (tooltips and the exit hot spot work over them); the live widgets
// lie above everything drawn.
void WindowTest::mouseRouting_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QString>("taker"); // a control's name; empty: the window's background

    FormDemo form;
    const QRect picturedWindow = form.drawn(QStringLiteral("Image6"))->pixels();
    for (const DrawnControl *c : form.drawnControls()) {
        if (c->kind() != DrawnControl::Kind::Label || !c->isVisible())
            continue;
        const QString taker = c->name() == QLatin1String("lbl_alg")    ? QStringLiteral("Image4")
                              : c->name() == QLatin1String("Lbl_List") ? QStringLiteral("Image5")
                              : picturedWindow.contains(c->pixels())   ? QStringLiteral("Image6")
                                                                       : c->fullName();
        QTest::newRow(qPrintable(c->fullName())) << centre(c) << taker;
    }
    for (const QWidget *w : runControls(form) + QList<QWidget *>{form.Cmd_Reset(), form.Command3()})
        QTest::newRow(qPrintable(w->objectName())) << w->geometry().center() << w->objectName();
    const QRect hotSpot = form.drawn(QStringLiteral("Image3"))->pixels();
    QTest::newRow("close box, top left") << hotSpot.topLeft() << "Image3";
    QTest::newRow("close box, bottom right") << hotSpot.bottomRight() << "Image3";
    QTest::newRow("next to the close box") << hotSpot.bottomRight() + QPoint(1, 0) << "Image2";
    QTest::newRow("desktop band") << QPoint(490, 100) << "Image1";
    QTest::newRow("hidden memory cell") << centre(form.label(QStringLiteral("Lbl_MemA"))) << "";
    QTest::newRow("panel shape") << QPoint(480, 420) << "";
    QTest::newRow("flowchart margin") << QPoint(3, 300) << "";
    QTest::newRow("line between flowchart and listing") << QPoint(262, 300) << "";
    QTest::newRow("run-control frame") << QPoint(690, 520) << "";
}
void WindowTest::mouseRouting()
{
    QFETCH(QPoint, point);
    QFETCH(QString, taker);
    FormDemo form;
    const QWidget *w = form.childAt(point);
    const DrawnControl *c = form.controlAt(point);
    QCOMPARE(w ? w->objectName() : c ? c->fullName() : QString(), taker);
}

// A double click reaches the window's handler only on bare background,
// with the left button; a label or image box takes it, transparent or not.
void WindowTest::doubleClick()
{
    FormDemo form;
    DemoModel model;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    PLAY(form, u"SNNNN", &model); // memory panel shown, A and B read
    const QPoint bare(262, 300);
    QVERIFY(!form.childAt(bare) && !form.controlAt(bare));

    for (const QPoint p : {centre(form.label(QStringLiteral("Lbl_MemA"))),
                           centre(form.label(QStringLiteral("Lbl_Mem"))), centre(form.lbl_alg(5)),
                           QPoint(600, 100)}) {
        QTest::mouseDClick(&form, Qt::LeftButton, Qt::NoModifier, p);
        QCOMPARE(differences(form, model), QStringList());
    }
    QTest::mouseDClick(&form, Qt::RightButton, Qt::NoModifier, bare);
    QCOMPARE(differences(form, model), QStringList());
    QTest::mouseDClick(&form, Qt::LeftButton, Qt::NoModifier, bare);
    QVERIFY(model.act(QLatin1Char('D')));
    QCOMPARE(differences(form, model), QStringList());
}

// The tooltip of the image box in front wherever the mouse rests, none on
// the live boxes and button above the pictured window. The pictured
// window's tooltip, showing as the pointer arrives, stays only while the
// pointer is on bare parts of that window.
void WindowTest::tooltips_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QString>("box"); // whose tooltip shows; empty: none
    FormDemo form;
    QTest::newRow("lbl_alg(5)") << centre(form.lbl_alg(5)) << "Image4";
    QTest::newRow("Lbl_List(3)") << centre(form.Lbl_List(3)) << "Image5";
    QTest::newRow("pictured window") << QPoint(540, 200) << "Image6";
    QTest::newRow("Label26") << centre(form.label(QStringLiteral("Label26"))) << "Image6";
    QTest::newRow("memory heading") << centre(form.label(QStringLiteral("Lbl_Mem"))) << "";
    QTest::newRow("background") << QPoint(262, 300) << "";
    for (const QWidget *w : {static_cast<QWidget *>(form.Text1()), static_cast<QWidget *>(form.Text2()),
                             static_cast<QWidget *>(form.Text3()), static_cast<QWidget *>(form.Command1())})
        QTest::newRow(qPrintable(w->objectName())) << w->geometry().center() << "";
    QTest::newRow("Text1's corner") << form.Text1()->geometry().topLeft() << "";
}
void WindowTest::tooltips()
{
    QFETCH(QPoint, point);
    QFETCH(QString, box);
    FormDemo form;
    const QString tip = box.isEmpty() ? QString() : form.drawn(box)->toolTip();
    QVERIFY(box.isEmpty() || !tip.isEmpty());
    const QString pictured = form.drawn(QStringLiteral("Image6"))->toolTip();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    // No button down, as QTest still counts the ones of an earlier double
    // click; then the pointer moves to a window point, onto what is there.
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton})
        QTest::mouseRelease(&form, button, Qt::NoModifier, QPoint(262, 300));
    const auto moveTo = [&form](const QPoint &p) {
        QWidget *under = form.childAt(p) ? form.childAt(p) : &form;
        QTest::mouseMove(under, under->mapFrom(&form, p));
        return under;
    };
    const auto restAt = [&form, &moveTo](const QPoint &p) {
        QWidget *under = moveTo(p);
        QHelpEvent event(QEvent::ToolTip, under->mapFrom(&form, p), form.mapToGlobal(p));
        QApplication::sendEvent(under, &event);
    };
    restAt(centre(form.label(QStringLiteral("Label25"))));
    QTRY_COMPARE(QToolTip::text(), pictured);

    moveTo(point);
    QTRY_COMPARE(QToolTip::text(), box == QLatin1String("Image6") ? pictured : QString());
    restAt(point);
    QTRY_COMPARE(QToolTip::text(), tip);
    QToolTip::hideText();
}

void WindowTest::contextMenu_data()
{
    QTest::addColumn<QString>("on");     // a control, or "" for bare background
    QTest::addColumn<QString>("choice"); // the item chosen, "Темп/n": a submenu's n-th
    QTest::addColumn<QString>("done");   // what it did: letters of play()

    QTest::newRow("background, a slower pace") << "" << "Темп/2" << "-";
    QTest::newRow("a listing line, the quickest pace") << "Lbl_List(5)" << "Темп/0" << "+";
    QTest::newRow("a button, the trace table") << "Cmd_Reset" << "Таблица трассировки" << "F";
    QTest::newRow("the check box, «Проверь себя»") << "Check1" << "Проверь себя" << "Q";
    QTest::newRow("an image box, the pace as it is") << "Image4" << "Темп/1" << "";
    // Mid-run: the lit line moves to the new listing's line of the step.
    QTest::newRow("background, Python") << "" << "Язык программы/2" << "LL";
    QTest::newRow("a listing line, the algorithmic language") << "Lbl_List(0)" << "Язык программы/4"
                                                              << "LLLL";
}

// A right click anywhere but in an input box opens the teacher's menu: the
// paces with the one in use checked, the listing's languages with the one
// shown checked, the trace table, «Проверь себя».
void WindowTest::contextMenu()
{
    QFETCH(QString, on);
    QFETCH(QString, choice);
    QFETCH(QString, done);

    FormDemo form;
    DemoModel model;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    PLAY(form, u"SN", &model);
    QWidget *target = &form;
    QPoint at = barePoint(form);
    if (auto *widget = form.findChild<QWidget *>(on)) {
        target = widget;
        at = widget->rect().center();
    } else if (!on.isEmpty()) {
        at = form.drawn(on)->pixels().center();
    }
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &click);
    QMenu *menu = nullptr;
    QTRY_VERIFY((menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())));

    QStringList items;
    for (QAction *action : menu->actions())
        items << action->text();
    QCOMPARE(items, QStringList({"Темп", "Язык программы", "Таблица трассировки", "Проверь себя"}));
    const auto submenu = [menu](int at) {
        QStringList texts;
        for (QAction *item : menu->actions().at(at)->menu()->actions())
            texts << item->text() + (item->isChecked() ? QStringLiteral(" *") : QString());
        return texts;
    };
    const auto seconds = [](double s) { return numberText(s) + QStringLiteral(" с на шаг"); };
    QCOMPARE(submenu(0), QStringList({seconds(0.25), seconds(0.5) + " *", seconds(1), seconds(2),
                                      seconds(4)}));
    QCOMPARE(submenu(1), QStringList({"Visual Basic *", "Pascal", "Python", "C++",
                                      "Школьный алгоритмический язык"}));

    if (choice.contains(QLatin1Char('/')))
        menu->actions().at(int(items.indexOf(choice.section(QLatin1Char('/'), 0, 0))))->menu()
            ->actions().at(choice.section(QLatin1Char('/'), -1).toInt())->trigger();
    for (QAction *action : menu->actions())
        if (action->text() == choice)
            action->trigger();
    menu->close();
    QVERIFY(model.play(done));
    QCOMPARE(differences(form, model).join("; "), QString());
}

// An input box keeps its own edit menu.
void WindowTest::editMenuInBoxes()
{
    FormDemo form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QPoint at = form.Text2()->rect().center();
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, form.Text2()->mapToGlobal(at));
    QApplication::sendEvent(form.Text2(), &click);
    QMenu *menu = nullptr;
    QTRY_VERIFY((menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())));
    for (QAction *action : menu->actions())
        QVERIFY2(action->text() != QStringLiteral("Темп"), "the teacher's menu in a box");
    menu->close();
}

QTEST_MAIN(WindowTest)
#include "tst_windowinput.moc"
