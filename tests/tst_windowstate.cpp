// The demonstrator window's state: what assistive technology sees of it,
// the idle state after loading, and what the reset procedures leave.

#include "demomodel.h"
#include "fixtures.h"
#include "formdemo.h"
#include "snapshot.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <algorithm>
#include <map>

class WindowTest : public QObject
{
    Q_OBJECT
private slots:
    void accessibility();
    void idleAfterLoad();
    void resets();
};

void WindowTest::accessibility()
{
    FormDemo form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&form);
    QVERIFY(window);
    QCOMPARE(window->text(QAccessible::Name), form.windowTitle());

    std::map<QString, QAccessibleInterface *> byObject;
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface *child = window->child(i);
        QVERIFY(child);
        QCOMPARE(window->indexOfChild(child), i);
        QCOMPARE(child->parent()->object(), &form);
        byObject[child->object()->objectName()] = child;
        // No picture without a name.
        QVERIFY2(child->role() != QAccessible::Graphic || !child->text(QAccessible::Name).isEmpty(),
                 qPrintable(child->object()->objectName()));
    }
    // Every control is there but the shapes and lines, which only draw.
    const auto decoration = std::count_if(
        controlInventory().begin(), controlInventory().end(), [](const ControlRow &r) {
            return r.kind == ControlKind::Shape || r.kind == ControlKind::Line;
        });
    QCOMPARE(int(byObject.size()), int(controlInventory().size() - decoration));

    QAccessibleInterface *start = byObject.at(QStringLiteral("lbl_alg(0)"));
    QCOMPARE(start->role(), QAccessible::StaticText);
    QCOMPARE(start->text(QAccessible::Name), form.lbl_alg(0)->caption());
    QCOMPARE(start->rect(), QRect(form.mapToGlobal(form.lbl_alg(0)->pixels().topLeft()),
                                  form.lbl_alg(0)->pixels().size()));
    QAccessibleInterface *flowchart = byObject.at(QStringLiteral("Image4"));
    QCOMPARE(flowchart->text(QAccessible::Name), form.drawn(QStringLiteral("Image4"))->toolTip());
    QCOMPARE(byObject.at(QStringLiteral("Image3"))->role(), QAccessible::Button);
    QCOMPARE(byObject.at(QStringLiteral("Command1"))->text(QAccessible::Name), form.Command1()->text());
    QCOMPARE(window->childAt(form.mapToGlobal(QPoint(100, 120)).x(),
                             form.mapToGlobal(QPoint(100, 120)).y())->object(),
             form.drawn(QStringLiteral("Image4")));

    // A text box: its label as name, its content through the text interface.
    QAccessibleInterface *text1 = byObject.at(QStringLiteral("Text1"));
    QCOMPARE(text1->role(), QAccessible::EditableText);
    QCOMPARE(text1->text(QAccessible::Name), QString::fromUtf8(kBoxLabels[0]));
    QVERIFY(text1->textInterface());
    QCOMPARE(text1->textInterface()->text(0, text1->textInterface()->characterCount()),
             form.Text1()->text());

    // States and names follow the window.
    QAccessibleInterface *cell = byObject.at(QStringLiteral("Lbl_MemA"));
    QVERIFY(cell->state().invisible);
    QVERIFY(byObject.at(QStringLiteral("Cmd_Next"))->state().disabled);
    form.Command1_Click();
    QVERIFY(!byObject.at(QStringLiteral("Cmd_Next"))->state().disabled);
    QVERIFY(byObject.at(QStringLiteral("Text1"))->state().disabled);
    for (int i = 0; i < 6; ++i)
        form.Cmd_Next_Click();
    QVERIFY(!cell->state().invisible);
    QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("5"));
    QCOMPARE(byObject.at(QStringLiteral("lbl_alg(5)"))->text(QAccessible::Name),
             QStringLiteral("5 > 4"));

    // Through a whole run and after it is reset, the red lines and blocks
    // are the selected ones.
    const auto selectedAsRed = [&byObject] {
        QStringList wrong;
        for (const auto &[name, child] : byObject) {
            const auto *label = qobject_cast<const Label *>(child->object());
            if (child->state().selected != (label && label->foreColor() == kHighlight))
                wrong << name;
        }
        return wrong;
    };
    form.Cmd_Reset_Click();
    form.Command1_Click();
    for (int step = 1; form.stepCounter() != 0 && step <= 24; ++step) {
        form.Cmd_Next_Click();
        QCOMPARE(selectedAsRed(), QStringList());
    }
    QVERIFY(byObject.at(QStringLiteral("Lbl_List(23)"))->state().selected);
    form.Cmd_Reset_Click();
    QCOMPARE(selectedAsRed(), QStringList());
    QVERIFY(!byObject.at(QStringLiteral("Lbl_List(23)"))->state().selected);
}

// Loaded, the window is idle as the model of a demonstration has it, the
// memory panel's heading shown, the sort button focused.
void WindowTest::idleAfterLoad()
{
    FormDemo form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(differences(form, DemoModel()), QStringList());
    QVERIFY(form.label(QStringLiteral("Lbl_Mem"))->isVisible());
    QVERIFY(!form.lbl_alg(1)->isVisible());
    QCOMPARE(QApplication::focusWidget(), form.Command1());
}

void WindowTest::resets()
{
    FormDemo form;
    form.Command1_Click();
    for (int i = 0; i < 9; ++i)
        form.Cmd_Next_Click();

    // alg_cls twice leaves what once leaves.
    form.alg_cls();
    const QStringList once = snapshot(form);
    form.alg_cls();
    QCOMPARE(snapshot(form), once);
    QCOMPARE(form.stepCounter(), qint16(10)); // the counter is not touched

    // After a clear mid-run the panel stays hidden: step 2 is behind.
    for (int i = 0; i < 3; ++i)
        form.Cmd_Next_Click();
    QVERIFY(!form.label(QStringLiteral("Lbl_MemX"))->isVisible());

    // Mem_cls hides all eight cells and zeroes the memory.
    form.Cmd_Reset_Click();
    form.Command1_Click();
    for (int i = 0; i < 12; ++i)
        form.Cmd_Next_Click(); // through step 12: panel shown, X assigned
    QVERIFY(form.label(QStringLiteral("Lbl_MemX"))->isVisible());
    QCOMPARE(form.label(QStringLiteral("Lbl_MemX"))->caption(), QStringLiteral("3"));
    form.Mem_cls();
    for (const char *cell : kMemoryCells)
        QVERIFY(!form.label(QLatin1String(cell))->isVisible());
    QCOMPARE(form.X(), 0.0);
    QCOMPARE(form.C().toDouble(), 0.0);

    // prog_Begin leaves the check mark and the highlighting alone.
    form.Check1()->setChecked(false);
    form.prog_Begin();
    QVERIFY(!form.Check1()->isChecked());
    QVERIFY(!form.Check1()->isEnabled());
    QVERIFY(form.Lbl_List(10)->foreColor() == kHighlight);
    QCOMPARE(form.stepCounter(), qint16(0));
}

QTEST_MAIN(WindowTest)
#include "tst_windowstate.moc"
