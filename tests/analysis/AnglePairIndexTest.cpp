// The table of driven-angle pairs that finds where a drive comes round.
#include "analysis/AnglePairIndex.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using qor::AnglePairIndex;

constexpr double SameAngle = AnglePairIndex::SameAngle;

struct Nearby {
    const char* name;
    double dFi, dGamma; // the drive's steps
    double fi, gamma;   // a pair first recorded
    double fi2, gamma2; // a pair looked up afterwards
    bool same;
};

const double nan = std::numeric_limits<double>::quiet_NaN();
const double degree = 0.017453292519943295;

const Nearby nearby[] = {
    {"SamePairAgain", degree, degree, 0.5, 1.5, 0.5, 1.5, true},
    {"AnglesSwapped", degree, degree, 0.5, 1.5, 1.5, 0.5, false},
    {"OneStepAway", degree, degree, 0.5, 1.5, 0.5 + degree, 1.5, false},
    {"ZerosOfBothSigns", degree, degree, -0.0, 0.25, 0.0, 0.25, true},
    // 30 degrees less 30 steps of 1 degree, against the wrap's exact 0.
    {"LeadInRoundingAgainstTheWrap", -degree, 0, -2.5673907444456745e-16, 0, 0.0, 0, true},
    {"WithinTheTolerance", degree, degree, 1.0, 2.0, 1.0 + 0.9 * SameAngle, 2.0 - 0.9 * SameAngle,
     true},
    {"BeyondTheToleranceInFi", degree, degree, 1.0, 2.0, 1.0 + 2 * SameAngle, 2.0, false},
    {"BeyondTheToleranceInGamma", degree, degree, 1.0, 2.0, 1.0, 2.0 + 2 * SameAngle, false},
    // A link that does not turn keeps its angle bit for bit: only that very angle matches.
    {"StillLinkMatchesExactly", degree, 0, 1.0, 2.0, 1.0, std::nextafter(2.0, 3.0), false},
    // With a step of 2e-9 rad the tolerance shrinks to a quarter of it, 5e-10.
    {"TinyStepNeighbourIsNew", 2e-9, 0, 1.0, 0, 1.0 + 2e-9, 0, false},
    {"TinyStepWithinAQuarter", 2e-9, 0, 1.0, 0, 1.0 + 4e-10, 0, true},
    {"NotANumberFirst", degree, degree, nan, 0.25, nan, 0.25, false},
    {"NotANumberAfter", degree, degree, 0.25, 0.5, 0.25, nan, false},
};

class AnglePairsNearby : public testing::TestWithParam<Nearby> {};

TEST_P(AnglePairsNearby, CountAsTheSamePairOnlyWithinTheTolerance) {
    const Nearby& c = GetParam();
    AnglePairIndex index(c.dFi, c.dGamma);
    EXPECT_EQ(index.FindOrAdd(c.fi, c.gamma, 7), -1);
    EXPECT_EQ(index.FindOrAdd(c.fi2, c.gamma2, 8), c.same ? 7 : -1);
}

INSTANTIATE_TEST_SUITE_P(Pairs, AnglePairsNearby, testing::ValuesIn(nearby),
                         [](const auto& info) { return std::string(info.param.name); });

// The table buckets angles by the step; two angles a hair apart on either side of a bucket's
// edge are still the same angle, in either coordinate. The edges are sought both at the
// multiples of the step and half a step off them.
TEST(AnglePairIndex, MatchesAcrossTheEdgesOfItsBuckets) {
    constexpr double step = 0.01;
    constexpr double hair = 1e-12;
    for (const double offset : {0.0, 0.5}) {
        AnglePairIndex index(step, step);
        for (int k = -500; k < 500; ++k) {
            const double edge = (k + offset) * step;
            ASSERT_EQ(index.FindOrAdd(edge - hair, 7.0, 2 * (k + 500)), -1) << k;
            ASSERT_EQ(index.FindOrAdd(-7.0, edge + hair, 2 * (k + 500) + 1), -1) << k;
        }
        for (int k = -500; k < 500; ++k) {
            const double edge = (k + offset) * step;
            ASSERT_EQ(index.FindOrAdd(edge + hair, 7.0, -1), 2 * (k + 500)) << k << " " << offset;
            ASSERT_EQ(index.FindOrAdd(-7.0, edge - hair, -1), 2 * (k + 500) + 1) << k;
        }
    }
}

// Enough pairs to make the table grow several times: every one is still found at its own row,
// and pairs between them are new.
TEST(AnglePairIndex, KeepsEveryPairAcrossGrowth) {
    constexpr int count = 50000;
    constexpr double step = 1e-5;
    AnglePairIndex index(step, -step);
    for (int row = 0; row < count; ++row) {
        ASSERT_EQ(index.FindOrAdd(row * step, -row * step, row), -1) << row;
    }
    EXPECT_EQ(index.size(), static_cast<std::size_t>(count));
    for (int row = 0; row < count; ++row) {
        ASSERT_EQ(index.FindOrAdd(row * step, -row * step, count + row), row);
        ASSERT_EQ(index.FindOrAdd((row + 0.5) * step, -row * step, count + row), -1);
    }
    EXPECT_EQ(index.size(), static_cast<std::size_t>(2 * count));
}

} // namespace
