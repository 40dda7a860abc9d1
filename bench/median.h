#pragma once

#include <algorithm>
#include <vector>

// The middle of a benchmark's timings: one slow round, a disk flush or a busy core, moves it
// less than it moves a mean.
inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
