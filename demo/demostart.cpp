#include "demostart.h"

#include "formdemo.h"
#include "inventory.h"
#include "twips.h"

#include <QApplication>

launch::Program demoProgram()
{
    return {QStringLiteral("kalumet"), QStringLiteral(KALUMET_VERSION),
            QStringLiteral("Показывает по шагам, как выполняется сортировка трех чисел."),
            QSize(toPixels(formdemo::kClientWidthTwips), toPixels(formdemo::kClientHeightTwips))};
}

std::unique_ptr<FormDemo> startDemo()
{
    QApplication::setApplicationName(demoProgram().name);
    QGuiApplication::setDesktopFileName(QStringLiteral(KALUMET_APP_ID));
    launch::installQtTranslations();

    auto form = std::make_unique<FormDemo>();
    QApplication::setWindowIcon(form->windowIcon());
    form->show();
    return form;
}
