#include "firstframe.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace {

// Waits for the window's first paint event. Qt paints a window and all its
// children and then flushes the backing store to the screen in one go, so a
// call queued at the first paint runs once that frame is on the screen.
class FirstFrameWatch : public QObject
{
public:
    explicit FirstFrameWatch(QWidget *window) : m_window(window) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QMetaObject::invokeMethod(this, &FirstFrameWatch::frameDone, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void frameDone()
    {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::printf("%lld\n", static_cast<long long>(
                                  std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    QWidget *m_window;
    bool m_seen = false;
};

} // namespace

int reportFirstFrame(QWidget *window)
{
    FirstFrameWatch watch(window);
    window->installEventFilter(&watch);
    return QApplication::exec();
}
