#include "windowgone.h"

#include <QtGui/qtguiglobal.h>

#if QT_CONFIG(xcb)
#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

#include <xcb/xcb.h>
#endif

namespace launch {

#if QT_CONFIG(xcb)

namespace {

// Watches the X events the xcb platform reads for the destruction of the
// window's native window. Qt's xcb platform takes no notice of it (as of
// Qt 6.4): its window would stay, drawn nowhere, and the program with it.
class DestroyedWatch : public QObject, public QAbstractNativeEventFilter
{
public:
    explicit DestroyedWatch(QWidget *window) : QObject(window), m_window(window)
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if ((event->response_type & ~0x80) != XCB_DESTROY_NOTIFY)
            return false;
        // Qt's own window of the moment: one that Qt destroyed itself and
        // made anew is not the window going.
        if (static_cast<const xcb_destroy_notify_event_t *>(message)->window
            != m_window->internalWinId())
            return false;
        // Closed once Qt is done with this event, as by its close box (what
        // Qt then asks of the window that is gone fails, quietly); and the
        // program ends, even where another window of it is open.
        QTimer::singleShot(0, m_window, [window = m_window] {
            window->close();
            QCoreApplication::quit();
        });
        return false;
    }

private:
    QWidget *m_window; // the parent
};

} // namespace

void endWhenDestroyed(QWidget *window)
{
    window->winId(); // its native window, watched
    new DestroyedWatch(window);
}

#else

void endWhenDestroyed(QWidget *) {}

#endif

} // namespace launch
