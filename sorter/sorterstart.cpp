#include "sorterstart.h"

#include "form1.h"
#include "form1table.h"
#include "twips.h"

#include <QApplication>

launch::Program sorterProgram()
{
    return {QStringLiteral("brivon"), QStringLiteral(BRIVON_VERSION),
            QStringLiteral("Сортирует три числа по возрастанию."),
            QSize(toPixels(form1::kClientWidthTwips), toPixels(form1::kClientHeightTwips))};
}

std::unique_ptr<Form1> startSorter()
{
    QApplication::setApplicationName(sorterProgram().name);
    QGuiApplication::setDesktopFileName(QStringLiteral(BRIVON_APP_ID));
    launch::installQtTranslations();

    auto form = std::make_unique<Form1>();
    form->show();
    return form;
}
