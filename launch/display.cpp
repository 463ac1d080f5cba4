#include "display.h"

#include <QCoreApplication>
#include <QList>

#include <cstdio>
#include <cstdlib>

namespace launch {

namespace {

struct DisplayTexts
{
    Q_DECLARE_TR_FUNCTIONS(DisplayGuard)
};

struct Held
{
    QtMsgType type;
    QByteArray category;
    QString message;
};

QtMessageHandler previousHandler = nullptr;
QString noScreen;
QList<Held> held;

void guardedHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        // The platform could not start: the only fatal message of an
        // application object that is being made.
        std::fputs(noScreen.toLocal8Bit().constData(), stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    held.append({type, QByteArray(context.category), message});
}

} // namespace

QString noScreenMessage(const QString &program)
{
    const QByteArray x11 = qgetenv("DISPLAY"), wayland = qgetenv("WAYLAND_DISPLAY");
    if (x11.isEmpty() && wayland.isEmpty())
        return DisplayTexts::tr("%1: нет экрана, на котором можно показать окно: переменные "
                                "DISPLAY и WAYLAND_DISPLAY не заданы. Запустите программу в "
                                "графическом сеансе.\n").arg(program);
    QStringList tried;
    if (!x11.isEmpty())
        tried << QStringLiteral("DISPLAY=") + QString::fromLocal8Bit(x11);
    if (!wayland.isEmpty())
        tried << QStringLiteral("WAYLAND_DISPLAY=") + QString::fromLocal8Bit(wayland);
    return DisplayTexts::tr("%1: нет экрана, на котором можно показать окно: не удалось "
                            "подключиться к экрану %2.\n")
        .arg(program, tried.join(QStringLiteral(", ")));
}

DisplayGuard::DisplayGuard(const QString &message)
{
    noScreen = message;
    previousHandler = qInstallMessageHandler(guardedHandler);
}

DisplayGuard::~DisplayGuard()
{
    qInstallMessageHandler(previousHandler);
    for (const Held &h : std::as_const(held)) {
        const QMessageLogContext context(nullptr, 0, nullptr, h.category.constData());
        qt_message_output(h.type, context, h.message);
    }
    held.clear();
}

} // namespace launch
