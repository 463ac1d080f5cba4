// What Qt's Russian texts cost at start: the call both programs' start
// sequences make, timed once in a fresh process. Writes its nanoseconds
// and whether the texts were found, on one line.

#include "launch.h"

#include <QApplication>

#include <chrono>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const auto start = std::chrono::steady_clock::now();
    const bool loaded = !launch::installTranslations().isEmpty();
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                        std::chrono::steady_clock::now() - start)
                        .count();
    std::printf("%lld %d\n", static_cast<long long>(ns), loaded ? 1 : 0);
    return 0;
}
