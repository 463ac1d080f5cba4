#include "form1.h"

#include "form1table.h"
#include "numberbox.h"
#include "twips.h"
#include "classicfont.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>
#include <vector>

namespace {

// The window is a frame to assistive technology, named by its caption, as
// a top-level window is; Qt would make a plain widget a filler.
QAccessibleInterface *windowAccessible(const QString &, QObject *object)
{
    if (auto *form = qobject_cast<Form1 *>(object))
        return new QAccessibleWidget(form, QAccessible::Window);
    return nullptr;
}

} // namespace

Form1::Form1(QWidget *parent)
    : QWidget(parent)
{
    static const bool accessible = (QAccessible::installFactory(windowAccessible), true);
    Q_UNUSED(accessible);
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr(form1::kCaption));
    resize(toPixels(form1::kClientWidthTwips), toPixels(form1::kClientHeightTwips));

    setFont(classicFont(FontRole::Text));
    // The refusal message and the boxes' context menu in the window's face.
    QApplication::setFont(font(), "QMessageBox");
    QApplication::setFont(font(), "QMenu");

    const std::vector<QWidget *> made = makeControls();
    bindMembers();
    setTabOrderAndFocus(made);
    nameBoxesByTheirLabels();
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    Command1->installEventFilter(this);
}

// A key held down presses the button once: its repeats are dropped.
bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    return watched == Command1 && key && static_cast<QKeyEvent *>(event)->isAutoRepeat();
}

namespace {

// A text of the table as the user reads it: in the programs' language.
QString shown(const QString &text)
{
    return Form1::tr(text.toUtf8().constData());
}

} // namespace

// One control for each row of the window's table, in the table's order.
std::vector<QWidget *> Form1::makeControls()
{
    std::vector<QWidget *> made;
    for (const form1::ControlRow &row : form1::controlInventory()) {
        QWidget *w = nullptr;
        switch (row.kind) {
        case form1::ControlKind::Label: {
            auto *label = new QLabel(shown(row.text), this);
            label->setAlignment(row.alignment);
            w = label;
            break;
        }
        case form1::ControlKind::TextBox: {
            auto *box = new QLineEdit(row.text, this);
            box->setAlignment(row.alignment);
            w = box;
            break;
        }
        case form1::ControlKind::PushButton: {
            auto *button = new QPushButton(shown(row.text), this);
            // Enter presses it when it has the focus, as Space does; Enter
            // and Esc in a box do nothing.
            button->setAutoDefault(true);
            w = button;
            break;
        }
        }
        w->setObjectName(row.name);
        w->setGeometry(toPixels(row.twips));
        made.push_back(w);
    }
    return made;
}

// The window's control of that name and kind. The table names every
// control the window binds, so a miss is a fault of the build.
template <typename T>
T *Form1::namedControl(const QString &name) const
{
    if (T *control = findChild<T *>(name, Qt::FindDirectChildrenOnly))
        return control;
    qFatal("Form1 has no control named \"%s\" of the expected kind", qPrintable(name));
}

void Form1::bindMembers()
{
    Label1 = namedControl<QLabel>(QStringLiteral("Label1"));
    Label2 = namedControl<QLabel>(QStringLiteral("Label2"));
    Label3 = namedControl<QLabel>(QStringLiteral("Label3"));
    Text1 = namedControl<QLineEdit>(QStringLiteral("Text1"));
    Text2 = namedControl<QLineEdit>(QStringLiteral("Text2"));
    Text3 = namedControl<QLineEdit>(QStringLiteral("Text3"));
    Command1 = namedControl<QPushButton>(QStringLiteral("Command1"));
}

// The controls that take the focus by ascending tab index (labels take
// none); the first of them has the focus.
void Form1::setTabOrderAndFocus(const std::vector<QWidget *> &made)
{
    const std::vector<form1::ControlRow> &rows = form1::controlInventory();
    std::vector<std::pair<int, QWidget *>> byTab;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].kind != form1::ControlKind::Label)
            byTab.emplace_back(rows[i].tabIndex, made[i]);
    std::sort(byTab.begin(), byTab.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < byTab.size(); ++i)
        setTabOrder(byTab[i - 1].second, byTab[i].second);
    byTab.front().second->setFocus();
}

// A box is announced by the caption of its label.
void Form1::nameBoxesByTheirLabels()
{
    for (const form1::ControlRow &row : form1::controlInventory()) {
        if (row.labelOf.isEmpty())
            continue;
        QWidget *box = namedControl<QWidget>(row.labelOf);
        namedControl<QLabel>(row.name)->setBuddy(box);
        box->setAccessibleName(shown(row.text));
    }
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
}
