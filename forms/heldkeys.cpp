// A key held down presses a button once.
//
// The state of every key is followed for the whole application, whichever
// widget the key goes to: a key is down from its press to its release. The
// X server repeats a held key as a release and a press at the same instant;
// Qt flags the pair as a repeat only when the press has already arrived as
// it reads the release, so a pair can come unflagged. Such a pair leaves
// the key down.

#include "tablewindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <QKeyEvent>

namespace {

const char kGuarded[] = "kalumetHeldKeyGuard";

class KeyStates : public QObject
{
public:
    static KeyStates *instance()
    {
        static KeyStates *states = nullptr;
        if (!states) {
            states = new KeyStates(QCoreApplication::instance());
            QCoreApplication::instance()->installEventFilter(states);
        }
        return states;
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // A key event comes to the window first, then to the focused widget
        // (and from it to its parents where it leaves the key unused): the
        // widget that takes it first tells.
        if (!watched->isWidgetType() && event->type() != QEvent::ApplicationDeactivate)
            return false;
        switch (event->type()) {
        case QEvent::KeyPress: {
            const auto *key = static_cast<QKeyEvent *>(event);
            // A press that is no repeat of a held key, nor the press of an
            // unflagged repeat pair.
            const bool fresh = !key->isAutoRepeat() && !m_down.contains(key->key())
                               && !(timed(key) && m_releasedAt.value(key->key()) == key->timestamp());
            m_down.insert(key->key());
            // What the first widget to take the press found, for the others
            // it goes on to. (A new press may come at the address of the
            // last one: the focused widget always takes a press first.)
            const QWidget *focused = QApplication::focusWidget();
            if (key != m_judged || !focused || watched == focused) {
                m_judged = key;
                m_judgedFresh = fresh;
            }
            return !fresh && presses(key->key()) && watched->property(kGuarded).toBool();
        }
        case QEvent::KeyRelease: {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (!key->isAutoRepeat()) {
                m_down.remove(key->key());
                if (timed(key))
                    m_releasedAt.insert(key->key(), key->timestamp());
            }
            return false;
        }
        case QEvent::ApplicationDeactivate:
            // Keys released while another program had the keyboard.
            m_down.clear();
            return false;
        case QEvent::WindowBlocked:
        case QEvent::WindowUnblocked:
            // Keys released while a modal box opened or closed: the key
            // that opened a box lets go over the blocked window, the one
            // that closed it over a window that is gone, and neither
            // release comes here. A key still held goes on repeating, and
            // its repeats are told apart as above.
            m_down.clear();
            return false;
        default:
            return false;
        }
    }

    // Whether the press being delivered is fresh.
    bool fresh(const QKeyEvent *key) const { return key == m_judged ? m_judgedFresh : !key->isAutoRepeat(); }

private:
    using QObject::QObject;

    // The keys that press a button: Enter, Space. (Tab and the others move
    // the focus or go to the window.)
    static bool presses(int key)
    {
        return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space
               || key == Qt::Key_Select;
    }

    // A key event of the window system with its time. (Qt's bridge to a
    // screen reader hands the keys on as copies without one: there the
    // repeats that Qt doesn't flag go unnoticed.)
    static bool timed(const QKeyEvent *key)
    {
        return key->nativeScanCode() != 0 && key->timestamp() != 0;
    }

    QSet<int> m_down;
    const QKeyEvent *m_judged = nullptr; // the press being delivered
    bool m_judgedFresh = true;
    QHash<int, quint64> m_releasedAt; // the window system's time of the last release
};

} // namespace

bool isFreshKeyPress(const QKeyEvent *key)
{
    return KeyStates::instance()->fresh(key);
}

void guardAgainstHeldKeys(QAbstractButton *button)
{
    KeyStates::instance();
    button->setProperty(kGuarded, true);
}
