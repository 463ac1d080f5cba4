#include "accessibility.h"

#include "drawncontrols.h"
#include "formdemo.h"

#include <QAccessibleWidget>
#include <QWindow>

#include <vector>

namespace {

class DrawnControlAccessible : public QAccessibleInterface
{
public:
    explicit DrawnControlAccessible(DrawnControl *control) : m_control(control) {}

    bool isValid() const override { return m_control; }
    QObject *object() const override { return m_control; }
    QWindow *window() const override
    {
        const QWidget *w = surface();
        return w ? w->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(surface());
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (!m_control)
            return QString();
        switch (t) {
        case QAccessible::Name: return m_control->accessibleName();
        case QAccessible::Description: return m_control->toolTip();
        default: return QString();
        }
    }
    void setText(QAccessible::Text, const QString &) override {}

    QRect rect() const override
    {
        const QWidget *w = surface();
        if (!w)
            return QRect();
        const QRect r = m_control->pixels();
        return QRect(w->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override
    {
        return m_control ? m_control->accessibleRole() : QAccessible::NoRole;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        const QWidget *w = surface();
        s.invisible = !m_control || !m_control->isVisible() || !w || !w->isVisible();
        s.offscreen = s.invisible;
        s.readOnly = true;
        const auto *label = qobject_cast<const Label *>(m_control.data());
        s.selected = label && label->isLit();
        return s;
    }

private:
    QWidget *surface() const { return m_control ? qobject_cast<QWidget *>(m_control->parent()) : nullptr; }

    QPointer<DrawnControl> m_control;
};

// The window: its child widgets first, then its drawn controls front to
// back, but for the decoration.
class FormDemoAccessible : public QAccessibleWidget
{
public:
    explicit FormDemoAccessible(FormDemo *form) : QAccessibleWidget(form, QAccessible::Window) {}

    int childCount() const override
    {
        return QAccessibleWidget::childCount() + int(presented().size());
    }
    QAccessibleInterface *child(int index) const override
    {
        const int widgets = QAccessibleWidget::childCount();
        if (index < widgets)
            return QAccessibleWidget::child(index);
        const std::vector<DrawnControl *> drawn = presented();
        const std::size_t i = std::size_t(index - widgets);
        return i < drawn.size() ? QAccessible::queryAccessibleInterface(drawn[i]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const std::vector<DrawnControl *> drawn = presented();
        for (std::size_t i = 0; i < drawn.size(); ++i)
            if (child && child->object() == drawn[i])
                return QAccessibleWidget::childCount() + int(i);
        return QAccessibleWidget::indexOfChild(child);
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        if (QAccessibleInterface *w = QAccessibleWidget::childAt(x, y))
            return w;
        const QPoint local = form()->mapFromGlobal(QPoint(x, y));
        if (DrawnControl *c = form()->controlAt(local))
            return QAccessible::queryAccessibleInterface(c);
        return nullptr;
    }

private:
    FormDemo *form() const { return static_cast<FormDemo *>(widget()); }
    std::vector<DrawnControl *> presented() const
    {
        std::vector<DrawnControl *> drawn;
        for (DrawnControl *c : form()->drawnControls())
            if (!c->isDecoration())
                drawn.push_back(c);
        return drawn;
    }
};

QAccessibleInterface *factory(const QString &, QObject *object)
{
    if (auto *control = qobject_cast<DrawnControl *>(object))
        return control->isDecoration() ? nullptr : new DrawnControlAccessible(control);
    if (auto *form = qobject_cast<FormDemo *>(object))
        return new FormDemoAccessible(form);
    return nullptr;
}

} // namespace

void installDemoAccessibility()
{
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(factory);
        installed = true;
    }
}
