#pragma once

#include <QCoreApplication>

namespace lesson {

// The lesson's texts as the user reads them: marked for translation, and
// translated, in the context "Lesson".
struct Words
{
    Q_DECLARE_TR_FUNCTIONS(Lesson)
};

} // namespace lesson
