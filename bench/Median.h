// The median of a benchmark's samples (the mean of the middle two for an even count; 0 for
// none): one neighbour's burst of load on a shared machine moves it little.
#pragma once

#include <algorithm>
#include <vector>

namespace qor::bench {

inline double Median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The median of the ratios a[i] / b[i] of two series measured by turns (0 for none): each ratio
// compares two neighbouring measurements, so a change of the machine's load between the turns
// moves it less than it moves the ratio of the two medians.
inline double MedianRatio(const std::vector<double>& a, const std::vector<double>& b) {
    std::vector<double> ratios;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (b[i] > 0) {
            ratios.push_back(a[i] / b[i]);
        }
    }
    return Median(ratios);
}

} // namespace qor::bench
