// The figures of a cycle: closing margin, extremes of the transmission angle, range of B.
#include "Linkages.h"

#include "analysis/CycleFigures.h"
#include "kinematics/Solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using qor::Cycle;
using qor::CycleFigures;
using qor::Mechanism;
using qor::MechanismPlane;
using qor::test::DefaultLinkage;
using qor::test::DrivenLinkage;

struct MarginCase {
    const char* name;
    double a, b, L1, L2, L4;
    double margin;
};

const MarginCase marginCases[] = {
    {"Defaults", 3, 0, 3, 6, 3, 3},       // 12 - (3 + 3 + 3)
    {"NothingToSpare", 3, 4, 1, 4, 2, 0}, // 8 - (1 + 2 + 5)
    {"CannotClose", 3, 4, 2, 4, 2, -1},   // 8 - (2 + 2 + 5)
    {"NegativeLengthCountsItsSize", 3, 0, -3, 6, 3, 3},
};

class ClosingMargin : public testing::TestWithParam<MarginCase> {};

TEST_P(ClosingMargin, IsWhatTheCouplersHaveToSpare) {
    const MarginCase& c = GetParam();
    const Mechanism m = DrivenLinkage(c.a, c.b, c.L1, c.L2, c.L4, 0, 0, 1, 0);
    EXPECT_EQ(qor::ClosingMargin(m), c.margin);
    EXPECT_EQ(qor::FiguresOf(qor::ComputeCycle(m)).ClosingMargin, c.margin);
}

INSTANTIATE_TEST_SUITE_P(Linkages, ClosingMargin, testing::ValuesIn(marginCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Defaults with link 1 alone from 0: the moving ends are d apart with d² = 45 - 36·cos Fi, so the
// transmission angle's cosine (72 - d²) / 72 = (27 + 36·cos Fi) / 72 falls as Fi goes from 0 to
// 180 degrees: smallest at step 0, largest at step 180.
TEST(CycleFigures, TransmissionExtremesOfTheDefaultLinkage) {
    const CycleFigures figures = qor::FiguresOf(qor::ComputeCycle(DefaultLinkage(0, 0, 1, 0)));
    ASSERT_TRUE(figures.SmallestTransmission && figures.LargestTransmission);
    EXPECT_EQ(figures.SmallestTransmission->Step, 0);
    EXPECT_NEAR(figures.SmallestTransmission->Angle, std::acos(63.0 / 72.0), 1e-12);
    EXPECT_EQ(figures.LargestTransmission->Step, 180);
    EXPECT_NEAR(figures.LargestTransmission->Angle, std::acos(-9.0 / 72.0), 1e-12);
    EXPECT_EQ(figures.CycleLength, 359);
}

struct DriveCase {
    const char* name;
    Mechanism start;
};

const DriveCase driveCases[] = {
    {"DefaultsBothLinks", DefaultLinkage(0, 0, 1, 2)},
    {"OffsetPivotOnTheWall",
     DrivenLinkage(2, 1, 2, 5, 3, 15, -40, 3, -5, MechanismPlane::Vertical)},
    {"NegativeOffsetWithLeadIn", DrivenLinkage(-1, 2, 1, 4, 2, 30, 0, -1, 0)},
    {"FullStretchLinkage", DrivenLinkage(3, 4, 1, 4, 2, 0, 0, 0.5, 1.5)},
};

class FiguresOfACycle : public testing::TestWithParam<DriveCase> {};

// A scan of every row with the law of cosines finds the same extremes, at steps whose angle is
// that extreme.
TEST_P(FiguresOfACycle, TransmissionExtremesMatchABruteForceScan) {
    const Mechanism& start = GetParam().start;
    const Cycle cycle = qor::ComputeCycle(start);
    const CycleFigures figures = qor::FiguresOf(cycle);
    ASSERT_TRUE(figures.SmallestTransmission && figures.LargestTransmission);

    Mechanism m = start;
    double smallest = 10.0;
    double largest = -1.0;
    std::vector<double> byStep;
    for (std::size_t i = 0; i < cycle.Rows.size(); ++i) {
        if (i > 0) {
            m.Fi += m.dFi;
            m.Gamma += m.dGamma;
            qor::SolvePosition(m);
        }
        const double angle = qor::test::LawOfCosinesTransmission(m);
        byStep.push_back(angle);
        smallest = std::min(smallest, angle);
        largest = std::max(largest, angle);
    }
    EXPECT_NEAR(figures.SmallestTransmission->Angle, smallest, 1e-7);
    EXPECT_NEAR(figures.LargestTransmission->Angle, largest, 1e-7);
    const auto at = [&](int step) { return byStep.at(static_cast<std::size_t>(step)); };
    EXPECT_NEAR(at(figures.SmallestTransmission->Step), smallest, 1e-7);
    EXPECT_NEAR(at(figures.LargestTransmission->Step), largest, 1e-7);
    EXPECT_LT(smallest, largest);
}

TEST_P(FiguresOfACycle, RangeOfBHoldsEveryRowAndTouchesItsEdges) {
    const Cycle cycle = qor::ComputeCycle(GetParam().start);
    const CycleFigures figures = qor::FiguresOf(cycle);
    ASSERT_TRUE(figures.RangeOfB);
    const qor::PlaneRange& r = *figures.RangeOfB;
    EXPECT_EQ(figures.CycleLength, static_cast<int>(cycle.Rows.size()));
    EXPECT_LT(r.MinFirst, r.MaxFirst);
    EXPECT_LT(r.MinSecond, r.MaxSecond);
    bool touches[4] = {};
    for (const qor::CycleRow& row : cycle.Rows) {
        const double first = row.B.x;
        const double second = qor::SecondPlaneCoordinate(cycle.Start.Plane, row.B);
        ASSERT_GE(first, r.MinFirst);
        ASSERT_LE(first, r.MaxFirst);
        ASSERT_GE(second, r.MinSecond);
        ASSERT_LE(second, r.MaxSecond);
        touches[0] |= first == r.MinFirst;
        touches[1] |= first == r.MaxFirst;
        touches[2] |= second == r.MinSecond;
        touches[3] |= second == r.MaxSecond;
    }
    for (bool edge : touches) {
        EXPECT_TRUE(edge);
    }
}

INSTANTIATE_TEST_SUITE_P(Drives, FiguresOfACycle, testing::ValuesIn(driveCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CycleFigures, CountTheLeadInAndLeaveOutWhatNeedsRows) {
    EXPECT_EQ(qor::FiguresOf(qor::ComputeCycle(DefaultLinkage(30, 0, -1, 0))).CycleLength, 389);

    const CycleFigures still = qor::FiguresOf(qor::ComputeCycle(DefaultLinkage(30, 0, 0, 0)));
    EXPECT_EQ(still.CycleLength, 0);
    EXPECT_EQ(still.ClosingMargin, 3.0);
    EXPECT_FALSE(still.SmallestTransmission);
    EXPECT_FALSE(still.LargestTransmission);
    EXPECT_FALSE(still.RangeOfB);
}

} // namespace
