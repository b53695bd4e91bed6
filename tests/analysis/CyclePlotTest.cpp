// The cycle as curves: the horizontal axis and its runs, the thinning that keeps what a screen
// shows, and the row a running drive has reached.
#include "Linkages.h"

#include "analysis/CyclePlot.h"
#include "kinematics/Solver.h"
#include "kinematics/Stepping.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using qor::Cycle;
using qor::PlotPoint;
using qor::test::DefaultLinkage;

// Far below a step (a degree is 0.017 rad), far above the rounding of a few hundred additions.
constexpr double kRounding = 1e-9;

struct AxisCase {
    const char* name;
    double fiDeg, v1Deg, v4Deg;
    bool overAngle;
    std::vector<std::size_t> runStarts;
};

// From 200 degrees forwards Fi climbs to 358 in rows 0 to 158 and wraps to 0 in row 159: the
// curve is drawn in two runs so that no line crosses the plot back to the left.
const AxisCase axisCases[] = {
    {"LinkOneFromZero", 0, 1, 0, true, {0}},
    {"LinkOneWrapsOnce", 200, 1, 0, true, {0, 159}},
    {"LinkFourBackwards", 0, 0, -1, true, {0}},
    {"BothLinksOverTheStep", 200, 1, 2, false, {0}},
};

TEST(CyclePlot, AxisIsTheDrivenAngleOrTheStepAndSplitsWhereTheAngleWraps) {
    for (const AxisCase& c : axisCases) {
        SCOPED_TRACE(c.name);
        const Cycle cycle = qor::ComputeCycle(DefaultLinkage(c.fiDeg, 0, c.v1Deg, c.v4Deg));
        ASSERT_FALSE(cycle.Rows.empty());
        EXPECT_EQ(qor::PlotsOverDrivenAngle(cycle), c.overAngle);
        const std::vector<double> axis = qor::AxisValues(cycle);
        ASSERT_EQ(axis.size(), cycle.Rows.size());
        for (std::size_t i = 0; i < axis.size(); i += 37) {
            const qor::CycleRow& row = cycle.Rows[i];
            const double expected = !c.overAngle   ? row.Step
                                    : c.v1Deg != 0 ? qor::test::Degrees(row.Fi)
                                                   : qor::test::Degrees(row.Gamma);
            EXPECT_DOUBLE_EQ(axis[i], expected) << "row " << i;
        }
        EXPECT_EQ(qor::RunStarts(cycle, axis), c.runStarts);
    }
}

struct ThinCase {
    const char* name;
    std::size_t rows;
    std::size_t buckets;
};

const ThinCase thinCases[] = {
    {"ShortRunKeptWhole", 4000, 1000},
    {"LongRunThinned", 100000, 1000},
    {"UnevenBuckets", 99999, 701},
};

TEST(CyclePlot, ThinnedCurveCoversTheBandOfEveryColumnInRowOrder) {
    for (const ThinCase& c : thinCases) {
        SCOPED_TRACE(c.name);
        std::vector<double> x(c.rows + 10);
        std::vector<double> y(c.rows + 10);
        for (std::size_t i = 0; i < x.size(); ++i) {
            x[i] = static_cast<double>(i);
            // A slow wave with a lone spike now and then, which thinning must not lose.
            y[i] = std::sin(static_cast<double>(i) * 1e-3) + (i % 997 == 0 ? 5.0 : 0.0) -
                   (i % 1009 == 0 ? 4.0 : 0.0);
        }
        // Rows 5 to rows+4: a run that does not start at row 0.
        std::vector<PlotPoint> out{{-1.0, -1.0}};
        qor::AppendThinned(out, x, y, 5, c.rows + 5, c.buckets);
        ASSERT_GT(out.size(), 1u);
        EXPECT_EQ(out.front().x, -1.0) << "appended, not replaced";
        out.erase(out.begin());
        if (c.rows <= qor::PointsPerBucket * c.buckets) {
            EXPECT_EQ(out.size(), c.rows);
        } else {
            EXPECT_LE(out.size(), qor::PointsPerBucket * c.buckets);
        }
        EXPECT_EQ(out.front().x, 5.0);
        EXPECT_EQ(out.back().x, static_cast<double>(c.rows + 4));
        EXPECT_TRUE(std::is_sorted(out.begin(), out.end(), [](PlotPoint a, PlotPoint b) {
            return a.x <= b.x;
        })) << "in row order, each row once";
        for (const PlotPoint& p : out) {
            ASSERT_EQ(p.y, y[static_cast<std::size_t>(p.x)]) << "a point of the curve itself";
        }
        // Every pixel column of the plot, however the buckets fall, shows the full band.
        for (std::size_t b = 0; b < c.buckets; ++b) {
            const std::size_t begin = 5 + b * c.rows / c.buckets;
            const std::size_t end = 5 + (b + 1) * c.rows / c.buckets;
            double low = INFINITY;
            double high = -INFINITY;
            for (const PlotPoint& p : out) {
                if (p.x >= static_cast<double>(begin) && p.x < static_cast<double>(end)) {
                    low = std::min(low, p.y);
                    high = std::max(high, p.y);
                }
            }
            const auto [fullLow, fullHigh] =
                std::minmax_element(y.begin() + static_cast<std::ptrdiff_t>(begin),
                                    y.begin() + static_cast<std::ptrdiff_t>(end));
            ASSERT_EQ(low, *fullLow) << "bucket " << b;
            ASSERT_EQ(high, *fullHigh) << "bucket " << b;
        }
    }
}

// The row CycleRowAt names is the position the running program shows after that many advances,
// through the lead-in and round the cycle several times; equal up to the rounding of the steps
// by which the cycle tells a pair of angles come back (a wrap gives exactly 0 where the first
// round had 0 less a few ulps).
TEST(CyclePlot, RowAfterAdvancesIsThePositionTheAnimationShows) {
    struct Drive {
        const char* name;
        double fiDeg, v1Deg, v4Deg;
    };
    for (const Drive& d :
         {Drive{"LeadInThenRound", 30, -1, 0}, Drive{"StepThatDoesNotDivide", 0, 7, 0},
          Drive{"BothLinks", 0, 90, 120}}) {
        SCOPED_TRACE(d.name);
        qor::Mechanism running = DefaultLinkage(d.fiDeg, 0, d.v1Deg, d.v4Deg);
        const Cycle cycle = qor::ComputeCycle(running);
        ASSERT_TRUE(cycle.Closed);
        const auto rows = static_cast<long long>(cycle.Rows.size());
        for (long long advances = 0; advances < 3 * rows + 5; ++advances) {
            const int row = qor::CycleRowAt(cycle, advances);
            ASSERT_GE(row, 0);
            const qor::CycleRow& shown = cycle.Rows[static_cast<std::size_t>(row)];
            ASSERT_NEAR(shown.Fi, running.Fi, kRounding) << advances;
            ASSERT_NEAR(shown.Gamma, running.Gamma, kRounding) << advances;
            qor::AccumulateAngles(running);
            qor::SolvePosition(running);
        }
    }
}

TEST(CyclePlot, NoRowPastAnOpenCycleOrWithoutRows) {
    Cycle open;
    open.Rows.resize(10);
    EXPECT_EQ(qor::CycleRowAt(open, 9), 9);
    EXPECT_EQ(qor::CycleRowAt(open, 10), -1);
    EXPECT_EQ(qor::CycleRowAt(Cycle{}, 0), -1);
}

} // namespace
