#include "tablewindow.h"

#include "twips.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace {

// A table's window to assistive technology: a frame named by its caption,
// as a top-level window is (Qt would make a plain widget a filler), whose
// children are its controls in reading order.
class WindowAccessible : public QAccessibleWidget
{
public:
    explicit WindowAccessible(TableWindow *window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return int(form()->readingOrder().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const std::vector<QObject *> children = form()->readingOrder();
        return index >= 0 && std::size_t(index) < children.size()
                   ? QAccessible::queryAccessibleInterface(children[std::size_t(index)])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child || !child->object())
            return -1;
        const std::vector<QObject *> children = form()->readingOrder();
        const auto it = std::find(children.begin(), children.end(), child->object());
        return it == children.end() ? -1 : int(it - children.begin());
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        if (QAccessibleInterface *w = QAccessibleWidget::childAt(x, y))
            return w;
        QObject *drawn = form()->drawnControlAt(form()->mapFromGlobal(QPoint(x, y)));
        return drawn ? QAccessible::queryAccessibleInterface(drawn) : nullptr;
    }

private:
    TableWindow *form() const { return static_cast<TableWindow *>(widget()); }
};

QAccessibleInterface *windowAccessible(const QString &, QObject *object)
{
    if (auto *window = qobject_cast<TableWindow *>(object))
        return new WindowAccessible(window);
    return nullptr;
}

} // namespace

QString TableWindow::shown(const QString &text) const
{
    return text.isEmpty() ? text
                          : QCoreApplication::translate(metaObject()->className(),
                                                        text.toUtf8().constData());
}

QWidget *TableWindow::makeWidget(const ControlRow &row)
{
    switch (row.kind) {
    case ControlKind::TextBox: {
        // The text goes in once the box has the window's font: given to the
        // constructor, it would be shaped in the application's font first.
        auto *box = new QLineEdit(this);
        box->setAlignment(row.alignment | Qt::AlignVCenter);
        box->setText(row.text);
        return box;
    }
    case ControlKind::CheckBox: {
        auto *c = new QCheckBox(shown(row.text), this);
        c->setChecked(row.checked);
        QPalette cp = c->palette();
        cp.setColor(QPalette::Window, row.back.resolve(palette()));
        c->setPalette(cp);
        c->setBackgroundRole(QPalette::Window); // a button's own role is the button face
        c->setAutoFillBackground(true);
        return c;
    }
    case ControlKind::PushButton: {
        // Enter presses the focused button, as Space does; no button is
        // pressed by Enter elsewhere, and none by Esc.
        auto *b = new QPushButton(shown(row.text), this);
        b->setAutoDefault(true);
        return b;
    }
    default: {
        auto *label = new QLabel(shown(row.text), this);
        label->setAlignment(row.alignment);
        return label;
    }
    }
}

void TableWindow::makeControls(const std::vector<ControlRow> &rows, const DrawnMaker &drawn)
{
    static const bool accessible = (QAccessible::installFactory(windowAccessible), true);
    Q_UNUSED(accessible);

    std::vector<std::pair<int, QWidget *>> tabbed;
    for (const ControlRow &row : rows) {
        QObject *made = drawn && row.isDrawn() ? drawn(row) : nullptr;
        if (!made) {
            QWidget *widget = makeWidget(row);
            widget->setObjectName(row.name);
            widget->setGeometry(toPixels(row.twips));
            widget->setEnabled(row.enabled);
            // Shown with the window: a child told to show before it (in a web
            // page) keeps the window from taking the keyboard.
            if (!row.visible)
                widget->hide();
            if (row.tabIndex >= 0 && (widget->focusPolicy() & Qt::TabFocus))
                tabbed.emplace_back(row.tabIndex, widget);
            if (auto *button = qobject_cast<QAbstractButton *>(widget))
                guardAgainstHeldKeys(button);
            made = widget;
        }
        m_made.push_back(made);
        m_byName.insert(row.fullName(), made);
    }

    std::stable_sort(tabbed.begin(), tabbed.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (const auto &entry : tabbed)
        m_tabOrder.push_back(entry.second);
    for (std::size_t i = 0; i + 1 < m_tabOrder.size(); ++i)
        setTabOrder(m_tabOrder[i], m_tabOrder[i + 1]);

    // A box is known to assistive technology by the label beside it.
    for (const ControlRow &row : rows) {
        if (row.labelOf.isEmpty())
            continue;
        auto *box = named<QWidget>(row.labelOf);
        box->setAccessibleName(shown(row.text));
        if (auto *label = qobject_cast<QLabel *>(control(row.fullName())))
            label->setBuddy(box);
    }

    // The window's message boxes and its boxes' context menu in its face.
    QApplication::setFont(font(), "QMessageBox");
    QApplication::setFont(font(), "QMenu");
}

void TableWindow::missing(const QString &fullName) const
{
    qFatal("%s has no control named \"%s\" of the expected kind", metaObject()->className(),
           qPrintable(fullName));
}

ControlRow controlRow(ControlKind kind, const char *name, int index, int stack, int left, int top,
                      int width, int height, const char *text)
{
    ControlRow r;
    r.kind = kind;
    r.name = QString::fromUtf8(name);
    r.index = index;
    r.stack = stack;
    r.twips = QRect(left, top, width, height);
    r.text = QString::fromUtf8(text);
    if (kind == ControlKind::TextBox) {
        r.fore = Colour::Role::WindowText;
        r.back = Colour::Role::WindowBackground;
    }
    if (kind == ControlKind::Shape) {
        r.transparentBack = true;
        r.back = Colour::Role::WindowBackground;
    }
    return r;
}
