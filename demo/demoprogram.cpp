#include "demoprogram.h"

#include "formdemo.h"
#include "inventory.h"
#include "twips.h"

#include <QCoreApplication>

launch::Program demoProgram()
{
    return {QStringLiteral("kalumet"), QStringLiteral(KALUMET_VERSION),
            QCoreApplication::translate(
                "kalumet", "Показывает по шагам, как выполняется сортировка трех чисел."),
            QSize(toPixels(formdemo::kClientWidthTwips), toPixels(formdemo::kClientHeightTwips)),
            QStringLiteral(KALUMET_APP_ID), [] { return std::make_unique<FormDemo>(); }};
}
