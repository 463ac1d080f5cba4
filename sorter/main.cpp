#include "form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("brivon"));
    QGuiApplication::setDesktopFileName(QStringLiteral("brivon"));

    Form1 form;
    form.show();
    return app.exec();
}
