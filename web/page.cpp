#include "page.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QRect>
#include <QScreen>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <emscripten/emscripten.h>
#include <emscripten/val.h>

namespace web {

namespace {

// Dispatches the event `name` on the page's window object, with `detail`
// for the page.
void tellPage(const char *name, const emscripten::val &detail = emscripten::val::undefined())
{
    using emscripten::val;
    val options = val::object();
    options.set("detail", detail);
    val::global("window").call<void>("dispatchEvent",
                                     val::global("CustomEvent").new_(val(name), options));
}

// A text for the page: UTF-8, as embind takes it.
emscripten::val js(const QString &text)
{
    return emscripten::val(text.toStdString());
}

// The word a screen reader says for a role of the programs' controls and
// boxes.
QString roleName(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton: return QCoreApplication::translate("Page", "кнопка");
    case QAccessible::CheckBox: return QCoreApplication::translate("Page", "флажок");
    case QAccessible::EditableText: return QCoreApplication::translate("Page", "поле ввода");
    case QAccessible::AlertMessage: return QCoreApplication::translate("Page", "сообщение");
    case QAccessible::Table: return QCoreApplication::translate("Page", "таблица");
    default: return QString();
    }
}

// The state of a check box, as a screen reader says it.
QString checkMark(bool checked)
{
    return checked ? QCoreApplication::translate("Page", "отмечен")
                   : QCoreApplication::translate("Page", "не отмечен");
}

// A screen reader hears of the control the focus moves to, and then, as a
// screen reader on the desktop is told, of each change of its check mark.
void followFocus(QWidget *focused)
{
    static QMetaObject::Connection toggled;
    QObject::disconnect(toggled);
    if (!focused)
        return;
    say(described(focused));
    if (auto *button = qobject_cast<QAbstractButton *>(focused); button && button->isCheckable())
        toggled = QObject::connect(button, &QAbstractButton::toggled, button,
                                   [](bool checked) { say(checkMark(checked)); });
}

// Centres the window, with the title bar Qt draws, on the canvas, and
// notes where its client area and its frame are, in Qt's pixels, as the
// page's attributes data-client and data-frame ("x,y,width,height"), and
// the device pixels of one of Qt's as data-scale (for the end-to-end test).
void centre(QWidget *window)
{
    QRect placed(QPoint(), window->frameGeometry().size());
    placed.moveCenter(window->screen()->geometry().center());
    window->move(placed.topLeft());
    const auto written = [](const QRect &r) {
        return QStringLiteral("%1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
    };
    emscripten::val dataset = emscripten::val::global("document")["documentElement"]["dataset"];
    dataset.set("client", written(QRect(window->mapToGlobal(QPoint(0, 0)), window->size())));
    dataset.set("frame", written(window->frameGeometry()));
    dataset.set("scale", QString::number(window->devicePixelRatio()).toStdString());
}

// Qt 6.4 writes data with HTML to the browser's clipboard as one
// ClipboardItem for each of its formats, each typed text/html; Chromium
// takes a single item and refuses the whole write ("Support for multiple
// ClipboardItems is not implemented"), so such a copy (the trace table's
// «Копировать») copied nothing. The page writes it itself, as one item
// with the plain text and the HTML; Qt's own write, just after, is refused
// as before and changes nothing.
void copyToBrowser()
{
    using emscripten::val;
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    const val clipboard = val::global("navigator")["clipboard"];
    if (!data || !data->hasHtml() || data->formats().size() < 2 || clipboard.isUndefined()
        || val::global("ClipboardItem").isUndefined())
        return;
    const auto blob = [](const QString &text, const char *type) {
        val parts = val::array();
        parts.call<void>("push", val(text.toStdString())); // UTF-8, as embind takes it
        val options = val::object();
        options.set("type", val(type));
        return val::global("Blob").new_(parts, options);
    };
    val formats = val::object();
    formats.set("text/html", blob(data->html(), "text/html"));
    if (data->hasText())
        formats.set("text/plain", blob(data->text(), "text/plain"));
    val items = val::array();
    items.call<void>("push", val::global("ClipboardItem").new_(formats));
    const val console = val::global("console");
    clipboard.call<val>("write", items)
        .call<val>("catch", console["warn"].call<val>("bind", console));
}

} // namespace

void say(const QString &text)
{
    if (!text.isEmpty())
        tellPage("programsaid", js(text));
}

QString described(QObject *object)
{
    // Qt's interfaces answer in the program without a bridge to listen.
    const QAccessibleInterface *control = QAccessible::queryAccessibleInterface(object);
    if (!control)
        return QString();
    QStringList said;
    const QString name = control->text(QAccessible::Name);
    said << name << roleName(control->role());
    const QAccessible::State state = control->state();
    if (state.checkable)
        said << checkMark(state.checked);
    const QString value = control->text(QAccessible::Value);
    if (value != name)
        said << value;
    said.removeAll(QString());
    return said.join(QStringLiteral(", "));
}

void showInPage(QWidget *window, const QString &keys)
{
    // The control the focus moves to, by Tab, a click or the program, from
    // the first, which the window takes as it is shown.
    QObject::connect(qApp, &QApplication::focusChanged,
                     [](QWidget *, QWidget *now) { followFocus(now); });
    // Qt for WebAssembly would show it full screen.
    window->showNormal();
    centre(window);
    // Once the change has settled: the window may be scaled anew for it
    // (launch/scale.cpp), and Qt's screen takes its new geometry after.
    QObject::connect(window->screen(), &QScreen::geometryChanged, window, [window] {
        QTimer::singleShot(0, window, [window] { centre(window); });
    });
    QObject::connect(qGuiApp, &QGuiApplication::lastWindowClosed, [] { tellPage("programended"); });
    QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, &copyToBrowser);
    emscripten::val shown = emscripten::val::object();
    shown.set("title", js(window->windowTitle()));
    shown.set("keys", js(keys));
    tellPage("programshown", shown);
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
    // The box and its buttons, as a screen reader presents them as it
    // shows; then the button the focus goes to.
    QStringList said = {described(copy)};
    for (QAbstractButton *button : copy->buttons())
        if (!button->isHidden())
            said << described(button);
    say(said.join(QStringLiteral("; ")));
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
