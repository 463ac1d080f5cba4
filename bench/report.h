#pragma once

// The benchmark's printed table: a section per measurement, a cell per
// platform, each figure with its target, and the targets missed.

#include "measurements.h"

#include <functional>
#include <string>
#include <vector>

std::string load(); // the load average, three figures

class Report
{
public:
    explicit Report(const std::vector<Platform> &platforms);

    void section(const std::string &title) const;
    // Whether every value meets the target; a miss is kept for the end.
    bool verdict(const std::string &what, const std::vector<double> &values,
                 const std::function<bool(double)> &meets);
    void printMissed() const;

private:
    std::vector<std::string> m_heads;
    std::vector<std::string> m_missed;
};

void printHeader(int runs, const std::string &loadBefore, const std::string &against);
void printStartUps(Report &report, const std::vector<Program> &programs,
                   const StartSamples &samples);
void printTranslations(Report &report, const std::vector<TranslationSamples> &samples);
void printSteps(Report &report, const std::vector<Figures> &in);
void printBeat(Report &report, const std::vector<Figures> &in);
void printIdle(Report &report, const std::vector<Figures> &in,
               const std::vector<Platform> &platforms);
