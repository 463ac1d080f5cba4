#pragma once

#include "program.h"

#include <QString>

#include <array>
#include <optional>

// The demonstrated program's listing in the languages a class learns: the
// same program, a line for each step, in the same places. Visual Basic,
// the window's own, is the listing its labels are made with; the others
// are here.
namespace lesson {

enum class Language { VisualBasic, Pascal, Python, Cpp, Algorithmic };

constexpr Language kLanguages[] = {Language::VisualBasic, Language::Pascal, Language::Python,
                                   Language::Cpp, Language::Algorithmic};

// The name the command line and a page's address give a language: "vb",
// "pascal", "python", "cpp", "alg"; and the language of such a name.
QString codeName(Language language);
std::optional<Language> languageNamed(const QString &codeName);
// The language's name as a teacher reads it, in the window's language.
QString title(Language language);

// The 24 lines of the listing in a language other than Visual Basic, a
// comment in the window's language; empty for Visual Basic. Joined, they
// are a program of that language that reads A, B and C and writes them
// back sorted.
std::array<QString, kSteps> listing(Language language);

} // namespace lesson
