// The cycle of a drive: where it closes, and that every row is the animation's own position.
#include "Linkages.h"

#include "analysis/Cycle.h"
#include "analysis/Transmission.h"
#include "kinematics/Solver.h"
#include "kinematics/Stepping.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <string>
#include <utility>

namespace {

using qor::Cycle;
using qor::DrivenLinks;
using qor::Mechanism;
using qor::MechanismPlane;
using qor::test::DefaultLinkage;
using qor::test::DrivenLinkage;

struct DriveCase {
    const char* name;
    double fiDeg, gammaDeg; // start
    double v1Deg, v4Deg;    // steps
    int maxSteps;
    int rows;
    int repeatsFrom; // -1: the drive does not close within maxSteps
    DrivenLinks drive;
};

// A driven angle wraps to exactly 0 once it reaches 359 degrees (either way), so an angle that
// starts at 0 and steps by v degrees comes back after the first k with k·|v| >= 359, and the
// pair of angles after the least common multiple of the two periods.
const DriveCase driveCases[] = {
    // 358 steps reach 358 degrees; the 359th reaches 359 and wraps to 0.
    {"LinkOneAtOneDegree", 0, 0, 1, 0, qor::MaxCycleSteps, 359, 0, DrivenLinks::Link1},
    {"LinkFourBackwardsAtOneDegree", 0, 0, 0, -1, qor::MaxCycleSteps, 359, 0, DrivenLinks::Link4},
    // Link 1 comes back every 359 steps, link 4 every 180 (2·180 = 360 >= 359 > 358 = 2·179);
    // 359 is prime, so the pair comes back after 359·180 = 64620.
    {"LinksOneAndFourAtOneAndTwoDegrees", 0, 0, 1, 2, qor::MaxCycleSteps, 64620, 0,
     DrivenLinks::Both},
    // From 30 degrees backwards: 30 steps down to 0 (29, 28, ..., 1, then 0 once more exactly),
    // then the 359 positions from 0 to -358 that repeat for ever. The start is never seen again:
    // the positions 30 to 1 were a lead-in.
    {"StartOffTheCycle", 30, 0, -1, 0, qor::MaxCycleSteps, 389, 30, DrivenLinks::Link1},
    // The same lead-in with link 4 at 2 degrees from 0: the pair repeats once both have come
    // round, 64620 steps after the end of the lead-in.
    {"StartOffTheCycleWithBothLinks", 30, 0, -1, 2, qor::MaxCycleSteps, 30 + 64620, 30,
     DrivenLinks::Both},
    // 7 does not divide 359: 7·51 = 357 stays, 7·52 = 364 passes 359 and wraps to 0, so the
    // cycle is 52 steps and never shows 359 or 360.
    {"StepThatDoesNotDivide", 0, 0, 7, 0, qor::MaxCycleSteps, 52, 0, DrivenLinks::Link1},
    // 1.5·239 = 358.5 stays, 1.5·240 = 360 wraps (here backwards: -360 <= -359).
    {"HalfDegreesBackwards", 0, 0, -1.5, 0, qor::MaxCycleSteps, 240, 0, DrivenLinks::Link1},
    // -0.0 and 0.0 are the same angle: the wrap's 0.0 repeats a start at -0.0.
    {"StartAtNegativeZero", -0.0, 0, 1, 0, qor::MaxCycleSteps, 359, 0, DrivenLinks::Link1},
    // 0.001 degrees per step needs 359000 steps to come round.
    {"NotClosedWithinTheLimit", 0, 0, 0.001, 0, qor::MaxCycleSteps, qor::MaxCycleSteps, -1,
     DrivenLinks::Link1},
    // A limit of exactly the cycle's length still finds the repeat; one less does not.
    {"ClosesAtTheLimit", 0, 0, 1, 0, 359, 359, 0, DrivenLinks::Link1},
    {"OneRowShortOfTheLimit", 0, 0, 1, 0, 358, 358, -1, DrivenLinks::Link1},
    {"NotDriven", 30, 60, 0, 0, qor::MaxCycleSteps, 0, -1, DrivenLinks::None},
};

class CycleLength : public testing::TestWithParam<DriveCase> {};

TEST_P(CycleLength, IsWhereTheDrivenAnglesComeRound) {
    const DriveCase& c = GetParam();
    const Mechanism start = DefaultLinkage(c.fiDeg, c.gammaDeg, c.v1Deg, c.v4Deg);
    const Cycle cycle = qor::ComputeCycle(start, c.maxSteps);
    EXPECT_EQ(cycle.Drive, c.drive);
    EXPECT_EQ(static_cast<int>(cycle.Rows.size()), c.rows);
    EXPECT_EQ(cycle.Closed, c.repeatsFrom >= 0);
    EXPECT_EQ(cycle.RepeatsFrom, c.repeatsFrom);
    for (std::size_t i = 0; i < cycle.Rows.size(); ++i) {
        ASSERT_EQ(cycle.Rows[i].Step, static_cast<int>(i));
    }
}

INSTANTIATE_TEST_SUITE_P(Drives, CycleLength, testing::ValuesIn(driveCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct StepCase {
    const char* name;
    Mechanism start;
};

const StepCase stepCases[] = {
    {"DefaultsOnTheFloor", DefaultLinkage(0, 0, 1, 2)},
    {"DefaultsOnTheWall", DefaultLinkage(30, 0, -1, 2, MechanismPlane::Vertical)},
    {"OffsetPivotBothWays", DrivenLinkage(2, 1, 2, 5, 3, 15, -40, 3, -5)},
    {"LinkageAtFullStretch", DrivenLinkage(3, 4, 1, 4, 2, 0, 0, 0.5, 0, MechanismPlane::Vertical)},
    {"StepThatDoesNotDivide", DrivenLinkage(-1, 2, 1, 4, 2, 100, 0, 0, 7)},
    // Link 1 held where link 3 points along the negative first axis at Gamma = 180 degrees, and
    // link 4 sweeping past it in 35,900 small steps: the rows are solved on several threads, and
    // those in link 3's guard keep Ksi from the row before.
    {"LongDriveThroughLinkThreesGuard", DefaultLinkage(-104.47751218592994, 0, 0, 0.01)},
};

class CycleRows : public testing::TestWithParam<StepCase> {};

// Every row is what the record holds after the same advances made one by one, to the last bit:
// the cycle drawn or tabulated is the one the animation shows.
TEST_P(CycleRows, AreTheSolversPositionsAdvanceByAdvance) {
    const Mechanism& start = GetParam().start;
    const Cycle cycle = qor::ComputeCycle(start);
    ASSERT_TRUE(cycle.Closed);
    ASSERT_FALSE(cycle.Rows.empty());

    Mechanism m = start;
    for (const qor::CycleRow& row : cycle.Rows) {
        ASSERT_EQ(row.Fi, m.Fi) << row.Step;
        ASSERT_EQ(row.Psi, m.Psi) << row.Step;
        ASSERT_EQ(row.Ksi, m.Ksi) << row.Step;
        ASSERT_EQ(row.Gamma, m.Gamma) << row.Step;
        for (const auto& [got, want] : {std::pair{row.Joint12, m.Joint12}, std::pair{row.B, m.B},
                                        std::pair{row.Joint43, m.Joint43}}) {
            ASSERT_EQ(got.x, want.x) << row.Step;
            ASSERT_EQ(got.y, want.y) << row.Step;
            ASSERT_EQ(got.z, want.z) << row.Step;
        }
        ASSERT_EQ(row.Transmission, qor::TransmissionAngle(m)) << row.Step;
        qor::AccumulateAngles(m);
        qor::SolvePosition(m);
    }
    // The advance after the last row lands on the pair the cycle says it repeats: the very same
    // doubles after a wrap, or the same angles but for the rounding a lead-in gathers.
    const qor::CycleRow& repeated = cycle.Rows[static_cast<std::size_t>(cycle.RepeatsFrom)];
    EXPECT_NEAR(m.Fi, repeated.Fi, 1e-12);
    EXPECT_NEAR(m.Gamma, repeated.Gamma, 1e-12);
}

// The repeat is the first one: no pair of driven angles occurs twice among the rows. Checked with
// an ordered map, which knows nothing of the cycle's hash table.
TEST_P(CycleRows, HoldEachPairOfDrivenAnglesOnce) {
    const Cycle cycle = qor::ComputeCycle(GetParam().start);
    std::map<std::pair<double, double>, int> firstRow;
    for (const qor::CycleRow& row : cycle.Rows) {
        const auto [at, added] = firstRow.emplace(std::pair{row.Fi, row.Gamma}, row.Step);
        ASSERT_TRUE(added) << "step " << row.Step << " repeats step " << at->second;
    }
}

TEST(ComputeCycle, CarriesKsiThroughLinkThreesGuard) {
    const Cycle cycle = qor::ComputeCycle(DefaultLinkage(-104.47751218592994, 0, 0, 0.01));
    ASSERT_EQ(cycle.Rows.size(), 35900U);
    int kept = 0;
    for (std::size_t i = 1; i < cycle.Rows.size(); ++i) {
        kept += cycle.Rows[i].Ksi == cycle.Rows[i - 1].Ksi ? 1 : 0;
    }
    EXPECT_GT(kept, 0) << "the drive never reaches the guard, so it tests nothing there";
}

INSTANTIATE_TEST_SUITE_P(Linkages, CycleRows, testing::ValuesIn(stepCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ComputeCycle, NeverClosesOnAnglesThatAreNotANumber) {
    // A step that is not a number leaves the driven angle not a number, and such a pair equals
    // nothing, not even a pair of the very same bits: the drive never closes.
    Mechanism m = DefaultLinkage(0, 0, 1, 0);
    m.dFi = std::numeric_limits<double>::quiet_NaN();
    const Cycle cycle = qor::ComputeCycle(m, 2000);
    EXPECT_FALSE(cycle.Closed);
    EXPECT_EQ(cycle.RepeatsFrom, -1);
    EXPECT_EQ(cycle.Rows.size(), 2000u);
}

TEST(ComputeCycle, WithALimitBelowOneComputesNothing) {
    const Cycle cycle = qor::ComputeCycle(DefaultLinkage(0, 0, 1, 0), 0);
    EXPECT_TRUE(cycle.Rows.empty());
    EXPECT_FALSE(cycle.Closed);
    EXPECT_EQ(cycle.Drive, DrivenLinks::Link1);
}

} // namespace
