#include "demostart.h"

#include "formdemo.h"

#include <QApplication>

std::unique_ptr<FormDemo> startDemo()
{
    QApplication::setApplicationName(QStringLiteral("kalumet"));
    QGuiApplication::setDesktopFileName(QStringLiteral("kalumet"));

    auto form = std::make_unique<FormDemo>();
    QApplication::setWindowIcon(form->windowIcon());
    form->show();
    return form;
}
