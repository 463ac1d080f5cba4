#include "accessibility.h"

#include "drawncontrols.h"

#include <QAccessible>
#include <QWidget>
#include <QPointer>
#include <QSet>
#include <QTimer>
#include <QWindow>

#ifdef Q_OS_WASM
#include "page.h"
#endif

namespace {

class DrawnControlAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    explicit DrawnControlAccessible(DrawnControl *control) : m_control(control) {}

    // A box the window does something on a click of is pressed as a button.
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface && clickable() ? static_cast<QAccessibleActionInterface *>(this)
                                                                    : nullptr;
    }
    QStringList actionNames() const override
    {
        return clickable() ? QStringList{pressAction()} : QStringList();
    }
    void doAction(const QString &action) override
    {
        if (action == pressAction() && clickable())
            static_cast<ImageBox *>(m_control.data())->click();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

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
    bool clickable() const
    {
        const auto *box = qobject_cast<const ImageBox *>(m_control.data());
        return box && box->isClickable();
    }

    QPointer<DrawnControl> m_control;
};

// What the window said last to assistive technology: a notification with
// one label, its text. Neither is drawn nor takes room on the screen. A
// screen reader speaks a notification as it shows, and brailles its label.
class Announcement : public QObject
{
    Q_OBJECT
public:
    explicit Announcement(QWidget *window) : QObject(window), m_label(new QObject(this)) {}

    QWidget *window() const { return static_cast<QWidget *>(parent()); }
    QObject *label() const { return m_label; }
    QString text() const { return m_text; }
    void setText(const QString &text) { m_text = text; }
    bool isShown() const { return m_shown; }
    void setShown(bool shown) { m_shown = shown; }

private:
    QObject *m_label;
    QString m_text;
    bool m_shown = false;
};

Announcement *announcementOf(const QWidget *window)
{
    return window->findChild<Announcement *>(QString(), Qt::FindDirectChildrenOnly);
}

// The notification, or its label.
class AnnouncementAccessible : public QAccessibleInterface
{
public:
    AnnouncementAccessible(Announcement *announcement, bool label)
        : m_announcement(announcement), m_label(label)
    {
    }

    bool isValid() const override { return m_announcement; }
    QObject *object() const override
    {
        if (!m_announcement)
            return nullptr;
        return m_label ? m_announcement->label() : m_announcement.data();
    }
    QWindow *window() const override
    {
        return m_announcement ? m_announcement->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface *parent() const override
    {
        if (!m_announcement)
            return nullptr;
        return QAccessible::queryAccessibleInterface(
            m_label ? static_cast<QObject *>(m_announcement) : m_announcement->window());
    }
    QAccessibleInterface *child(int index) const override
    {
        return !m_label && index == 0 && m_announcement
                   ? QAccessible::queryAccessibleInterface(m_announcement->label())
                   : nullptr;
    }
    int childCount() const override { return m_label ? 0 : 1; }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return !m_label && child && m_announcement && child->object() == m_announcement->label()
                   ? 0
                   : -1;
    }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        return m_label && t == QAccessible::Name && m_announcement ? m_announcement->text()
                                                                   : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override { return QRect(); }
    QAccessible::Role role() const override
    {
        return m_label ? QAccessible::StaticText : QAccessible::Notification;
    }
    // Showing and visible, as a screen reader presents it, until it is
    // withdrawn; read-only.
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.readOnly = true;
        s.invisible = !m_announcement || !m_announcement->isShown();
        return s;
    }

private:
    QPointer<Announcement> m_announcement;
    bool m_label;
};

QAccessibleInterface *factory(const QString &, QObject *object)
{
    if (auto *announcement = qobject_cast<Announcement *>(object))
        return new AnnouncementAccessible(announcement, false);
    if (auto *announcement = qobject_cast<Announcement *>(object ? object->parent() : nullptr))
        return new AnnouncementAccessible(announcement, true);
    if (auto *control = qobject_cast<DrawnControl *>(object))
        return control->isDecoration() ? nullptr : new DrawnControlAccessible(control);
    return nullptr;
}

// The controls whose changes assistive technology is not told of, for the
// moment.
QSet<const QObject *> silenced;
QAccessible::UpdateHandler deliver = nullptr;

// Every accessibility event passes through here on its way to the
// platform's bridge.
void update(QAccessibleEvent *event)
{
    if (silenced.contains(event->object()))
        return;
    if (deliver) {
        deliver(event);
        return;
    }
    // Qt's own delivery, to the bridge.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(update);
}

} // namespace

void silenceUntilIdle(QObject *control)
{
    if (silenced.contains(control))
        return;
    silenced.insert(control);
    QTimer::singleShot(0, control, [control] { silenced.remove(control); });
}

QObject *announcement(const QWidget *window)
{
    return announcementOf(window);
}

void installDemoAccessibility()
{
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(factory);
        deliver = QAccessible::installUpdateHandler(update);
        installed = true;
    }
}

void announce(QWidget *window, const QString &text)
{
#ifdef Q_OS_WASM
    web::say(text); // a page has no bridge: its live region says it
#endif
    if (!QAccessible::isActive())
        return; // no assistive technology listens
    Announcement *announcement = announcementOf(window);
    if (!announcement) {
        announcement = new Announcement(window);
        QAccessibleEvent created(announcement, QAccessible::ObjectCreated);
        QAccessible::updateAccessibility(&created);
    }
    announcement->setText(text);
    announcement->setShown(true);
    QAccessibleEvent shown(announcement, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void withdrawAnnouncement(QWidget *window)
{
    Announcement *announcement = announcementOf(window);
    if (!announcement || !announcement->isShown() || !QAccessible::isActive())
        return;
    announcement->setShown(false);
    QAccessibleEvent hidden(announcement, QAccessible::ObjectHide);
    QAccessible::updateAccessibility(&hidden);
}

#include "accessibility.moc"
