#include "sorterprogram.h"

#include "form1.h"
#include "form1table.h"
#include "twips.h"

#include <QCoreApplication>

launch::Program sorterProgram()
{
    return {QStringLiteral("brivon"), QStringLiteral(BRIVON_VERSION),
            QCoreApplication::translate("brivon", "Сортирует три числа по возрастанию."),
            QSize(toPixels(form1::kClientWidthTwips), toPixels(form1::kClientHeightTwips)),
            QStringLiteral(BRIVON_APP_ID), [] { return std::make_unique<Form1>(); }};
}
