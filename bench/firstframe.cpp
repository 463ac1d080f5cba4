#include "firstframe.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <chrono>
#include <cstdio>

#ifdef Q_OS_WASM
#include <emscripten/html5.h>
#endif

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
#ifdef Q_OS_WASM
        // In a web page the frame goes to the screen at the browser's next
        // animation frame: its time counts from the page's navigation, in
        // milliseconds (bench/web). The program goes on.
        emscripten_request_animation_frame(
            [](double, void *) -> EM_BOOL {
                std::printf("first frame %.1f\n", emscripten_get_now());
                std::fflush(stdout);
                return EM_FALSE;
            },
            nullptr);
#else
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::printf("%lld\n", static_cast<long long>(
                                  std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        std::fflush(stdout);
        QCoreApplication::exit(0);
#endif
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
