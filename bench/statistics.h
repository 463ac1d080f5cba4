#pragma once

// Order statistics of a set of measurements.

#include <algorithm>
#include <cmath>
#include <vector>

namespace benchstats {

// The middle value; the mean of the two middle values for an even count;
// 0 for no values.
inline double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    const std::size_t n = values.size();
    std::sort(values.begin(), values.end());
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The nearest-rank percentile: the smallest value that at least `percent`
// per cent of the values don't exceed; 0 for no values.
inline double percentile(std::vector<double> values, double percent)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const double rank = std::ceil(percent / 100.0 * double(values.size()));
    const std::size_t index = rank < 1 ? 0 : std::size_t(rank) - 1;
    return values[std::min(index, values.size() - 1)];
}

inline double maximum(const std::vector<double> &values)
{
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

} // namespace benchstats
