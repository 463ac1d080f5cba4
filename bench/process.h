#pragma once

// Starting the measured programs: one process at a time, timed from just
// before it is spawned, its output read and its resources taken when it
// ends.

#include <map>
#include <string>
#include <vector>

using Args = std::vector<std::string>;

// The monotonic clock (std::chrono::steady_clock), in nanoseconds.
long long nowNs();

// Our environment with `set` replacing or adding variables.
Args environment(const std::map<std::string, std::string> &set);

// The strings as a null-terminated array for exec.
std::vector<char *> pointers(Args &strings);

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
Finished run(Args argv, Args env, int timeoutMs);
