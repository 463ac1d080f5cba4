#include "boxcloser.h"
#include "brivon_program.h"
#include "classicfont.h"
#include "form1.h"
#include "heldkey.h"
#include "stated.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

namespace {

const QString caption = QString::fromUtf8(brivon_program::kTitle);
const QLocale english(QLocale::English, QLocale::UnitedStates);
const QLocale russian(QLocale::Russian, QLocale::Russia);

// Presses Command1 the way a user does; a message box that opens is
// remembered and closed with its OK button.
QList<SeenBox> press(Form1 &form)
{
    BoxCloser closer;
    QTest::mouseClick(form.findChild<QPushButton *>("Command1"), Qt::LeftButton);
    // In a web page the box is open still, not waited for.
    if (!QTest::qWaitFor([&closer] {
            closer.closeOpenBox();
            return !QApplication::activeModalWidget();
        }))
        QTest::qFail("a message box stayed open", __FILE__, __LINE__);
    return closer.seen();
}

QList<QLineEdit *> boxes(Form1 &form)
{
    return {form.findChild<QLineEdit *>("Text1"), form.findChild<QLineEdit *>("Text2"),
            form.findChild<QLineEdit *>("Text3")};
}

} // namespace

class SorterTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(english); }

    void sort_data();
    void sort();
    void refused_data();
    void refused();
    void keys_data();
    void keys();
    void controls();
    void window();
    void tabOrder();
    void font();
};

void SorterTest::sort_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");

    const auto row = [](const char *name, const QLocale &locale, const QStringList &before,
                        const QStringList &after) {
        QTest::newRow(name) << locale << before << after;
    };
    row("5 8 3", english, {"5", "8", "3"}, {"3", "5", "8"});
    row("5 4 3", english, {"5", "4", "3"}, {"3", "4", "5"});
    row("1 2 3", english, {"1", "2", "3"}, {"1", "2", "3"});
    row("7 7 7", english, {"7", "7", "7"}, {"7", "7", "7"});
    row("numbers, not strings", english, {"10", "9", "100"}, {"9", "10", "100"});
    row("written back in own form", english, {"03", "4", "5"}, {"3", "4", "5"});
    row("spaces", english, {" 7 ", "1", "2"}, {"1", "2", "7"});
    row("minus zero", english, {"-0", "1", "-1"}, {"-1", "0", "1"});
    row("en fractions", english, {"2.50", "-1.5", "1e3"}, {"-1.5", "2.5", "1000"});
    row("ru fractions", russian, {"-1", "0,5", "-2"}, {"-2", "-1", "0,5"});
    row("ru dot", russian, {"1.5", "1", "2"}, {"1", "1,5", "2"});
    row("C", QLocale::c(), {"0.25", "-3", "0.125"}, {"-3", "0.125", "0.25"});
    // Pasted from a spreadsheet, with group separators.
    row("ru grouped", russian, {"1\u00a0000", "1 000,5", "999"}, {"999", "1000", "1000,5"});
    row("en grouped", english, {"1,000", "-2,000.5", "10"}, {"-2000.5", "10", "1000"});
    row("pasted with line breaks and tabs", russian, {"5\n", "\t2,5\t", "\r\n1\r\n"},
        {"1", "2,5", "5"});
    row("a box filled with zeros", english, {QString(32766, QChar('0')) + "7", "1", "2"},
        {"1", "2", "7"});
    row("ends of the range", english, {"1.7976931348623157e308", "-1.7976931348623157E+308", "1e308"},
        {"-1.7976931348623157E+308", "1E+308", "1.7976931348623157E+308"});
    row("ru ends of the range", russian, {"4,9e-324", "1,7976931348623157e308", "-4,9e-324"},
        {"-5E-324", "5E-324", "1,7976931348623157E+308"});
    // 16 and 17 digits come back as typed, or as the shortest text of the
    // same double.
    row("exact digits", english, {"12345678901234567890", "1.0000000000000002", "0.1234567890123456"},
        {"0.1234567890123456", "1.0000000000000002", "1.2345678901234567E+19"});

    // Every order of three numbers, distinct and with a pair, comes out sorted.
    const QList<QStringList> orders = {{"1", "2", "3"}, {"1", "1", "2"}, {"1", "2", "2"}};
    for (QStringList before : orders) {
        const QStringList sorted = before;
        std::sort(before.begin(), before.end());
        do {
            QTest::addRow("order %s", qPrintable(before.join(' '))) << english << before << sorted;
        } while (std::next_permutation(before.begin(), before.end()));
    }
}

void SorterTest::sort()
{
    QFETCH(QLocale, locale);
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);

    QLocale::setDefault(locale);
    Form1 form;
    const QList<QLineEdit *> text = boxes(form);
    for (int i = 0; i < 3; ++i)
        text[i]->setText(before[i]);

    const QList<SeenBox> message = press(form);
    QVERIFY2(message.isEmpty(), qPrintable(message.value(0).text));
    QCOMPARE(QStringList({text[0]->text(), text[1]->text(), text[2]->text()}), after);

    // The program reads what it wrote: a second press changes nothing.
    const QList<SeenBox> again = press(form);
    QVERIFY2(again.isEmpty(), qPrintable(again.value(0).text));
    QCOMPARE(QStringList({text[0]->text(), text[1]->text(), text[2]->text()}), after);
}

void SorterTest::refused_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("bad");
    QTest::addColumn<QString>("message");

    const QString empty = QStringLiteral("Поле «%1» пустое. Введите число, например: %2");
    const QString notNumber =
        QStringLiteral("В поле «%1» не число: «%2». Введите число, например: %3");
    const QString tooLarge =
        QStringLiteral("В поле «%1» слишком большое число: «%2». Введите число, например: %3");
    // The boxes are named by their labels.
    const QString a = QString::fromUtf8(kSorterControls[0].text),
                  b = QString::fromUtf8(kSorterControls[1].text),
                  c = QString::fromUtf8(kSorterControls[2].text);

    QTest::newRow("empty") << english << QStringList{"", "8", "3"} << 0 << empty.arg(a, "2.5");
    QTest::newRow("only spaces") << english << QStringList{"5", "   ", "3"} << 1
                                 << empty.arg(b, "2.5");
    QTest::newRow("letters") << english << QStringList{"5", "8", "abc"} << 2
                             << notNumber.arg(c, "abc", "2.5");
    QTest::newRow("two numbers") << english << QStringList{"1 2", "8", "3"} << 0
                                 << notNumber.arg(a, "1 2", "2.5");
    QTest::newRow("inf") << english << QStringList{"5", "inf", "3"} << 1
                         << notNumber.arg(b, "inf", "2.5");
    QTest::newRow("nan") << english << QStringList{"5", "8", "nan"} << 2
                         << notNumber.arg(c, "nan", "2.5");
    QTest::newRow("out of range") << english << QStringList{"1e999", "8", "3"} << 0
                                  << tooLarge.arg(a, "1e999", "2.5");
    QTest::newRow("en 1,5") << english << QStringList{"5", "1,5", "3"} << 1
                            << notNumber.arg(b, "1,5", "2.5");
    QTest::newRow("ru misplaced group separator") << russian << QStringList{"5", "10 00,5", "3"}
                                                  << 1 << notNumber.arg(b, "10 00,5", "2,5");
    QTest::newRow("ru zero before a space") << russian << QStringList{"0 123", "8", "3"} << 0
                                            << notNumber.arg(a, "0 123", "2,5");
    QTest::newRow("ru two spaces") << russian << QStringList{"5", "8", "1  000"} << 2
                                   << notNumber.arg(c, "1  000", "2,5");
    QTest::newRow("ru letters") << russian << QStringList{"5", "8", "x"} << 2
                                << notNumber.arg(c, "x", "2,5");
    QTest::newRow("first bad box") << english << QStringList{"5", "abc", ""} << 1
                                   << notNumber.arg(b, "abc", "2.5");
    QTest::newRow("long text cut") << english
                                   << QStringList{"5", "8", "abcdefghijklmnopqrstuvwxyz"} << 2
                                   << notNumber.arg(c, "abcdefghijklmnopqrstuvwx…", "2.5");
    QTest::newRow("cut between characters, not halves")
        << english << QStringList{QString(30, QChar('x')).replace(23, 1, "\U0001F600"), "8", "3"}
        << 0 << notNumber.arg(a, QString(23, QChar('x')) + "\U0001F600…", "2.5");
    QTest::newRow("place markers quoted as typed") << english << QStringList{"%1%3", "8", "3"}
                                                   << 0 << notNumber.arg(a, "%1%3", "2.5");
    QTest::newRow("markup quoted as typed") << english << QStringList{"5", "<b>1</b>", "3"} << 1
                                            << notNumber.arg(b, "<b>1</b>", "2.5");
    // Pasted text: the message stays on one line.
    QTest::newRow("a pasted column") << russian << QStringList{"1\n2", "8", "3"} << 0
                                     << notNumber.arg(a, "1 2", "2,5");
    QTest::newRow("a pasted table row") << russian << QStringList{"5", "4\t\t3\r\n", "3"} << 1
                                        << notNumber.arg(b, "4  3", "2,5");
    QTest::newRow("only line breaks and tabs") << russian << QStringList{"5", "8", "\n\t\r\n"}
                                               << 2 << empty.arg(c, "2,5");
    QTest::newRow("writing direction reversed") << english << QStringList{"\u202E12x", "8", "3"}
                                                << 0 << notNumber.arg(a, "12x", "2.5");
    QTest::newRow("32767 nines") << english << QStringList{"5", QString(32767, QChar('9')), "3"}
                                 << 1 << tooLarge.arg(b, QString(24, QChar('9')) + "…", "2.5");
    QTest::newRow("32767 spaces") << english << QStringList{"5", "8", QString(32767, QChar(' '))}
                                  << 2 << empty.arg(c, "2.5");
}

void SorterTest::refused()
{
    QFETCH(QLocale, locale);
    QFETCH(QStringList, before);
    QFETCH(int, bad);
    QFETCH(QString, message);

    QLocale::setDefault(locale);
    Form1 form;
    form.show();
    const QList<QLineEdit *> text = boxes(form);
    for (int i = 0; i < 3; ++i)
        text[i]->setText(before[i]);

    const QList<SeenBox> boxesSeen = press(form);
    QCOMPARE(boxesSeen.size(), 1);
    const SeenBox &seen = boxesSeen.first();
    QCOMPARE(seen.title, caption);
    QCOMPARE(seen.text, message);
    QCOMPARE(seen.icon, QMessageBox::Warning);
    QCOMPARE(seen.format, Qt::PlainText);
    QCOMPARE(seen.font, form.font());

    QCOMPARE(QStringList({text[0]->text(), text[1]->text(), text[2]->text()}), before);
    QCOMPARE(form.focusWidget(), text[bad]);
    QCOMPARE(text[bad]->selectedText(), before[bad]);
}

void SorterTest::keys_data()
{
    QTest::addColumn<QString>("control"); // the focused control
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("held");       // held down for 30 repeats
    QTest::addColumn<int>("sorts");       // how often the button sorts

    // Enter and Esc in a box do nothing; Enter and Space press the focused
    // button, which keeps the focus; a key held down presses it once.
    for (const char *box : {"Text1", "Text3"}) {
        QTest::addRow("Return in %s", box) << box << int(Qt::Key_Return) << false << 0;
        QTest::addRow("Enter in %s", box) << box << int(Qt::Key_Enter) << false << 0;
        QTest::addRow("Esc in %s", box) << box << int(Qt::Key_Escape) << false << 0;
    }
    QTest::newRow("Return on the button") << "Command1" << int(Qt::Key_Return) << false << 1;
    QTest::newRow("Enter on the button") << "Command1" << int(Qt::Key_Enter) << false << 1;
    QTest::newRow("Space on the button") << "Command1" << int(Qt::Key_Space) << false << 1;
    QTest::newRow("Esc on the button") << "Command1" << int(Qt::Key_Escape) << false << 0;
    QTest::newRow("Return held on the button") << "Command1" << int(Qt::Key_Return) << true << 1;
    QTest::newRow("Space held on the button") << "Command1" << int(Qt::Key_Space) << true << 1;
}

void SorterTest::keys()
{
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(bool, held);
    QFETCH(int, sorts);

    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto *focused = form.findChild<QWidget *>(control);
    focused->setFocus();
    QSignalSpy pressed(form.findChild<QPushButton *>("Command1"), &QPushButton::clicked);
    if (held)
        holdKey(key, 30);
    else
        QTest::keyClick(form.windowHandle(), Qt::Key(key));
    QCoreApplication::processEvents();
    QCOMPARE(pressed.count(), sorts);

    const QList<QLineEdit *> text = boxes(form);
    QCOMPARE(QStringList({text[0]->text(), text[1]->text(), text[2]->text()}),
             sorts ? QStringList({"3", "5", "8"}) : QStringList({"5", "8", "3"}));
    QCOMPARE(QApplication::focusWidget(), focused);
    QVERIFY(form.isVisible());
    QVERIFY(!QApplication::activeModalWidget());
}

// Each control as stated, of the stated kind, with no font or colours of
// its own; each label right-aligned on its box's row, left of the box, and
// naming it to assistive technology.
void SorterTest::controls()
{
    Form1 form;
    form.show();
    for (const StatedControl &c : kSorterControls) {
        QWidget *w = form.findChild<QWidget *>(c.name);
        QVERIFY2(w, c.name);
        const QString text = QString::fromUtf8(c.text);
        QCOMPARE(w->metaObject()->className(), c.className);
        QCOMPARE(w->geometry(), QRect(c.twips.left() / 15, c.twips.top() / 15,
                                      c.twips.width() / 15, c.twips.height() / 15));
        QVERIFY(!w->testAttribute(Qt::WA_SetFont));
        QVERIFY(!w->testAttribute(Qt::WA_SetPalette));
        QCOMPARE(w->font(), form.font());
        QAccessibleInterface *acc = QAccessible::queryAccessibleInterface(w);
        QVERIFY(acc);
        if (!qobject_cast<QLineEdit *>(w)) // a box is named by its label, below
            QCOMPARE(acc->text(QAccessible::Name), text);
        if (auto *label = qobject_cast<QLabel *>(w)) {
            QCOMPARE(label->text(), text);
            QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
            QWidget *box = label->buddy();
            QVERIFY(box);
            QCOMPARE(box->y(), label->y());
            QVERIFY(box->x() > label->geometry().right());
            QCOMPARE(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name), text);
        } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            QCOMPARE(edit->text(), text);
            QCOMPARE(acc->textInterface()->text(0, int(text.size())), text);
        } else if (auto *button = qobject_cast<QPushButton *>(w)) {
            QCOMPARE(button->text(), text);
            QVERIFY(!button->isDefault());
            QVERIFY(button->autoDefault()); // Enter presses it when focused
        }
    }
}

void SorterTest::window()
{
#ifdef Q_OS_WASM
    QTest::qSkip("In a web page a window fills the page until the page places it: "
                 "the pages' end-to-end test checks the window there.",
                 __FILE__, __LINE__);
    return;
#endif
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    QCOMPARE(form.windowTitle(), caption);
    QCOMPARE(form.size(), QSize(280, 136));
    QCOMPARE(form.windowType(), Qt::Window);
    for (Qt::WindowType hint : {Qt::WindowTitleHint, Qt::WindowSystemMenuHint,
                                Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint,
                                Qt::WindowCloseButtonHint})
        QVERIFY2(form.windowFlags().testFlag(hint), QByteArray::number(int(hint), 16));
    QVERIFY(form.minimumSize() != form.maximumSize()); // resizable
    QVERIFY(!form.testAttribute(Qt::WA_Moved));         // placed by the window system
    // A frame named by its caption, to assistive technology.
    QAccessibleInterface *frame = QAccessible::queryAccessibleInterface(&form);
    QCOMPARE(frame->role(), QAccessible::Window);
    QCOMPARE(frame->text(QAccessible::Name), caption);
}

void SorterTest::tabOrder()
{
    Form1 form;
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));

    QCOMPARE(QApplication::focusWidget()->objectName(), QString("Text1"));
    for (const char *next : {"Text2", "Text3", "Command1", "Text1"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString(next));
    }
}

// The window's text in the classic face, or its fallback: Cyrillic either way.
void SorterTest::font()
{
    Form1 form;
    QCOMPARE(form.font(), classicFont(FontRole::Text));
    for (char32_t letter : {U'А', U'В', U'С', U'ы'})
        QVERIFY(QFontMetrics(form.font()).inFontUcs4(letter));
}

QTEST_MAIN(SorterTest)
#include "tst_sorter.moc"
