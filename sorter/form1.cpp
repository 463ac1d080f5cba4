#include "form1.h"

#include "classicfont.h"
#include "form1table.h"
#include "numberbox.h"
#include "twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#ifdef Q_OS_WASM
#include "page.h"

#include <QStringList>
#endif

Form1::Form1(QWidget *parent)
    : TableWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr(form1::kCaption));
    resize(toPixels(form1::kClientWidthTwips), toPixels(form1::kClientHeightTwips));
    setFont(classicFont(FontRole::Text));

    makeControls(form1::controlInventory());
    Label1 = named<QLabel>(QStringLiteral("Label1"));
    Label2 = named<QLabel>(QStringLiteral("Label2"));
    Label3 = named<QLabel>(QStringLiteral("Label3"));
    Text1 = named<QLineEdit>(QStringLiteral("Text1"));
    Text2 = named<QLineEdit>(QStringLiteral("Text2"));
    Text3 = named<QLineEdit>(QStringLiteral("Text3"));
    Command1 = named<QPushButton>(QStringLiteral("Command1"));
    // Labels take no focus: the first box has it.
    tabOrder().front()->setFocus();
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
}

void Form1::Command1_Click()
{
    // The second box goes into C and the third into B, as in the listing;
    // a box that holds no number stops the sort before anything is written.
    const std::optional<double> a = numberbox::read(Text1, Label1->text(), this);
    if (!a)
        return;
    const std::optional<double> c = numberbox::read(Text2, Label2->text(), this);
    if (!c)
        return;
    const std::optional<double> b = numberbox::read(Text3, Label3->text(), this);
    if (!b)
        return;
    double A = *a, B = *b, C = *c, X = 0;

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
#ifdef Q_OS_WASM
    // A screen reader on the desktop reads the sorted numbers from the
    // boxes; in a page, where it can't, it is told them.
    QStringList said;
    for (const QLineEdit *box : {Text1, Text2, Text3})
        said << tr("%1 %2", "a box's name and the number it holds").arg(box->accessibleName(),
                                                                         box->text());
    web::say(said.join(QStringLiteral("; ")));
#endif
}
