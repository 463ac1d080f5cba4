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

#include "statistics.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

extern char **environ;

using benchstats::median;

namespace {

using Args = std::vector<std::string>;
using Figures = std::map<std::string, std::string>;

// The client areas of the two windows.
constexpr int kKalumetWidth = 788, kKalumetHeight = 531;
constexpr int kBrivonWidth = 280, kBrivonHeight = 136;

constexpr int kStartTimeoutMs = 30'000;
constexpr int kEngineTimeoutMs = 600'000;

volatile pid_t xvfbPid = 0;
int xvfbPipe = -1;

long long nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Our environment with `set` replacing or adding variables.
Args environment(const std::map<std::string, std::string> &set)
{
    Args env;
    for (char **e = environ; *e; ++e) {
        const std::string entry = *e;
        if (!set.count(entry.substr(0, entry.find('='))))
            env.push_back(entry);
    }
    for (const auto &[name, value] : set)
        env.push_back(name + '=' + value);
    return env;
}

std::vector<char *> pointers(Args &strings)
{
    std::vector<char *> p;
    for (std::string &s : strings)
        p.push_back(s.data());
    p.push_back(nullptr);
    return p;
}

struct Finished
{
    bool ok = false;      // ended by itself with exit code 0
    std::string out;      // what it wrote on stdout
    long maxRssKiB = 0;   // its peak resident set
    double cpuMs = 0;     // the processor time it used, user and system
    long long spawnedNs = 0;
};

// Runs a program with stdout into a pipe and stderr to /dev/null, reads its
// output until it ends and reaps it. A program still running after
// `timeoutMs` is killed and counts as failed.
Finished run(Args argv, Args env, int timeoutMs)
{
    Finished f;
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0)
        return f;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const std::vector<char *> av = pointers(argv), ev = pointers(env);

    pid_t pid = 0;
    f.spawnedNs = nowNs();
    const int spawned = posix_spawn(&pid, av[0], &actions, nullptr, av.data(), ev.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        std::fprintf(stderr, "cannot start %s: %s\n", av[0], std::strerror(spawned));
        return f;
    }

    const long long deadline = nowNs() + (long long)timeoutMs * 1'000'000;
    bool timedOut = false;
    char buffer[4096];
    for (;;) {
        pollfd p{pipeFds[0], POLLIN, 0};
        const int left = int(std::max(0LL, (deadline - nowNs()) / 1'000'000));
        const int ready = poll(&p, 1, left);
        if (ready == 0) {
            timedOut = true;
            kill(pid, SIGKILL);
            break;
        }
        if (ready < 0)
            continue; // interrupted
        const ssize_t n = read(pipeFds[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        f.out.append(buffer, std::size_t(n));
    }
    close(pipeFds[0]);

    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0) {
    }
    f.maxRssKiB = usage.ru_maxrss;
    f.cpuMs = (double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e6
               + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec))
              / 1e3;
    f.ok = !timedOut && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (timedOut)
        std::fprintf(stderr, "%s did not finish in time\n", av[0]);
    else if (!f.ok)
        std::fprintf(stderr, "%s failed: %s %d\n", av[0],
                     WIFEXITED(status) ? "exit code" : "signal",
                     WIFEXITED(status) ? WEXITSTATUS(status) : WTERMSIG(status));
    return f;
}

// A private Xvfb server on the first free display from :120 upward.
std::optional<int> startXvfb()
{
    for (int display = 120; display < 200; ++display) {
        struct stat st;
        if (stat(("/tmp/.X" + std::to_string(display) + "-lock").c_str(), &st) == 0
            || stat(("/tmp/.X11-unix/X" + std::to_string(display)).c_str(), &st) == 0)
            continue;
        int pipeFds[2];
        if (pipe2(pipeFds, O_CLOEXEC) != 0)
            return std::nullopt;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        // With -displayfd the server writes its display number once it
        // takes connections.
        Args argv = {"Xvfb", ":" + std::to_string(display), "-screen", "0", "1280x1024x24",
                     "-nolisten", "tcp", "-displayfd", "1"};
        const std::vector<char *> av = pointers(argv);
        pid_t pid = 0;
        const int spawned = posix_spawnp(&pid, "Xvfb", &actions, nullptr, av.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        close(pipeFds[1]);
        if (spawned != 0) {
            close(pipeFds[0]);
            std::fprintf(stderr, "cannot start Xvfb: %s\n", std::strerror(spawned));
            return std::nullopt;
        }
        // Read up to the line's end, and keep the pipe open while the
        // server runs: a write into a closed pipe would end it.
        std::string line;
        char c = 0;
        pollfd p{pipeFds[0], POLLIN, 0};
        while (line.find('\n') == std::string::npos && poll(&p, 1, 10'000) > 0
               && read(pipeFds[0], &c, 1) == 1)
            line += c;
        if (line.find('\n') != std::string::npos) {
            xvfbPid = pid;
            xvfbPipe = pipeFds[0];
            return display;
        }
        close(pipeFds[0]);
        kill(pid, SIGTERM); // the display was taken meanwhile: next one
        waitpid(pid, nullptr, 0);
    }
    return std::nullopt;
}

void stopXvfb()
{
    if (xvfbPid > 0) {
        kill(xvfbPid, SIGTERM);
        waitpid(xvfbPid, nullptr, 0);
        xvfbPid = 0;
        close(xvfbPipe);
    }
}

void onSignal(int signal)
{
    if (xvfbPid > 0)
        kill(xvfbPid, SIGTERM);
    _exit(128 + signal);
}

struct Platform
{
    std::string title;
    Args env;
};

struct Program
{
    std::string name;
    Args argv;
    int bare = -1;     // index of the bare window of its size; -1 for none
    int floor = -1;    // index of the label window of its size; -1 for none
    double limit = 0;  // its target, a ratio to the label window; 0 for none
};

struct Samples
{
    std::vector<double> ms, mib, cpuMs;
};

std::string fixed(double v, int decimals)
{
    char s[32];
    std::snprintf(s, sizeof s, "%.*f", decimals, v);
    return s;
}

std::string machine()
{
    std::ifstream cpuinfo("/proc/cpuinfo");
    std::string line, model = "unknown CPU";
    while (std::getline(cpuinfo, line))
        if (line.rfind("model name", 0) == 0) {
            model = line.substr(line.find(':') + 2);
            break;
        }
    const double ram = double(sysconf(_SC_PHYS_PAGES)) * double(sysconf(_SC_PAGESIZE));
    return std::to_string(sysconf(_SC_NPROCESSORS_ONLN)) + " x " + model + ", "
        + fixed(ram / (1 << 30), 1) + " GiB RAM";
}

std::string load()
{
    double l[3] = {};
    if (getloadavg(l, 3) != 3)
        return "unknown";
    return fixed(l[0], 2) + " " + fixed(l[1], 2) + " " + fixed(l[2], 2);
}

std::string date()
{
    const std::time_t t = std::time(nullptr);
    char s[64];
    std::strftime(s, sizeof s, "%Y-%m-%d %H:%M UTC", std::gmtime(&t));
    return s;
}

// The table's rows: a label, one cell per platform, the target and whether
// every platform meets it.
void row(const std::string &label, const std::vector<std::string> &cells,
         const std::string &target = "", std::optional<bool> met = std::nullopt)
{
    std::printf("  %-30s", label.c_str());
    for (const std::string &c : cells)
        std::printf(" %23s", c.c_str());
    std::printf("   %-15s %s\n", target.c_str(), met ? (*met ? "met" : "MISSED") : "");
}

double number(const Figures &f, const std::string &key)
{
    const auto it = f.find(key);
    return it == f.end() ? -1 : std::atof(it->second.c_str());
}

std::string text(const Figures &f, const std::string &key)
{
    const auto it = f.find(key);
    return it == f.end() ? "?" : it->second;
}

Figures parse(const std::string &out)
{
    Figures f;
    std::istringstream lines(out);
    std::string line;
    while (std::getline(lines, line)) {
        const std::size_t tab = line.find('\t');
        if (tab != std::string::npos)
            f[line.substr(0, tab)] = line.substr(tab + 1);
    }
    return f;
}


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

// samples[platform][program]
using StartSamples = std::vector<std::vector<Samples>>;

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

struct TranslationSamples
{
    std::vector<double> us; // the load, in microseconds
    bool found = true;      // every start found the texts
};

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
        std::fprintf(stderr, "kalumet from inside on %s (about 50 s)\n", platform.title.c_str());
        const Finished f = run({BENCH_ENGINE}, platform.env, kEngineTimeoutMs);
        if (!f.ok)
            return std::nullopt;
        inside.push_back(parse(f.out));
    }
    return inside;
}

// The printed table: a head per platform, and the targets it missed.
class Report
{
public:
    explicit Report(const std::vector<Platform> &platforms)
    {
        for (const Platform &platform : platforms)
            m_heads.push_back(platform.title);
    }

    void section(const std::string &title) const
    {
        std::printf("%s\n", title.c_str());
        row("", m_heads, "target");
    }

    // Whether every value meets the target; a miss is kept for the end.
    bool verdict(const std::string &what, const std::vector<double> &values,
                 const std::function<bool(double)> &meets)
    {
        const bool all = std::all_of(values.begin(), values.end(), meets);
        if (!all)
            m_missed.push_back(what);
        return all;
    }

    void printMissed() const
    {
        if (m_missed.empty()) {
            std::printf("All targets met.\n");
            return;
        }
        std::printf("Targets missed:\n");
        for (const std::string &m : m_missed)
            std::printf("  %s\n", m.c_str());
    }

private:
    std::vector<std::string> m_heads;
    std::vector<std::string> m_missed;
};

std::function<bool(double)> below(double limit)
{
    return [limit](double v) { return v >= 0 && v <= limit; };
}

void printHeader(int runs, const std::string &loadBefore, const std::string &against)
{
    std::printf("Benchmark of kalumet and brivon against a bare Qt Widgets window and one"
                " with a label\n");
    std::printf("  %s; %s\n", date().c_str(), machine().c_str());
    std::printf("  load average before %s, after %s\n", loadBefore.c_str(), load().c_str());
    std::printf("  %d interleaved starts of each program per platform, after one warm-up start\n",
                runs);
    if (!against.empty())
        std::printf("  other build: %s\n", against.c_str());
    std::printf("\n");
}

std::string ratioTarget(double limit)
{
    return "<= " + fixed(limit, 2) + " x label";
}

void printStartUps(Report &report, const std::vector<Program> &programs,
                   const StartSamples &samples)
{
    // The processor time, from start to exit, has no target: it shows the
    // work apart from the waits of a busy machine.
    const struct
    {
        const char *title, *unit;
        std::vector<double> Samples::*values;
        bool target;
    } tables[] = {
        {"1. Process start to first painted frame", "ms", &Samples::ms, true},
        {"2. Peak resident memory", "MiB", &Samples::mib, true},
        {"3. Processor time, user and system, start to exit", "ms", &Samples::cpuMs, false},
    };
    for (const auto &table : tables) {
        report.section(std::string(table.title)
                       + ", median (ratio to the bare window, to the label window)");
        for (std::size_t i = 0; i < programs.size(); ++i) {
            const Program &program = programs[i];
            std::vector<std::string> cells;
            std::vector<double> ratios;
            for (const std::vector<Samples> &platform : samples) {
                const auto medianOf = [&](int k) {
                    return median(platform[std::size_t(k)].*table.values);
                };
                const double m = medianOf(int(i));
                std::string cell = fixed(m, 1) + " " + table.unit;
                if (program.bare >= 0) {
                    cell += " (" + fixed(m / medianOf(program.bare), 2);
                    if (program.floor >= 0) {
                        ratios.push_back(m / medianOf(program.floor));
                        cell += ", " + fixed(ratios.back(), 2);
                    }
                    cell += ")";
                }
                cells.push_back(cell);
            }
            if (program.limit > 0 && table.target)
                row(program.name, cells, ratioTarget(program.limit),
                    report.verdict(program.name + ": " + table.title, ratios,
                                   below(program.limit)));
            else
                row(program.name, cells);
        }
        std::printf("\n");
    }
}

void printTranslations(Report &report, const std::vector<TranslationSamples> &samples)
{
    std::vector<std::string> found, medians, slowest;
    std::vector<double> values;
    for (const TranslationSamples &s : samples) {
        found.push_back(s.found ? "yes" : "NO");
        values.push_back(s.found ? median(s.us) : -1);
        medians.push_back(fixed(median(s.us), 1));
        slowest.push_back(fixed(benchstats::maximum(s.us), 1));
    }
    report.section("4. Qt's Russian texts (qtbase_ru) loaded at start, microseconds");
    row("found", found);
    row("load, median", medians, "< 1000 us",
        report.verdict("Qt's Russian texts", values,
                       [](double v) { return v >= 0 && v < 1000; }));
    row("load, slowest", slowest);
    std::printf("\n");
}

// kalumet's own figures, one cell or value per platform.
std::vector<std::string> cells(const std::vector<Figures> &inside, const std::string &key,
                               int decimals, const std::string &unit = "")
{
    std::vector<std::string> c;
    for (const Figures &f : inside)
        c.push_back(fixed(number(f, key), decimals) + unit);
    return c;
}

std::vector<double> values(const std::vector<Figures> &inside, const std::string &key)
{
    std::vector<double> v;
    for (const Figures &f : inside)
        v.push_back(number(f, key));
    return v;
}

std::vector<std::string> texts(const std::vector<Figures> &inside, const std::string &key)
{
    std::vector<std::string> c;
    for (const Figures &f : inside)
        c.push_back(text(f, key));
    return c;
}

void printSteps(Report &report, const std::vector<Figures> &in)
{
    report.section("5. kalumet: one step of 5,4,3 and the resets, microseconds");
    row("DemoAl, median over the 24 steps", cells(in, "step.median", 1), "<= 50 us",
        report.verdict("DemoAl median", values(in, "step.median"), below(50)));
    row("DemoAl, slowest step (its median)", cells(in, "step.worst", 1));
    row("  which step", cells(in, "step.worstIndex", 0));
    row("DemoAl, slowest single call", cells(in, "step.max", 1));
    row("DemoAl with its repaint, median", cells(in, "stepPaint.median", 1));
    row("DemoAl with its repaint, slowest", cells(in, "stepPaint.max", 1));
    row("Form_Load mid-run, median", cells(in, "load.median", 1));
    row("Form_Load mid-run, slowest", cells(in, "load.max", 1));
    row("Cmd_Reset_Click mid-run, median", cells(in, "reset.median", 1));
    row("Cmd_Reset_Click mid-run, slowest", cells(in, "reset.max", 1));
    std::printf("\n");
}

void printBeat(Report &report, const std::vector<Figures> &in)
{
    report.section("6. kalumet: automatic mode, step interval minus 500 ms, 3 whole runs");
    row("intervals", cells(in, "beat.intervals", 0));
    row("deviation, median", cells(in, "beat.median", 2, " ms"), "<= 2 ms",
        report.verdict("beat median", values(in, "beat.median"), below(2)));
    row("deviation, 95th percentile", cells(in, "beat.p95", 2, " ms"), "<= 10 ms",
        report.verdict("beat 95th percentile", values(in, "beat.p95"), below(10)));
    row("deviation, largest", cells(in, "beat.max", 2, " ms"));
    std::printf("\n");
}

void printIdle(Report &report, const std::vector<Figures> &in,
               const std::vector<Platform> &platforms)
{
    report.section("7. kalumet: idle for 5 s after start");
    row("timer events reaching the program", cells(in, "idle.timer", 0), "0",
        report.verdict("idle timer events", values(in, "idle.timer"), below(0)));
    row("events of any kind", cells(in, "idle.events", 0));
    row("focus", texts(in, "idle.focus"));
    row("window active", texts(in, "idle.active"));
    row("apart: timer events, focus in Text1", cells(in, "caret.timer", 0));
    for (std::size_t p = 0; p < in.size(); ++p)
        std::printf("  timer events on %s: %s; with the focus in Text1: %s\n",
                    platforms[p].title.c_str(), text(in[p], "idle.timer.receivers").c_str(),
                    text(in[p], "caret.timer.receivers").c_str());
    std::printf("\n");
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
