#include "sorterstart.h"

#include "form1.h"

#include <QApplication>

launch::Program sorterProgram()
{
    // Form1's client area, 4200 x 2040 twips.
    return {QStringLiteral("brivon"), QStringLiteral(BRIVON_VERSION),
            QStringLiteral("Сортирует три числа по возрастанию."), QSize(280, 136)};
}

std::unique_ptr<Form1> startSorter()
{
    QApplication::setApplicationName(QStringLiteral("brivon"));
    QGuiApplication::setDesktopFileName(QStringLiteral(BRIVON_APP_ID));
    launch::installQtTranslations();

    auto form = std::make_unique<Form1>();
    form->show();
    return form;
}
