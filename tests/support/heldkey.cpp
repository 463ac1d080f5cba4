#include "heldkey.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

void send(QEvent::Type type, int key, bool repeat, quint64 time)
{
    constexpr quint32 kScanCode = 36; // the key's code on the X server
    QKeyEvent event(type, key, Qt::NoModifier, kScanCode, 0, 0, QString(), repeat);
    event.setTimestamp(time);
    if (QWidget *focused = QApplication::focusWidget())
        QApplication::sendEvent(focused, &event);
}

} // namespace

void holdKey(int key, int repeats)
{
    static quint64 time = 1000;
    send(QEvent::KeyPress, key, false, time += 500);
    for (int i = 0; i < repeats; ++i) {
        time += 33;
        const bool flagged = i % 2 == 1;
        send(QEvent::KeyRelease, key, flagged, time);
        send(QEvent::KeyPress, key, flagged, time);
    }
    send(QEvent::KeyRelease, key, false, time += 40);
}
