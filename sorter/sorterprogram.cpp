#include "sorterprogram.h"

#include "brivon_program.h"
#include "form1.h"
#include "twips.h"

#include <QCoreApplication>

launch::Program sorterProgram()
{
    using namespace brivon_program;
    return {QString::fromUtf8(kName), QString::fromUtf8(kVersion),
            QT_TRANSLATE_NOOP("brivon", "Сортирует три числа по возрастанию."),
            QSize(toPixels(kClientWidthTwips), toPixels(kClientHeightTwips)),
            QString::fromUtf8(kAppId), [] { return std::make_unique<Form1>(); }, {},
            QT_TRANSLATE_NOOP("brivon", "Tab и Shift+Tab — от поля к полю и к кнопке, пробел "
                                        "или Enter нажимает кнопку.")};
}
