#include "listings.h"

#include "words.h"

namespace lesson {

namespace {

struct Listing
{
    Language language;
    const char *codeName;
    const char *title; // marked for translation where it is not a name
    // Line by line, as the steps light them: the start, the declaration,
    // three reads, three comparisons each with its exchange through X and
    // its end, three writes, the end. Lines a language has no statement
    // for stay empty.
    const char *lines[kSteps];
};

// The new listings read B from the second box and C from the third, as
// the flowchart does.
constexpr Listing kListings[] = {
    {Language::VisualBasic, "vb", "Visual Basic", {}},
    {Language::Pascal, "pascal", "Pascal",
     {"program Sort3;",
      "var A, B, C, X: real; begin",
      "  readln(A);",
      "  readln(B);",
      "  readln(C);",
      "  if A > B then begin",
      "    X := A;",
      "    A := B;",
      "    B := X;",
      "  end;",
      "  if B > C then begin",
      "    X := C;",
      "    C := B;",
      "    B := X;",
      "  end;",
      "  if A > B then begin",
      "    X := A;",
      "    A := B;",
      "    B := X;",
      "  end;",
      "  writeln(A);",
      "  writeln(B);",
      "  writeln(C);",
      "end."}},
    {Language::Python, "python", "Python",
     {QT_TRANSLATE_NOOP("Lesson", "# Сортировка трех чисел"),
      "",
      "A = float(input())",
      "B = float(input())",
      "C = float(input())",
      "if A > B:",
      "    X = A",
      "    A = B",
      "    B = X",
      "",
      "if B > C:",
      "    X = C",
      "    C = B",
      "    B = X",
      "",
      "if A > B:",
      "    X = A",
      "    A = B",
      "    B = X",
      "",
      "print(A)",
      "print(B)",
      "print(C)",
      ""}},
    {Language::Cpp, "cpp", "C++",
     {"int main() {",
      "  double A, B, C, X;",
      "  cin >> A;",
      "  cin >> B;",
      "  cin >> C;",
      "  if (A > B) {",
      "    X = A;",
      "    A = B;",
      "    B = X;",
      "  }",
      "  if (B > C) {",
      "    X = C;",
      "    C = B;",
      "    B = X;",
      "  }",
      "  if (A > B) {",
      "    X = A;",
      "    A = B;",
      "    B = X;",
      "  }",
      "  cout << A << endl;",
      "  cout << B << endl;",
      "  cout << C << endl;",
      "}"}},
    // The school algorithmic language: the algorithm's name after алг, its
    // variables described after нач, on the same line.
    {Language::Algorithmic, "alg", QT_TRANSLATE_NOOP("Lesson", "Школьный алгоритмический язык"),
     {"алг сортировка",
      "нач вещ A, B, C, X",
      "  ввод A",
      "  ввод B",
      "  ввод C",
      "  если A > B то",
      "    X := A",
      "    A := B",
      "    B := X",
      "  все",
      "  если B > C то",
      "    X := C",
      "    C := B",
      "    B := X",
      "  все",
      "  если A > B то",
      "    X := A",
      "    A := B",
      "    B := X",
      "  все",
      "  вывод A, нс",
      "  вывод B, нс",
      "  вывод C, нс",
      "кон"}},
};

const Listing &of(Language language)
{
    return kListings[int(language)];
}

} // namespace

QString codeName(Language language)
{
    return QLatin1String(of(language).codeName);
}

std::optional<Language> languageNamed(const QString &codeName)
{
    for (const Listing &l : kListings)
        if (codeName == QLatin1String(l.codeName))
            return l.language;
    return std::nullopt;
}

QString title(Language language)
{
    return Words::tr(of(language).title);
}

std::array<QString, kSteps> listing(Language language)
{
    std::array<QString, kSteps> lines;
    if (language == Language::VisualBasic)
        return lines;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const char *line = of(language).lines[i];
        // A comment is in the window's language.
        lines[i] = line[0] == '#' ? Words::tr(line) : QString::fromUtf8(line);
    }
    return lines;
}

} // namespace lesson
