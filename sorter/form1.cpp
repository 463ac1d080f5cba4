#include "form1.h"

#include "numbertext.h"
#include "builtinimages.h"

#include <QFontDatabase>
#include <QHash>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

#include <algorithm>
#include <vector>

namespace {

const int twipsPerPixel = 15;

enum class Kind { Label, TextBox, Button };

struct Control
{
    const char *name;
    Kind kind;
    const char *text;       // caption or initial text (UTF-8)
    Qt::Alignment align;    // labels only
    const char *labelOf;    // labels only: the box the label names
    int left, top, width, height; // twips, from the client area's top-left
    int tabIndex;
};

const Qt::Alignment right = Qt::AlignRight | Qt::AlignTop;

// The letters А, В, С are Cyrillic capitals.
const Control controls[] = {
    // name       kind           caption / initial text               align  label of  left   top  width height tab
    {"Label1",   Kind::Label,   "Число А=",                          right, "Text1",    600,  120, 1335,  255,  0},
    {"Label2",   Kind::Label,   "Число В=",                          right, "Text2",    600,  600, 1335,  255,  1},
    {"Label3",   Kind::Label,   "Число С=",                          right, "Text3",    600, 1080, 1335,  255,  2},
    {"Text1",    Kind::TextBox, "5",                                 {},    nullptr,   2160,  120, 1575,  285,  3},
    {"Text2",    Kind::TextBox, "8",                                 {},    nullptr,   2160,  600, 1575,  285,  4},
    {"Text3",    Kind::TextBox, "3",                                 {},    nullptr,   2160, 1080, 1575,  285,  5},
    {"Command1", Kind::Button,  "Сортировать числа по возрастанию",  {},    nullptr,    480, 1560, 3255,  375,  6},
};

const int clientWidth = 4200;  // twips
const int clientHeight = 2040; // twips

} // namespace

QFont sorterWindowFont(const QString &fontFile)
{
    const int pixelSize = 11; // 8.25 pt at 96 dpi
    // Each file is registered once, however many windows ask for it.
    static QHash<QString, QString> loaded; // font file -> family, "" if unusable
    if (!fontFile.isEmpty() && !loaded.contains(fontFile)) {
        const int id = QFontDatabase::addApplicationFont(fontFile);
        loaded.insert(fontFile, QFontDatabase::applicationFontFamilies(id).value(0));
    }
    const QString family = loaded.value(fontFile);
    QFont font = family.isEmpty() ? QGuiApplication::font() : QFont(family);
    font.setPixelSize(pixelSize);
    return font;
}

Form1::Form1(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Сортировка трех чисел (по возрастанию)"));
    resize(clientWidth / twipsPerPixel, clientHeight / twipsPerPixel);

    // MS Sans Serif holds bitmaps of one size; scaled up for a projector its
    // letters would stand apart, so the scalable Tahoma takes its place.
    const QString face = qGuiApp->devicePixelRatio() == 1.0
        ? QStringLiteral("wine/fonts/ms_sans_serif.ttf")
        : QStringLiteral("wine/fonts/tahoma.ttf");
    setFont(sorterWindowFont(QStandardPaths::locate(QStandardPaths::GenericDataLocation, face)));

    setWindowIcon(programWindowIcon());

    for (const Control &c : controls) {
        const QString text = QString::fromUtf8(c.text);
        QWidget *w = nullptr;
        switch (c.kind) {
        case Kind::Label: {
            auto *label = new QLabel(text, this);
            label->setAlignment(c.align);
            w = label;
            break;
        }
        case Kind::TextBox:
            w = new QLineEdit(text, this);
            break;
        case Kind::Button: {
            auto *button = new QPushButton(text, this);
            // Enter and Esc in a box must not press it.
            button->setAutoDefault(false);
            button->setDefault(false);
            w = button;
            break;
        }
        }
        w->setObjectName(QString::fromLatin1(c.name));
        w->setGeometry(c.left / twipsPerPixel, c.top / twipsPerPixel,
                       c.width / twipsPerPixel, c.height / twipsPerPixel);
    }

    const auto child = [this](const char *name) {
        return findChild<QWidget *>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    };

    // A box is announced by the caption of its label.
    for (const Control &c : controls) {
        if (c.kind != Kind::Label)
            continue;
        auto *label = static_cast<QLabel *>(child(c.name));
        QWidget *box = child(c.labelOf);
        label->setBuddy(box);
        box->setAccessibleName(label->text());
    }

    std::vector<const Control *> byTab;
    for (const Control &c : controls)
        if (c.kind != Kind::Label) // labels take no focus
            byTab.push_back(&c);
    std::sort(byTab.begin(), byTab.end(),
              [](const Control *a, const Control *b) { return a->tabIndex < b->tabIndex; });
    for (std::size_t i = 1; i < byTab.size(); ++i)
        setTabOrder(child(byTab[i - 1]->name), child(byTab[i]->name));

    Label1 = static_cast<QLabel *>(child("Label1"));
    Label2 = static_cast<QLabel *>(child("Label2"));
    Label3 = static_cast<QLabel *>(child("Label3"));
    Text1 = static_cast<QLineEdit *>(child("Text1"));
    Text2 = static_cast<QLineEdit *>(child("Text2"));
    Text3 = static_cast<QLineEdit *>(child("Text3"));
    Command1 = static_cast<QPushButton *>(child("Command1"));

    child(byTab.front()->name)->setFocus();

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
}

// Reads the number in `box` into `value`. When the box does not hold a
// number, says so, puts the focus in the box with its text selected and
// returns false.
bool Form1::readBox(QLineEdit *box, const QLabel *label, double &value)
{
    const QString typed = box->text();
    if (const std::optional<double> number = numbertext::parse(typed)) {
        value = *number;
        return true;
    }

    const QString message = numbertext::refusal(label->text(), typed);

    QMessageBox warning(QMessageBox::Warning, windowTitle(), message, QMessageBox::Ok, this);
    warning.setTextFormat(Qt::PlainText); // the typed text is shown, never interpreted
    warning.exec();

    box->setFocus();
    box->selectAll();
    return false;
}

void Form1::Command1_Click()
{
    double A = 0, B = 0, C = 0, X = 0;

    // The second box goes into C and the third into B, as in the listing;
    // a box that holds no number stops the sort before anything is written.
    if (!readBox(Text1, Label1, A))
        return;
    if (!readBox(Text2, Label2, C))
        return;
    if (!readBox(Text3, Label3, B))
        return;

    if (A > B) {
        X = A;
        A = B;
        B = X;
    }

    if (B > C) {
        X = C;
        C = B;
        B = X;
    }

    if (A > B) {
        X = A;
        A = B;
        B = X;
    }

    Text1->setText(numbertext::format(A));
    Text2->setText(numbertext::format(B));
    Text3->setText(numbertext::format(C));
}
