// The benchmark of kalumet and brivon. Starts each program, a bare Qt
// Widgets window of the same size and that window with one label of text
// (the least any window that shows text costs: its fonts) over and over,
// interleaved, on Qt's offscreen platform and on a private Xvfb server,
// timing each process from just before it is spawned to its first frame on
// the screen and reading its peak resident memory and processor time when
// it ends. Then times the load of Qt's Russian texts in fresh processes,
// measures kalumet from inside (steps, resets, the automatic mode's beat,
// the idle window) on both platforms, and prints one table with the
// targets.
// usage: benchmark [runs] [--starts-only] [--against <build folder>]
//   runs            starts of each program per platform, at least 10 (15)
//   --starts-only   the start-up tables alone
//   --against DIR   also starts the programs of another build of the tree,
//                   interleaved with these: a change with and without it
//                   in one run

#include "brivon_program.h"
#include "kalumet_program.h"
#include "measurements.h"
#include "report.h"
#include "xserver.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

// The client areas of the two windows, in pixels.
constexpr int kKalumetWidth = kalumet_program::kClientWidthTwips / 15;
constexpr int kKalumetHeight = kalumet_program::kClientHeightTwips / 15;
constexpr int kBrivonWidth = brivon_program::kClientWidthTwips / 15;
constexpr int kBrivonHeight = brivon_program::kClientHeightTwips / 15;

constexpr int kStartTimeoutMs = 30'000;
constexpr int kEngineTimeoutMs = 600'000;

// The two platforms, Xvfb on `display`.
std::vector<Platform> platformsOn(const std::string &display)
{
    return {{"offscreen", environment({{"QT_QPA_PLATFORM", "offscreen"}})},
            {"xcb, Xvfb " + display, environment({{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", display}})}};
}

// The text of the label windows.
const char *const kLabelText = "Сортировать числа по возрастанию";

// The windows and programs started, each program after the two windows of
// its size; with `against`, that build's programs too.
std::vector<Program> startedPrograms(const std::string &against)
{
    std::vector<Program> programs;
    const auto add = [&](const std::string &name, const std::string &host, int width,
                         int height, double limit) {
        const std::string w = std::to_string(width), h = std::to_string(height);
        const int bare = int(programs.size());
        programs.push_back({"bare QWidget " + w + "x" + h, {BENCH_HOST_BASELINE, w, h}});
        programs.push_back({"  with one QLabel of text", {BENCH_HOST_BASELINE, w, h, kLabelText},
                            bare});
        programs.push_back({name, {host}, bare, bare + 1, limit});
        if (!against.empty())
            programs.push_back({name + ", other build",
                                {against + "/bench/bench-host-" + name}, bare, bare + 1});
    };
    add("kalumet", BENCH_HOST_KALUMET, kKalumetWidth, kKalumetHeight, 1.10);
    add("brivon", BENCH_HOST_BRIVON, kBrivonWidth, kBrivonHeight, 1.05);
    return programs;
}

// Phase 1: every program started `runs` times on each platform, the
// programs interleaved; round 0 warms the caches and is dropped.
std::optional<StartSamples> measureStartUps(const std::vector<Platform> &platforms,
                                            const std::vector<Program> &programs, int runs)
{
    StartSamples samples(platforms.size(), std::vector<Samples>(programs.size()));
    for (std::size_t p = 0; p < platforms.size(); ++p) {
        std::fprintf(stderr, "start-up on %s: ", platforms[p].title.c_str());
        for (int round = 0; round <= runs; ++round) {
            std::fputc('.', stderr);
            for (std::size_t k = 0; k < programs.size(); ++k) {
                // Each round starts with the next program, so none always
                // runs first or right after a particular other one.
                const std::size_t i = (k + std::size_t(round)) % programs.size();
                const Finished f = run(programs[i].argv, platforms[p].env, kStartTimeoutMs);
                const long long frameNs = std::atoll(f.out.c_str());
                if (!f.ok || frameNs <= f.spawnedNs)
                    return std::nullopt;
                if (round > 0) {
                    samples[p][i].ms.push_back(double(frameNs - f.spawnedNs) / 1e6);
                    samples[p][i].mib.push_back(double(f.maxRssKiB) / 1024);
                    samples[p][i].cpuMs.push_back(f.cpuMs);
                }
            }
        }
        std::fputc('\n', stderr);
    }
    return samples;
}

// Phase 2: Qt's Russian texts loaded in `runs` fresh processes on each
// platform, after one dropped warm-up.
std::optional<std::vector<TranslationSamples>> measureTranslations(
    const std::vector<Platform> &platforms, int runs)
{
    std::vector<TranslationSamples> samples(platforms.size());
    for (std::size_t p = 0; p < platforms.size(); ++p) {
        std::fprintf(stderr, "Qt's Russian texts on %s\n", platforms[p].title.c_str());
        for (int round = 0; round <= runs; ++round) {
            const Finished f = run({BENCH_HOST_TRANSLATIONS}, platforms[p].env, kStartTimeoutMs);
            long long ns = -1;
            int found = 0;
            if (!f.ok || std::sscanf(f.out.c_str(), "%lld %d", &ns, &found) != 2)
                return std::nullopt;
            if (round > 0) {
                samples[p].us.push_back(double(ns) / 1e3);
                samples[p].found = samples[p].found && found;
            }
        }
    }
    return samples;
}

// Phase 3: kalumet measured from inside on each platform.
std::optional<std::vector<Figures>> measureInside(const std::vector<Platform> &platforms)
{
    std::vector<Figures> inside;
    for (const Platform &platform : platforms) {
        std::fprintf(stderr, "kalumet from inside on %s (about 100 s)\n", platform.title.c_str());
        const Finished f = run({BENCH_ENGINE}, platform.env, kEngineTimeoutMs);
        if (!f.ok)
            return std::nullopt;
        inside.push_back(parse(f.out));
    }
    return inside;
}

} // namespace

int main(int argc, char *argv[])
{
    int runs = 15;
    bool startsOnly = false;
    std::string against;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--starts-only")
            startsOnly = true;
        else if (arg == "--against" && i + 1 < argc)
            against = argv[++i];
        else
            runs = std::atoi(argv[i]);
    }
    if (runs < 10) {
        std::fprintf(stderr,
                     "usage: %s [runs] [--starts-only] [--against <build folder>]"
                     "  (runs: at least 10)\n",
                     argv[0]);
        return 2;
    }
    signal(SIGINT, onSignal);
    signal(SIGTERM, onSignal);

    const std::string loadBefore = load();
    const std::optional<int> display = startXvfb();
    if (!display) {
        std::fprintf(stderr, "no Xvfb server could be started\n");
        return 2;
    }
    const std::vector<Platform> platforms = platformsOn(":" + std::to_string(*display));
    const std::vector<Program> programs = startedPrograms(against);
    const auto starts = measureStartUps(platforms, programs, runs);
    std::optional<std::vector<TranslationSamples>> translations;
    std::optional<std::vector<Figures>> inside;
    if (starts && !startsOnly) {
        translations = measureTranslations(platforms, runs);
        if (translations)
            inside = measureInside(platforms);
    }
    stopXvfb();
    if (!starts || (!startsOnly && !inside)) {
        std::fprintf(stderr, "a measured program failed; run it alone to see why\n");
        return 2;
    }

    Report report(platforms);
    printHeader(runs, loadBefore, against);
    printStartUps(report, programs, *starts);
    if (!startsOnly) {
        printTranslations(report, *translations);
        printSteps(report, *inside);
        printBeat(report, *inside);
        printIdle(report, *inside, platforms);
    }
    report.printMissed();
    return 0;
}
