#pragma once

// The paces at which kalumet's automatic mode is timed, shared by the
// engine, which measures them, and the driver, which prints them.

namespace beatbench {

struct Pace
{
    int ms;              // the pace: Timer1's interval
    int runs;            // automatic runs of 5, 4, 3 started
    int intervals;       // intervals measured of each run; 0: the whole run
    const char *key;     // what the figures are named after
    const char *section; // the number of its section in the table
};

// 500 ms first, as it was measured before the other paces were, under the
// same names. A whole run at 4 s a step takes 96 s; its first intervals
// show the beat as well.
constexpr Pace kPaces[] = {
    {500, 3, 0, "beat", "6"},
    {250, 3, 0, "beat.250", "6a"},
    {4000, 1, 8, "beat.4000", "6b"},
};

} // namespace beatbench
