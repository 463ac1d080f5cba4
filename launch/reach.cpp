#include "reach.h"

#include "scale.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace launch {

namespace {

// Watches a window's screen and moves the window back within reach.
class WithinReach : public QObject
{
public:
    explicit WithinReach(QWidget *window) : QObject(window), m_window(window)
    {
        connect(window->windowHandle(), &QWindow::screenChanged, this, &WithinReach::follow);
        follow(window->screen());
        // The window manager may have placed the window: once it is shown.
        QTimer::singleShot(0, this, &WithinReach::keep);
        // A window scaled anew takes its new size some time later.
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Resize)
            QTimer::singleShot(0, this, &WithinReach::keep);
        return false;
    }

private:
    void follow(QScreen *screen)
    {
        disconnect(m_screen);
        disconnect(m_area);
        if (!screen)
            return;
        m_screen = connect(screen, &QScreen::geometryChanged, this, &WithinReach::keep);
        m_area = connect(screen, &QScreen::availableGeometryChanged, this, &WithinReach::keep);
        keep();
    }

    // Scaled to fit the screen anew where --scale fit asked for it, then as
    // much of the frame on the screen's available area as fits, its
    // top-left corner, with the title bar, never outside.
    void keep()
    {
        const QScreen *screen = m_window ? m_window->screen() : nullptr;
        if (!screen || !m_window->isVisible())
            return;
        refit(m_window);
        const QRect area = screen->availableGeometry();
        const QRect frame = m_window->frameGeometry();
        const QPoint to(std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width())),
                        std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height())));
        if (to != frame.topLeft())
            m_window->move(to); // a window's position is its frame's
    }

    QPointer<QWidget> m_window;
    QMetaObject::Connection m_screen, m_area;
};

} // namespace

void keepWithinReach(QWidget *window)
{
    window->winId(); // its native window, whose screen is followed
    new WithinReach(window);
}

} // namespace launch
