// kalumet: shows, step by step, how the sort of three numbers runs.

#include "formdemo.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kalumet"));
    QGuiApplication::setDesktopFileName(QStringLiteral("kalumet"));

    FormDemo form;
    QApplication::setWindowIcon(form.windowIcon());
    form.show();
    return app.exec();
}
