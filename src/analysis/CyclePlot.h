// The cycle as curves to plot: the horizontal value of each row, the runs a curve is drawn in,
// the curves thinned to what a screen can show, and the row a running drive has reached.
#pragma once

#include "analysis/Cycle.h"

#include <cstddef>
#include <vector>

namespace qor {

struct PlotPoint {
    double x = 0.0;
    double y = 0.0;
};

// True when the plots run over the driven angle: exactly one link is driven.
bool PlotsOverDrivenAngle(const Cycle& cycle);

// The horizontal value of every row: its step, or the driven angle in degrees when only one link
// is driven.
std::vector<double> AxisValues(const Cycle& cycle);

// The rows where a curve starts afresh, in order and beginning with 0: over a driven angle, a
// row whose angle moved against the drive (the angle wrapped to 0) starts a new run, so that no
// line is drawn back across the plot. Over the step there is one run. Empty without rows.
std::vector<std::size_t> RunStarts(const Cycle& cycle, const std::vector<double>& axis);

// Points per bucket that Thin keeps at most: the first, the lowest, the highest and the last.
constexpr std::size_t PointsPerBucket = 4;

// Appends the points (x[i], y[i]) of rows first..last-1 to `out`, thinned for a plot of about
// `buckets` pixel columns: the rows are cut into `buckets` runs of consecutive rows, and of each
// the first, the lowest, the highest and the last point are kept, in row order, so that the
// drawn line covers exactly the band the full curve covers in each column. Runs of no more than
// PointsPerBucket · buckets rows are kept whole.
void AppendThinned(std::vector<PlotPoint>& out, const std::vector<double>& x,
                   const std::vector<double>& y, std::size_t first, std::size_t last,
                   std::size_t buckets);

// The row that the mechanism shows after `advances` advances from the cycle's start: past the
// last row the drive goes round from RepeatsFrom again. -1 when there is no such row: no rows,
// or a cycle that did not close and has been run past its end.
int CycleRowAt(const Cycle& cycle, long long advances);

} // namespace qor
