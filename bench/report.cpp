#include "report.h"

#include "beat.h"
#include "statistics.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <optional>
#include <sstream>

using benchstats::median;

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

namespace {

std::string fixed(double v, int decimals)
{
    char s[32];
    std::snprintf(s, sizeof s, "%.*f", decimals, v);
    return s;
}

} // namespace

std::string load()
{
    double l[3] = {};
    if (getloadavg(l, 3) != 3)
        return "unknown";
    return fixed(l[0], 2) + " " + fixed(l[1], 2) + " " + fixed(l[2], 2);
}

namespace {

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

} // namespace

Report::Report(const std::vector<Platform> &platforms)
{
    for (const Platform &platform : platforms)
        m_heads.push_back(platform.title);
}

void Report::section(const std::string &title) const
{
    std::printf("%s\n", title.c_str());
    row("", m_heads, "target");
}

bool Report::verdict(const std::string &what, const std::vector<double> &values,
                     const std::function<bool(double)> &meets)
{
    const bool all = std::all_of(values.begin(), values.end(), meets);
    if (!all)
        m_missed.push_back(what);
    return all;
}

void Report::printMissed() const
{
    if (m_missed.empty()) {
        std::printf("All targets met.\n");
        return;
    }
    std::printf("Targets missed:\n");
    for (const std::string &m : m_missed)
        std::printf("  %s\n", m.c_str());
}

namespace {

std::function<bool(double)> below(double limit)
{
    return [limit](double v) { return v >= 0 && v <= limit; };
}

} // namespace

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

namespace {

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

} // namespace

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

namespace {

// "3 whole runs", "first 8 intervals of one run"
std::string beatRuns(const beatbench::Pace &pace)
{
    const std::string runs = pace.runs == 1 ? "one run" : std::to_string(pace.runs) + " runs";
    return pace.intervals > 0
        ? "first " + std::to_string(pace.intervals) + " intervals of " + runs
        : std::to_string(pace.runs) + " whole runs";
}

} // namespace

void printBeat(Report &report, const std::vector<Figures> &in)
{
    for (const beatbench::Pace &pace : beatbench::kPaces) {
        const std::string key = pace.key, ms = std::to_string(pace.ms) + " ms";
        // The 500 ms section and its misses are named as before the other
        // paces were measured, so that older results compare.
        const std::string name = pace.ms == 500 ? "beat" : "beat at " + ms;
        report.section(std::string(pace.section) + ". kalumet: automatic mode, step interval minus "
                       + ms + ", " + beatRuns(pace));
        row("intervals", cells(in, key + ".intervals", 0));
        row("deviation, median", cells(in, key + ".median", 2, " ms"), "<= 2 ms",
            report.verdict(name + " median", values(in, key + ".median"), below(2)));
        row("deviation, 95th percentile", cells(in, key + ".p95", 2, " ms"), "<= 10 ms",
            report.verdict(name + " 95th percentile", values(in, key + ".p95"), below(10)));
        row("deviation, largest", cells(in, key + ".max", 2, " ms"));
        std::printf("\n");
    }
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
