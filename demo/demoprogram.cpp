#include "demoprogram.h"

#include "formdemo.h"
#include "kalumet_program.h"
#include "twips.h"

#include <QCoreApplication>

launch::Program demoProgram()
{
    using namespace kalumet_program;
    return {QString::fromUtf8(kName), QString::fromUtf8(kVersion),
            QT_TRANSLATE_NOOP("kalumet", "Показывает по шагам, как выполняется сортировка трех чисел."),
            QSize(toPixels(kClientWidthTwips), toPixels(kClientHeightTwips)),
            QString::fromUtf8(kAppId), [] { return std::make_unique<FormDemo>(); }};
}
