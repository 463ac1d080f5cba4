#pragma once

// What the benchmark measures and keeps: the platforms, the programs
// started, and their figures.

#include "process.h"

#include <map>
#include <string>
#include <vector>

// Figures a program reports as "key<TAB>value" lines.
using Figures = std::map<std::string, std::string>;
Figures parse(const std::string &out);
double number(const Figures &f, const std::string &key); // -1 where missing
std::string text(const Figures &f, const std::string &key); // "?" where missing

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

// samples[platform][program]
using StartSamples = std::vector<std::vector<Samples>>;

struct TranslationSamples
{
    std::vector<double> us; // the load, in microseconds
    bool found = true;      // every start found the texts
};
