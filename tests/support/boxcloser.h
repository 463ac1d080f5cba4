#pragma once

// Message boxes as the user sees them: caught, remembered and closed.

#include <QElapsedTimer>
#include <QList>
#include <QMessageBox>
#include <QString>
#include <QTimer>

// The offscreen platform warns about every message box it shows, and every
// window raised (the trace table); only those warnings are dropped.
void dropOffscreenBoxWarnings();

// How every BoxCloser answers a box that asks (with Yes and No): with that
// button, or with Esc for Cancel. Other boxes are closed with OK.
void answerQuestionsWith(QMessageBox::StandardButton answer);

// A message box as the user saw it.
struct SeenBox
{
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::TextFormat format = Qt::AutoText;
    QFont font;           // of the text
    bool oneLine = false; // the text fits on one line, unwrapped
};

// While it lives, every modal message box that opens is remembered and
// closed with its OK button (a question as answerQuestionsWith() says): as soon as its event loop runs, or once it has
// been open for `keepOpenMs` milliseconds.
class BoxCloser
{
public:
    explicit BoxCloser(int keepOpenMs = 0);

    const QList<SeenBox> &seen() const { return m_seen; }

    // Remembers and closes the box open now, as the poll does. In a web
    // page the poll's timer waits for the page, so a wait calls it itself.
    void closeOpenBox();

private:

    int m_keepOpenMs;
    QTimer m_poll;
    QList<SeenBox> m_seen;
    QMessageBox *m_open = nullptr;
    QElapsedTimer m_opened;
};
