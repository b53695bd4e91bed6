#include "analysis/CyclePlot.h"

#include "analysis/CycleColumns.h"

#include <algorithm>

namespace qor {

bool PlotsOverDrivenAngle(const Cycle& cycle) {
    return cycle.Drive == DrivenLinks::Link1 || cycle.Drive == DrivenLinks::Link4;
}

std::vector<double> AxisValues(const Cycle& cycle) {
    const CycleColumn column = !PlotsOverDrivenAngle(cycle)        ? CycleColumn::Step
                               : cycle.Drive == DrivenLinks::Link1 ? CycleColumn::Fi
                                                                   : CycleColumn::Gamma;
    std::vector<double> axis;
    axis.reserve(cycle.Rows.size());
    for (const CycleRow& row : cycle.Rows) {
        axis.push_back(ColumnValue(row, column));
    }
    return axis;
}

std::vector<std::size_t> RunStarts(const Cycle& cycle, const std::vector<double>& axis) {
    std::vector<std::size_t> starts;
    if (axis.empty()) {
        return starts;
    }
    starts.push_back(0);
    if (!PlotsOverDrivenAngle(cycle)) {
        return starts;
    }
    const double step = cycle.Drive == DrivenLinks::Link1 ? cycle.Start.dFi : cycle.Start.dGamma;
    for (std::size_t i = 1; i < axis.size(); ++i) {
        if ((axis[i] - axis[i - 1]) * step < 0) {
            starts.push_back(i);
        }
    }
    return starts;
}

void AppendThinned(std::vector<PlotPoint>& out, const std::vector<double>& x,
                   const std::vector<double>& y, std::size_t first, std::size_t last,
                   std::size_t buckets) {
    const std::size_t count = last - first;
    if (count <= PointsPerBucket * buckets) {
        for (std::size_t i = first; i < last; ++i) {
            out.push_back({x[i], y[i]});
        }
        return;
    }
    for (std::size_t b = 0; b < buckets; ++b) {
        const std::size_t begin = first + b * count / buckets;
        const std::size_t end = first + (b + 1) * count / buckets;
        const auto [low, high] = std::minmax_element(y.begin() + static_cast<std::ptrdiff_t>(begin),
                                                     y.begin() + static_cast<std::ptrdiff_t>(end));
        std::size_t kept[] = {begin, static_cast<std::size_t>(low - y.begin()),
                              static_cast<std::size_t>(high - y.begin()), end - 1};
        std::sort(std::begin(kept), std::end(kept));
        const std::size_t* keptEnd = std::unique(std::begin(kept), std::end(kept));
        for (const std::size_t* i = std::begin(kept); i != keptEnd; ++i) {
            out.push_back({x[*i], y[*i]});
        }
    }
}

int CycleRowAt(const Cycle& cycle, long long advances) {
    const auto rows = static_cast<long long>(cycle.Rows.size());
    if (advances < rows) {
        return rows == 0 ? -1 : static_cast<int>(advances);
    }
    if (!cycle.Closed) {
        return -1;
    }
    const long long period = rows - cycle.RepeatsFrom;
    return static_cast<int>(cycle.RepeatsFrom + (advances - cycle.RepeatsFrom) % period);
}

} // namespace qor
