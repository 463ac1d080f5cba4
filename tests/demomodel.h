#pragma once

// Helpers shared by the tests that drive the demonstrator like a user.

#include "formdemo.h"

#include <QAbstractButton>
#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QTimer>

// The offscreen platform warns about every message box it shows; only that
// warning is dropped.
inline void dropOffscreenBoxWarnings()
{
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            if (!message.contains(QLatin1String("does not support propagateSizeHints")))
                previous(type, context, message);
        });
}

// A message box as the user saw it.
struct SeenBox
{
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// While it lives, every modal message box that opens is remembered and
// closed with its OK button, as soon as its event loop runs.
class BoxCloser
{
public:
    BoxCloser()
    {
        m_poll.setInterval(0);
        QObject::connect(&m_poll, &QTimer::timeout, &m_poll, [this] { closeOpenBox(); });
        m_poll.start();
    }

    const QList<SeenBox> &seen() const { return m_seen; }
    void clear() { m_seen.clear(); }

private:
    void closeOpenBox()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        m_seen.append({box->windowTitle(), box->text(), box->standardButtons(), box->icon()});
        if (QAbstractButton *ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->done(0);
    }

    QTimer m_poll;
    QList<SeenBox> m_seen;
};

// A window pixel of bare background: no label or image box lies there,
// shown or hidden, and no widget. Found in the right half of the window, away
// from its edges.
inline QPoint barePoint(const FormDemo &form)
{
    const auto isBare = [&form](const QPoint &p) {
        if (form.childAt(p) || form.controlAt(p))
            return false;
        for (const DrawnControl *c : form.drawnControls())
            if (c->takesMouse() && c->pixels().contains(p))
                return false;
        return true;
    };
    constexpr int margin = 10;
    for (int y = form.height() / 2; y < form.height() - margin; ++y)
        for (int x = form.width() / 2; x < form.width() - margin; ++x)
            if (isBare({x, y})) {
                int end = x;
                while (isBare({end + 1, y}))
                    ++end;
                return {(x + end) / 2, y}; // the middle of the gap
            }
    return {};
}
