#include "page.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
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

} // namespace

void showInPage(QWidget *window)
{
    // Qt for WebAssembly would show it full screen.
    window->showNormal();
    centre(window);
    QObject::connect(window->screen(), &QScreen::geometryChanged, window,
                     [window] { centre(window); });
    QObject::connect(qGuiApp, &QGuiApplication::lastWindowClosed, [] { tellPage("programended"); });
    tellPage("programshown");
}

void openInPage(const QMessageBox &box, const std::function<void(int button)> &closed)
{
    auto *copy = new QMessageBox(box.icon(), box.windowTitle(), box.text(), box.standardButtons(),
                                 box.parentWidget());
    copy->setTextFormat(box.textFormat());
    copy->setAttribute(Qt::WA_DeleteOnClose);
    // The buttons as the box has them: their captions, which are shown,
    // which Enter and Esc press.
    for (QAbstractButton *button : box.buttons()) {
        const QMessageBox::StandardButton which = box.standardButton(button);
        copy->button(which)->setText(button->text());
        copy->button(which)->setVisible(!button->isHidden());
    }
    if (box.defaultButton())
        copy->setDefaultButton(box.standardButton(box.defaultButton()));
    if (box.escapeButton())
        copy->setEscapeButton(box.standardButton(box.escapeButton()));
    // The page has no window manager to give the keyboard back to the
    // window the box was opened over: it takes it back itself, with the
    // focus where it was.
    QPointer<QWidget> focused = QApplication::focusWidget();
    QObject::connect(copy, &QDialog::finished, copy, [copy, focused, window = QPointer<QWidget>(box.parentWidget()), closed] {
        if (window) {
            window->activateWindow();
            if (focused)
                focused->setFocus(Qt::OtherFocusReason);
        }
        closed(copy->standardButton(copy->clickedButton()));
    });
    copy->open();
}

void openInPage(const QMessageBox &box, const std::function<void()> &closed)
{
    openInPage(box, [closed](int) { closed(); });
}

} // namespace web
