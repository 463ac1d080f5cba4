#include "demoprogram.h"

#include "formdemo.h"
#include "kalumet_program.h"
#include "twips.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <iterator>
#include <memory>

namespace {

// --pace SECONDS: the automatic mode's pace from the start, one of the
// lesson's paces, written with a point or a comma ("0.25", "0,25"), into
// `pace`.
std::optional<QString> takePace(const QString &value, int &pace)
{
    QString number = value;
    number.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double seconds = QLocale::c().toDouble(number, &ok);
    const auto *const taken = std::find_if(std::begin(lesson::kPaces), std::end(lesson::kPaces),
                                           [seconds](int ms) { return ms == seconds * 1000; });
    if (!ok || taken == std::end(lesson::kPaces))
        return QCoreApplication::translate("CommandLine",
                                           "неверный темп «%1»: нужно число секунд на шаг — "
                                           "0,25; 0,5; 1; 2 или 4")
            .arg(value);
    pace = *taken;
    return std::nullopt;
}

// --listing NAME: the listing in the language of that name.
std::optional<QString> takeListing(const QString &value, lesson::Language &language)
{
    if (const std::optional<lesson::Language> named = lesson::languageNamed(value)) {
        language = *named;
        return std::nullopt;
    }
    return QCoreApplication::translate("CommandLine",
                                       "неверный язык программы «%1»: нужно vb, pascal, python, "
                                       "cpp или alg")
        .arg(value);
}

} // namespace

launch::Program demoProgram()
{
    using namespace kalumet_program;
    // The pace and the listing's language the command line chooses, for
    // the window made after it.
    const auto pace = std::make_shared<int>(lesson::kDefaultPace);
    const auto language = std::make_shared<lesson::Language>(lesson::Language::VisualBasic);
    return {QString::fromUtf8(kName), QString::fromUtf8(kVersion),
            QT_TRANSLATE_NOOP("kalumet", "Показывает по шагам, как выполняется сортировка трех чисел."),
            QSize(toPixels(kClientWidthTwips), toPixels(kClientHeightTwips)),
            QString::fromUtf8(kAppId), [pace, language] { return std::make_unique<FormDemo>(*pace, *language); },
            {{QStringLiteral("pace"), QStringLiteral("S"),
              QT_TRANSLATE_NOOP("CommandLine", "темп автоматического режима: S секунд на шаг "
                                               "(0,25; 0,5; 1; 2 или 4), по умолчанию 0,5"),
              [pace](const QString &value) { return takePace(value, *pace); }},
             {QStringLiteral("listing"), QStringLiteral("L"),
              QT_TRANSLATE_NOOP("CommandLine", "программа на экране на языке L: vb (Visual Basic, "
                                               "по умолчанию), pascal, python, cpp (C++) или alg "
                                               "(школьный алгоритмический язык)"),
              [language](const QString &value) { return takeListing(value, *language); }}},
            QT_TRANSLATE_NOOP("kalumet", "Tab и Shift+Tab — от элемента окна к элементу, пробел "
                                         "или Enter нажимает кнопку, пробел ставит флажок. "
                                         "PageDown — «Вперед», PageUp — «Назад», «+» и «−» — "
                                         "темп, F2 — таблица трассировки, F3 — «Проверь себя», "
                                         "Esc — сведения о программе.")};
}
