#include "sorterstart.h"

#include "form1.h"

#include <QApplication>

std::unique_ptr<Form1> startSorter()
{
    QApplication::setApplicationName(QStringLiteral("brivon"));
    QGuiApplication::setDesktopFileName(QStringLiteral("brivon"));

    auto form = std::make_unique<Form1>();
    form->show();
    return form;
}
