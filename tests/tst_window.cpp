// The demonstrator window as it opens: its controls where they belong,
// who takes the mouse and shows a tooltip, what assistive technology sees,
// the idle state after loading, the reset procedures, and the pictures
// drawn in their places at any scale factor.

#include "fonts.h"
#include "formdemo.h"
#include "inventory.h"

#include <QAccessible>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolTip>
#include <QtTest>

#include <cmath>
#include <set>

class WindowTest : public QObject
{
    Q_OBJECT
private slots:
    void window();
    void controlCounts();
    void flowchartLabels_data();
    void flowchartLabels();
    void listingSharesRowsWithFlowchart();
    void rightColumn_data();
    void rightColumn();
    void fonts();
    void fontFallback();
    void stacking();
    void stackingFaults_data();
    void stackingFaults();
    void tabOrder();
    void mouseRouting_data();
    void mouseRouting();
    void doubleClick();
    void tooltips_data();
    void tooltips();
    void accessibility();
    void idleAfterLoad();
    void resets();
    void picturesInWindow();
    void scaledText();
};

namespace {

QRect pixelBox(int x1, int x2, int y1, int y2) { return QRect(QPoint(x1, y1), QPoint(x2, y2)); }

const ControlRow *row(const QString &fullName)
{
    for (const ControlRow &r : controlInventory())
        if (r.fullName() == fullName)
            return &r;
    return nullptr;
}

QPoint centre(const DrawnControl *c) { return c->pixels().center(); }

// A snapshot of everything the reset procedures touch.
QStringList snapshot(const FormDemo &form)
{
    QStringList s;
    for (DrawnControl *c : form.drawnControls())
        if (auto *l = qobject_cast<Label *>(c))
            s << QStringLiteral("%1|%2|%3|%4")
                     .arg(l->fullName(), l->caption())
                     .arg(l->isVisible())
                     .arg(l->foreColor() == kHighlight);
    s << QString::number(form.stepCounter()) << form.A().text() << form.B().text()
      << form.C().text() << QString::number(form.X());
    for (QWidget *w : form.findChildren<QWidget *>())
        s << QStringLiteral("%1 enabled %2").arg(w->objectName()).arg(w->isEnabled());
    return s;
}

} // namespace

void WindowTest::window()
{
    FormDemo form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Демонстрация алгоритма сортировки трех чисел"));
    QCOMPARE(form.size(), QSize(788, 531));
    const Qt::WindowFlags f = form.windowFlags();
    QVERIFY(f & Qt::WindowCloseButtonHint);
    QVERIFY(!(f & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(f & Qt::WindowMaximizeButtonHint));
    QVERIFY(!form.windowIcon().isNull());
    QCOMPARE(form.palette().color(QPalette::Window), form.palette().color(QPalette::Button));
    QVERIFY(form.autoFillBackground());
    // Centred on the screen.
    const QPoint screenCentre = form.screen()->availableGeometry().center();
    QVERIFY((form.geometry().center() - screenCentre).manhattanLength() <= 2);

    // A resize moves and scales nothing.
    const QRect before = form.Command1()->geometry();
    const QRect labelBefore = form.lbl_alg(0)->pixels();
    form.resize(400, 300);
    form.resize(1000, 700);
    QCOMPARE(form.Command1()->geometry(), before);
    QCOMPARE(form.lbl_alg(0)->pixels(), labelBefore);
}

void WindowTest::controlCounts()
{
    std::map<ControlKind, int> kinds;
    std::set<QString> names;
    for (const ControlRow &r : controlInventory()) {
        ++kinds[r.kind];
        QVERIFY2(names.insert(r.fullName()).second, qPrintable(r.fullName()));
    }
    QCOMPARE(kinds[ControlKind::Line], 49);
    QCOMPARE(kinds[ControlKind::Shape], 6);
    QCOMPARE(kinds[ControlKind::ImageBox], 6);
    QCOMPARE(kinds[ControlKind::TextBox], 3);
    QCOMPARE(kinds[ControlKind::PushButton], 7);
    QCOMPARE(kinds[ControlKind::CheckBox], 1);
    QCOMPARE(kinds[ControlKind::Label], 27 + 24 + 3 + 9);

    FormDemo form;
    for (int i = 0; i <= 26; ++i)
        QCOMPARE(form.lbl_alg(i)->fullName(), QStringLiteral("lbl_alg(%1)").arg(i));
    for (int i = 0; i <= 23; ++i)
        QCOMPARE(form.Lbl_List(i)->fullName(), QStringLiteral("Lbl_List(%1)").arg(i));
}

// Every flowchart label on its block: the label's window pixels are the
// block's rows of the flowchart picture, drawn at the client origin.
void WindowTest::flowchartLabels_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QRect>("box");

    const int c1 = 120, c2 = 232, c3 = 344; // middle rows of the decisions
    QTest::newRow("start") << 0 << "Начало" << "1" << pixelBox(64, 144, 8, 24);
    QTest::newRow("hidden") << 1 << "Label1" << "0" << pixelBox(8, 32, 40, 56);
    QTest::newRow("input A") << 2 << "Ввод А" << "3" << pixelBox(64, 144, 32, 48);
    QTest::newRow("input B") << 3 << "Ввод В" << "4" << pixelBox(64, 144, 56, 72);
    QTest::newRow("input C") << 4 << "Ввод С" << "5" << pixelBox(64, 144, 80, 96);
    QTest::newRow("decision 1") << 5 << "A > B" << "6" << pixelBox(56, 152, c1 - 8, c1 + 8);
    QTest::newRow("yes 1") << 6 << "Да" << "7" << pixelBox(168, 200, c1 - 24, c1 - 8);
    QTest::newRow("X=A 1") << 7 << "X=A" << "7" << pixelBox(160, 256, c1 + 8, c1 + 24);
    QTest::newRow("A=B 1") << 8 << "A=B" << "8" << pixelBox(160, 256, c1 + 32, c1 + 48);
    QTest::newRow("B=X 1") << 9 << "B=X" << "9" << pixelBox(160, 256, c1 + 56, c1 + 72);
    QTest::newRow("no 1") << 10 << "Нет" << "0" << pixelBox(16, 48, c1 - 24, c1 - 8);
    QTest::newRow("decision 2") << 11 << "B > C" << "11" << pixelBox(56, 152, c2 - 8, c2 + 8);
    QTest::newRow("yes 2") << 12 << "Да" << "12" << pixelBox(168, 200, c2 - 24, c2 - 8);
    QTest::newRow("X=C 2") << 13 << "X=C" << "12" << pixelBox(160, 256, c2 + 8, c2 + 24);
    QTest::newRow("C=B 2") << 14 << "C=B" << "13" << pixelBox(160, 256, c2 + 32, c2 + 48);
    QTest::newRow("B=X 2") << 15 << "B=X" << "14" << pixelBox(160, 256, c2 + 56, c2 + 72);
    QTest::newRow("no 2") << 16 << "Нет" << "0" << pixelBox(16, 48, c2 - 24, c2 - 8);
    QTest::newRow("decision 3") << 17 << "A > B" << "16" << pixelBox(56, 152, c3 - 8, c3 + 8);
    QTest::newRow("yes 3") << 18 << "Да" << "17" << pixelBox(168, 200, c3 - 24, c3 - 8);
    QTest::newRow("X=A 3") << 19 << "X=A" << "17" << pixelBox(160, 256, c3 + 8, c3 + 24);
    QTest::newRow("A=B 3") << 20 << "A=B" << "18" << pixelBox(160, 256, c3 + 32, c3 + 48);
    QTest::newRow("B=X 3") << 21 << "B=X" << "19" << pixelBox(160, 256, c3 + 56, c3 + 72);
    QTest::newRow("no 3") << 22 << "Нет" << "0" << pixelBox(16, 48, c3 - 24, c3 - 8);
    QTest::newRow("output A") << 23 << "Вывод А" << "21" << pixelBox(64, 144, 432, 448);
    QTest::newRow("output B") << 24 << "Вывод В" << "22" << pixelBox(64, 144, 456, 472);
    QTest::newRow("output C") << 25 << "Вывод С" << "23" << pixelBox(64, 144, 480, 496);
    QTest::newRow("end") << 26 << "Конец" << "24" << pixelBox(64, 144, 504, 520);
}

void WindowTest::flowchartLabels()
{
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(QString, tag);
    QFETCH(QRect, box);

    const ControlRow *r = row(QStringLiteral("lbl_alg(%1)").arg(index));
    QVERIFY(r);
    QCOMPARE(r->text, caption);
    QCOMPARE(r->tag, tag);
    QCOMPARE(toPixels(r->twips), box);
    if (index == 1) {
        QVERIFY(!r->visible);
        QVERIFY(!r->transparent);
        QCOMPARE(r->font, FontId::Window);
        QCOMPARE(r->alignment, Qt::AlignLeft);
    } else {
        QVERIFY(r->visible);
        QVERIFY(r->transparent);
        QCOMPARE(r->font, FontId::Bold);
        QCOMPARE(r->alignment, Qt::AlignHCenter);
    }
    QVERIFY(r->fore == Colour(Colour::Role::ButtonText));
}

// Each comparison, exchange and output line of the listing stands on the
// row of its flowchart label.
void WindowTest::listingSharesRowsWithFlowchart()
{
    const std::pair<int, int> pairs[] = {{5, 5},   {6, 7},   {7, 8},   {8, 9},
                                         {10, 11}, {11, 13}, {12, 14}, {13, 15},
                                         {15, 17}, {16, 19}, {17, 20}, {18, 21},
                                         {20, 23}, {21, 24}, {22, 25}, {23, 26}};
    for (auto [line, label] : pairs)
        QCOMPARE(row(QStringLiteral("Lbl_List(%1)").arg(line))->twips.top(),
                 row(QStringLiteral("lbl_alg(%1)").arg(label))->twips.top());

    int previousTop = -1;
    for (int i = 0; i < 24; ++i) {
        const ControlRow *r = row(QStringLiteral("Lbl_List(%1)").arg(i));
        QCOMPARE(r->twips.left(), 4200);
        QCOMPARE(r->twips.width(), 2655);
        QCOMPARE(r->twips.height(), 255);
        QVERIFY(r->transparent);
        QVERIFY(r->twips.top() > previousTop);
        previousTop = r->twips.top();
    }
    QCOMPARE(row("Lbl_List(3)")->text, QStringLiteral("C = CDbl(Text2.Text)"));
    QCOMPARE(row("Lbl_List(4)")->text, QStringLiteral("B = CDbl(Text3.Text)"));
    QCOMPARE(row("Lbl_List(1)")->text, QStringLiteral("Dim A, B, C, X As Double"));
}

void WindowTest::rightColumn_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("text");

    QTest::newRow("Shape1") << "Shape1" << QRect(7080, 120, 4695, 3615) << "";
    QTest::newRow("Image1") << "Image1" << QRect(7200, 240, 4440, 3330) << "";
    QTest::newRow("Image2") << "Image2" << QRect(7800, 840, 3645, 2445) << "";
    QTest::newRow("Image3") << "Image3" << QRect(11160, 960, 135, 135) << "";
    QTest::newRow("Image6") << "Image6" << QRect(7800, 1200, 3555, 2055) << "";
    QTest::newRow("Label25") << "Label25" << QRect(8280, 1320, 975, 255) << "Число А=";
    QTest::newRow("Label26") << "Label26" << QRect(8280, 1800, 975, 255) << "Число В=";
    QTest::newRow("Label27") << "Label27" << QRect(8280, 2280, 975, 255) << "Число С=";
    QTest::newRow("Text1") << "Text1" << QRect(9480, 1320, 1575, 285) << "5";
    QTest::newRow("Text2") << "Text2" << QRect(9480, 1800, 1575, 285) << "4";
    QTest::newRow("Text3") << "Text3" << QRect(9480, 2280, 1575, 285) << "3";
    QTest::newRow("Command1") << "Command1" << QRect(8040, 2760, 3255, 375)
                              << "Сортировать числа по возраствнию";
    QTest::newRow("Shape5") << "Shape5" << QRect(7080, 3840, 4695, 2175) << "";
    QTest::newRow("Lbl_Mem") << "Lbl_Mem" << QRect(7320, 3960, 4215, 375) << "Память";
    QTest::newRow("Lbl_NameX") << "Lbl_NameX" << QRect(7200, 5640, 1095, 255) << "X";
    QTest::newRow("Lbl_MemB") << "Lbl_MemB" << QRect(8400, 4920, 3255, 255) << "";
    QTest::newRow("Shape4") << "Shape4" << QRect(7080, 6120, 4695, 1815) << "";
    QTest::newRow("Shape2") << "Shape2" << QRect(7200, 6240, 2895, 1575) << "";
    QTest::newRow("Shape6") << "Shape6" << QRect(10200, 6240, 1455, 1575) << "";
    QTest::newRow("Check1") << "Check1" << QRect(7320, 6360, 2415, 255) << "Пошаговый режим";
    QTest::newRow("Cmd_Preview") << "Cmd_Preview" << QRect(7320, 6720, 1215, 375) << "Назад";
    QTest::newRow("Cmd_Next") << "Cmd_Next" << QRect(8760, 6720, 1215, 375) << "Вперед";
    QTest::newRow("Cmd_Stop") << "Cmd_Stop" << QRect(7320, 7320, 1215, 375) << "Стоп";
    QTest::newRow("Cmd_Goto") << "Cmd_Goto" << QRect(8760, 7320, 1215, 375) << "Продолжить";
    QTest::newRow("Cmd_Reset") << "Cmd_Reset" << QRect(10320, 6360, 1215, 375) << "Сброс";
    QTest::newRow("Command3") << "Command3" << QRect(10320, 6840, 1215, 375) << "Выход";
    QTest::newRow("Image4") << "Image4" << QRect(120, 120, 3735, 7695) << "";
    QTest::newRow("Image5") << "Image5" << QRect(4200, 120, 2655, 7695) << "";
    QTest::newRow("Shape3") << "Shape3" << QRect(4080, 120, 2895, 7815) << "";
}

// The controls where the window puts them, at 15 twips a pixel.
void WindowTest::rightColumn()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QFETCH(QString, text);

    const ControlRow *r = row(name);
    QVERIFY(r);
    QCOMPARE(r->twips, twips);
    QCOMPARE(r->text, text);

    FormDemo form;
    const QRect px(twips.left() / 15, twips.top() / 15, twips.width() / 15, twips.height() / 15);
    if (QWidget *w = form.findChild<QWidget *>(name)) {
        QCOMPARE(w->geometry(), px);
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            QCOMPARE(b->text(), text);
        if (auto *t = qobject_cast<QLineEdit *>(w))
            QCOMPARE(t->text(), text);
    } else {
        DrawnControl *c = form.drawn(name);
        QVERIFY(c);
        QCOMPARE(c->pixels(), px);
    }
}

void WindowTest::fonts()
{
    FormDemo form;
    const QFont window = demoFont(FontId::Window);
    QCOMPARE(window.pixelSize(), 11);
    QCOMPARE(window.weight(), QFont::Normal);
    const QFont bold = demoFont(FontId::Bold);
    QCOMPARE(bold.pixelSize(), 11);
    QVERIFY(QFontInfo(bold).bold());
    QCOMPARE(demoFont(FontId::Heading).pixelSize(), 24);
    QCOMPARE(form.label(QStringLiteral("Lbl_Mem"))->fontId(), FontId::Heading);
    QCOMPARE(form.font().pixelSize(), 11);
    QCOMPARE(form.Command1()->font().pixelSize(), 11);
    // Bold text is wider than regular text in the same face.
    QVERIFY(QFontMetrics(bold).horizontalAdvance(QStringLiteral("Начало"))
            > QFontMetrics(window).horizontalAdvance(QStringLiteral("Начало")));
    // Cyrillic has glyphs, whichever face is in use.
    QVERIFY(QFontMetrics(window).inFont(QChar(0x0416)));
    QVERIFY(QFontMetrics(bold).inFont(QChar(0x0416)));
}

void WindowTest::fontFallback()
{
    const FontFaces none = loadFontFaces({QStringLiteral("/nonexistent-folder")});
    QVERIFY(none.regular.isEmpty());
    QVERIFY(none.bold.isEmpty());
    QVERIFY(none.large.isEmpty());
}

void WindowTest::stacking()
{
    FormDemo form;
    const auto &stack = form.drawnControls();
    // Every drawn control once.
    int drawnRows = 0;
    for (const ControlRow &r : controlInventory())
        if (r.kind == ControlKind::Label || r.kind == ControlKind::ImageBox
            || r.kind == ControlKind::Shape || r.kind == ControlKind::Line)
            ++drawnRows;
    QCOMPARE(int(stack.size()), drawnRows);
    std::map<QString, int> depth;
    for (std::size_t i = 0; i < stack.size(); ++i) {
        QVERIFY(stack[i]);
        QVERIFY(depth.emplace(stack[i]->fullName(), int(i)).second);
    }
    auto inFront = [&](const char *a, const QString &b) {
        return depth.at(QString::fromLatin1(a)) < depth.at(b);
    };

    // The image boxes without a bitmap lie in front of every label.
    for (const char *box : {"Image3", "Image4", "Image5", "Image6"})
        for (DrawnControl *c : stack)
            if (c->kind() == DrawnControl::Kind::Label)
                QVERIFY2(inFront(box, c->fullName()), qPrintable(c->fullName()));
    // Every opaque panel lies behind what sits on it.
    for (const char *panel : {"Shape1", "Shape3", "Shape4", "Shape5"}) {
        const QRect area = form.drawn(QString::fromLatin1(panel))->twips();
        for (DrawnControl *c : stack)
            if (c->kind() != DrawnControl::Kind::Line && c->kind() != DrawnControl::Kind::Shape
                && area.contains(c->twips()))
                QVERIFY2(!inFront(panel, c->fullName()),
                         qPrintable(QStringLiteral("%1 over %2").arg(panel, c->fullName())));
    }
    QVERIFY(inFront("Image2", QStringLiteral("Image1")));
    QVERIFY(inFront("Image1", QStringLiteral("Shape1")));
    for (const char *l : {"Label25", "Label26", "Label27"})
        QVERIFY(depth.at(QString::fromLatin1(l)) < depth.at(QStringLiteral("Image2")));
    QCOMPARE(stack.back()->fullName(), QStringLiteral("Line43"));
    QCOMPARE(stack.front()->fullName(), QStringLiteral("Image3"));
}

// A stacking order that doesn't match the inventory is refused, each fault
// named; the window turns them into a stop at start-up.
void WindowTest::stackingFaults_data()
{
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<QStringList>("problems");

    const QStringList sound = stackingOrder();
    QStringList misspelt = sound;
    misspelt.replace(misspelt.indexOf("Lbl_MemX"), "Lbl_MemXX");
    QStringList widget = sound;
    widget.replace(widget.indexOf("Image3"), "Text1");
    QStringList twice = sound;
    twice.append("Shape4");
    QStringList leftOut = sound;
    leftOut.removeAll("Line43");

    QTest::newRow("sound") << sound << QStringList();
    QTest::newRow("misspelt") << misspelt
                              << QStringList{"no drawn control named \"Lbl_MemXX\"",
                                             "drawn control \"Lbl_MemX\" left out"};
    QTest::newRow("not drawn") << widget
                               << QStringList{"no drawn control named \"Text1\"",
                                              "drawn control \"Image3\" left out"};
    QTest::newRow("twice") << twice << QStringList{"\"Shape4\" listed twice"};
    QTest::newRow("left out") << leftOut << QStringList{"drawn control \"Line43\" left out"};
}

void WindowTest::stackingFaults()
{
    QFETCH(QStringList, order);
    QFETCH(QStringList, problems);
    QStringList found;
    const std::vector<std::size_t> rows = resolveStacking(order, controlInventory(), found);
    QCOMPARE(found, problems);
    if (problems.isEmpty())
        QCOMPARE(rows.size(), std::size_t(order.size()));
}

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
        QVERIFY(!b->autoDefault());
    }
}

void WindowTest::mouseRouting_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QString>("taker"); // empty: the window's background

    QTest::newRow("flowchart label") << QPoint(100, 120) << "Image4";
    QTest::newRow("listing line") << QPoint(300, 60) << "Image5";
    QTest::newRow("pictured window") << QPoint(560, 150) << "Image6";
    QTest::newRow("pictured close box") << QPoint(748, 68) << "Image3";
    QTest::newRow("close box corner") << QPoint(744, 64) << "Image3";
    QTest::newRow("next to close box") << QPoint(753, 68) << "Image2";
    QTest::newRow("desktop band") << QPoint(490, 100) << "Image1";
    QTest::newRow("memory heading") << QPoint(630, 272) << "Lbl_Mem";
    QTest::newRow("hidden memory cell") << QPoint(600, 310) << "";
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
    DrawnControl *c = form.controlAt(point);
    QCOMPARE(c ? c->fullName() : QString(), taker);
}

// A double click reaches the window's handler only on bare background;
// a label or image box takes it, transparent or not.
void WindowTest::doubleClick()
{
    FormDemo form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.Command1_Click();
    for (int i = 0; i < 4; ++i)
        form.Cmd_Next_Click(); // memory panel shown, A and B read

    const QString cell = QStringLiteral("Lbl_MemA");
    const QPoint onCell = centre(form.label(cell));
    const QPoint onHeading = centre(form.label(QStringLiteral("Lbl_Mem")));
    const QPoint onFlowchartLabel = centre(form.lbl_alg(5));
    const QPoint onPicture(600, 100);
    for (QPoint p : {onCell, onHeading, onFlowchartLabel, onPicture}) {
        QTest::mouseDClick(&form, Qt::LeftButton, Qt::NoModifier, p);
        QCOMPARE(form.label(cell)->caption(), QStringLiteral("5"));
        QVERIFY(form.Lbl_List(2)->foreColor() == kHighlight);
    }
    // A right double click does nothing either.
    QTest::mouseDClick(&form, Qt::RightButton, Qt::NoModifier, QPoint(262, 300));
    QCOMPARE(form.label(cell)->caption(), QStringLiteral("5"));

    QTest::mouseDClick(&form, Qt::LeftButton, Qt::NoModifier, QPoint(262, 300));
    QVERIFY(form.label(cell)->caption().isEmpty());
    QVERIFY(!form.label(cell)->isVisible());
    QVERIFY(form.Lbl_List(2)->foreColor() == kNormal);
    QCOMPARE(form.stepCounter(), qint16(5)); // the run goes on
}

void WindowTest::tooltips_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QString>("tip");
    FormDemo form;
    QTest::newRow("lbl_alg(5)") << centre(form.lbl_alg(5))
                                << "Блок-схема алгоритма сортировки трех чисел";
    QTest::newRow("Lbl_List(3)") << centre(form.Lbl_List(3))
                                 << "Программый код, реализующий сортировку трех чисел.";
    QTest::newRow("pictured window") << QPoint(540, 200) << "Форма для выполнения сортировки.";
    QTest::newRow("Label26") << centre(form.label(QStringLiteral("Label26")))
                             << "Форма для выполнения сортировки.";
    QTest::newRow("memory heading") << centre(form.label(QStringLiteral("Lbl_Mem"))) << "";
    QTest::newRow("background") << QPoint(262, 300) << "";
}

void WindowTest::tooltips()
{
    QFETCH(QPoint, point);
    QFETCH(QString, tip);
    FormDemo form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QToolTip::hideText();
    QHelpEvent event(QEvent::ToolTip, point, form.mapToGlobal(point));
    QApplication::sendEvent(&form, &event);
    QTRY_COMPARE(QToolTip::text(), tip);
    QToolTip::hideText();
}

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
    }
    // Every control, drawn or not, is there.
    QCOMPARE(int(byObject.size()), int(controlInventory().size()));

    QAccessibleInterface *start = byObject.at(QStringLiteral("lbl_alg(0)"));
    QCOMPARE(start->role(), QAccessible::StaticText);
    QCOMPARE(start->text(QAccessible::Name), QStringLiteral("Начало"));
    QCOMPARE(start->rect(), QRect(form.mapToGlobal(QPoint(64, 8)), QSize(81, 17)));
    QAccessibleInterface *flowchart = byObject.at(QStringLiteral("Image4"));
    QCOMPARE(flowchart->text(QAccessible::Name),
             QStringLiteral("Блок-схема алгоритма сортировки трех чисел"));
    QCOMPARE(byObject.at(QStringLiteral("Image3"))->role(), QAccessible::Button);
    QCOMPARE(byObject.at(QStringLiteral("Command1"))->text(QAccessible::Name),
             QStringLiteral("Сортировать числа по возраствнию"));
    QCOMPARE(window->childAt(form.mapToGlobal(QPoint(100, 120)).x(),
                             form.mapToGlobal(QPoint(100, 120)).y())->object(),
             form.drawn(QStringLiteral("Image4")));

    // A text box: its label as name, its content through the text interface.
    QAccessibleInterface *text1 = byObject.at(QStringLiteral("Text1"));
    QCOMPARE(text1->role(), QAccessible::EditableText);
    QCOMPARE(text1->text(QAccessible::Name), QStringLiteral("Число А="));
    QVERIFY(text1->textInterface());
    QCOMPARE(text1->textInterface()->text(0, text1->textInterface()->characterCount()),
             QStringLiteral("5"));

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
}

void WindowTest::idleAfterLoad()
{
    FormDemo form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));

    QCOMPARE(form.stepCounter(), qint16(0));
    for (const char *cell : {"Lbl_NameA", "Lbl_NameB", "Lbl_NameC", "Lbl_NameX", "Lbl_MemA",
                             "Lbl_MemB", "Lbl_MemC", "Lbl_MemX"}) {
        QVERIFY(!form.label(QLatin1String(cell))->isVisible());
        QVERIFY(form.label(QLatin1String(cell))->caption().isEmpty());
    }
    QVERIFY(form.label(QStringLiteral("Lbl_Mem"))->isVisible());
    const std::map<int, const char *> captions = {
        {1, ""},      {5, "A > B"},  {7, "X = A"},  {8, "A = B"},  {9, "B = X"},
        {11, "B > C"}, {13, "X = C"}, {14, "C = B"}, {15, "B = X"}, {17, "A > B"},
        {19, "X = A"}, {20, "A = B"}, {21, "B = X"}, {0, "Начало"}, {6, "Да"}, {10, "Нет"}};
    for (auto [i, caption] : captions)
        QCOMPARE(form.lbl_alg(i)->caption(), QString::fromUtf8(caption));
    QVERIFY(!form.lbl_alg(1)->isVisible());
    for (int i = 0; i <= 26; ++i)
        QVERIFY(form.lbl_alg(i)->foreColor() != kHighlight);
    for (int i = 0; i < 24; ++i)
        QVERIFY(form.Lbl_List(i)->foreColor() != kHighlight);

    for (QWidget *w : {static_cast<QWidget *>(form.Command1()), static_cast<QWidget *>(form.Text1()),
                       static_cast<QWidget *>(form.Text2()), static_cast<QWidget *>(form.Text3()),
                       static_cast<QWidget *>(form.Cmd_Reset()), static_cast<QWidget *>(form.Command3())})
        QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
    for (QWidget *w : {static_cast<QWidget *>(form.Cmd_Preview()), static_cast<QWidget *>(form.Cmd_Next()),
                       static_cast<QWidget *>(form.Cmd_Stop()), static_cast<QWidget *>(form.Cmd_Goto()),
                       static_cast<QWidget *>(form.Check1())})
        QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    QVERIFY(form.Check1()->isChecked());
    QVERIFY(!form.Timer1()->isEnabled());
    QCOMPARE(form.Timer1()->interval(), 500);
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
    for (const char *cell : {"Lbl_NameA", "Lbl_NameB", "Lbl_NameC", "Lbl_NameX", "Lbl_MemA",
                             "Lbl_MemB", "Lbl_MemC", "Lbl_MemX"})
        QVERIFY(!form.label(QLatin1String(cell))->isVisible());
    QCOMPARE(form.X(), 0.0);
    QCOMPARE(form.C().type(), VariantNumber::Type::Integer);

    // prog_Begin leaves the check mark and the highlighting alone.
    form.Check1()->setChecked(false);
    form.prog_Begin();
    QVERIFY(!form.Check1()->isChecked());
    QVERIFY(!form.Check1()->isEnabled());
    QVERIFY(form.Lbl_List(10)->foreColor() == kHighlight);
    QCOMPARE(form.stepCounter(), qint16(0));
}

// The pictures at their places, unscaled: with every control hidden the
// client area is the flowchart at the origin, the desktop at Image1 and
// the sorter's window at Image2. At a whole scale factor every picture
// pixel is a square block of one colour.
void WindowTest::picturesInWindow()
{
    FormDemo form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (DrawnControl *c : form.drawnControls())
        if (c->kind() != DrawnControl::Kind::ImageBox)
            c->setVisible(false);
    for (QWidget *w : form.findChildren<QWidget *>())
        w->hide();

    const QImage shot = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal dpr = form.devicePixelRatioF();
    QCOMPARE(shot.size(), (QSizeF(788, 531) * dpr).toSize());

    struct Placed { QString resource; QPoint at; QRect visible; };
    const Placed pictures[] = {
        {QStringLiteral(":/pictures/flowchart.bmp"), QPoint(0, 0), QRect(0, 0, 266, 531)},
        {QStringLiteral(":/pictures/sorter_window.bmp"), QPoint(520, 56), QRect(0, 0, 243, 163)},
        // The desktop shows around the sorter's window only.
        {QStringLiteral(":/pictures/desktop.bmp"), QPoint(480, 16), QRect(0, 0, 296, 40)},
        {QStringLiteral(":/pictures/desktop.bmp"), QPoint(480, 16), QRect(0, 203, 296, 19)},
    };
    const bool whole = dpr == std::floor(dpr);
    const int k = int(dpr);
    for (const Placed &p : pictures) {
        const QImage picture = QImage(p.resource).convertToFormat(QImage::Format_RGB32);
        QVERIFY2(!picture.isNull(), qPrintable(p.resource));
        int mismatches = 0;
        for (int y = p.visible.top(); y <= p.visible.bottom(); ++y)
            for (int x = p.visible.left(); x <= p.visible.right(); ++x) {
                const QRgb want = picture.pixel(x, y);
                const QPoint w = p.at + QPoint(x, y);
                if (whole) {
                    for (int dy = 0; dy < k; ++dy)
                        for (int dx = 0; dx < k; ++dx)
                            if (shot.pixel(w.x() * k + dx, w.y() * k + dy) != want)
                                ++mismatches;
                } else {
                    // Smoothed, but still in place: the centre of each picture
                    // pixel stays near its colour.
                    const QPoint s((w.x() + 0.5) * dpr, (w.y() + 0.5) * dpr);
                    const QColor got = shot.pixelColor(s);
                    const QColor exp = QColor(want);
                    if (std::abs(got.red() - exp.red()) > 160
                        || std::abs(got.green() - exp.green()) > 160
                        || std::abs(got.blue() - exp.blue()) > 160)
                        ++mismatches;
                }
            }
        QVERIFY2(mismatches == 0, qPrintable(QStringLiteral("%1: %2 pixels differ at scale %3")
                                                 .arg(p.resource).arg(mismatches).arg(dpr)));
    }

    // The exit hot spot lies on the cross of the pictured close button.
    const QRect hotSpot = form.drawn(QStringLiteral("Image3"))->pixels();
    QCOMPARE(hotSpot.size(), QSize(9, 9));
    int black = 0;
    for (int y = hotSpot.top(); y <= hotSpot.bottom(); ++y)
        for (int x = hotSpot.left(); x <= hotSpot.right(); ++x)
            if (qGray(shot.pixel(QPoint((x + 0.5) * dpr, (y + 0.5) * dpr))) < 60)
                ++black;
    QVERIFY2(black >= 20, qPrintable(QString::number(black)));
}

// At any scale factor the window's text comes from faces that scale, so
// letters keep their spacing.
void WindowTest::scaledText()
{
    FormDemo form;
    for (FontId id : {FontId::Window, FontId::Bold, FontId::Heading}) {
        const QFontInfo info(demoFont(id));
        if (qGuiApp->devicePixelRatio() != 1.0)
            QVERIFY2(QFontDatabase::isScalable(info.family(), info.styleName()),
                     qPrintable(info.family()));
        QCOMPARE(info.pixelSize() >= 11, true);
    }
    const QString text = QStringLiteral("Private Sub Command1_Click()");
    const int width = QFontMetrics(demoFont(FontId::Window)).horizontalAdvance(text);
    // The listing's longest line fits its label at every scale.
    QVERIFY2(width <= form.Lbl_List(0)->pixels().width(), qPrintable(QString::number(width)));
}

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
