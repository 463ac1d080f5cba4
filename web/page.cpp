#include "page.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <emscripten/emscripten.h>
#include <emscripten/val.h>

namespace web {

namespace {

// Dispatches the event `name` on the page's window object.
void tellPage(const char *name)
{
    using emscripten::val;
    val::global("window").call<void>("dispatchEvent", val::global("Event").new_(val(name)));
}

// Centres the window, with the title bar Qt draws, on the canvas, and
// notes where its client area is, in Qt's pixels, as the page's attribute
// data-client="x,y" (for the end-to-end test).
void centre(QWidget *window)
{
    QRect placed(QPoint(), window->frameGeometry().size());
    placed.moveCenter(window->screen()->geometry().center());
    window->move(placed.topLeft());
    const QPoint client = window->mapToGlobal(QPoint(0, 0));
    emscripten::val::global("document")["documentElement"]["dataset"].set(
        "client", QStringLiteral("%1,%2").arg(client.x()).arg(client.y()).toStdString());
}

// Qt for WebAssembly gives the keys that write no letter no text, where the
// desktop's gives Esc, Enter, Tab and Backspace their control characters,
// which the programs read (Esc shows the about box): they are given them.
class KeyTexts : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const QString text = controlText(key->key());
        if (text.isEmpty() || !key->text().isEmpty())
            return false;
        QKeyEvent withText(key->type(), key->key(), key->modifiers(), text, key->isAutoRepeat(),
                           key->count());
        QCoreApplication::sendEvent(watched, &withText);
        return true;
    }

private:
    static QString controlText(int key)
    {
        switch (key) {
        case Qt::Key_Escape: return QStringLiteral("\x1b");
        case Qt::Key_Return:
        case Qt::Key_Enter: return QStringLiteral("\r");
        case Qt::Key_Tab: return QStringLiteral("\t");
        case Qt::Key_Backspace: return QStringLiteral("\b");
        default: return QString();
        }
    }
};

} // namespace

void showInPage(QWidget *window)
{
    qApp->installEventFilter(new KeyTexts(qApp));
    // Qt for WebAssembly would show it full screen.
    window->showNormal();
    centre(window);
    QObject::connect(window->screen(), &QScreen::geometryChanged, window,
                     [window] { centre(window); });
    QObject::connect(qGuiApp, &QGuiApplication::lastWindowClosed, [] { tellPage("programended"); });
    tellPage("programshown");
}

bool openedInstead(const QMessageBox &box, const std::function<void()> &closed)
{
    if (emscripten_has_asyncify())
        return false;
    auto *copy = new QMessageBox(box.icon(), box.windowTitle(), box.text(), box.standardButtons(),
                                 box.parentWidget());
    copy->setTextFormat(box.textFormat());
    copy->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(copy, &QDialog::finished, copy, closed);
    copy->open();
    return true;
}

} // namespace web
