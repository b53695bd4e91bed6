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

} // namespace qor::bench
