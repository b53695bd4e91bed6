// The transmission angle at B: worked positions, full stretch, and the 40°–140° band. Every row
// of a cycle is also checked against the law of cosines in CycleCsvTest.cpp.
#include "Linkages.h"

#include "analysis/Transmission.h"
#include "kinematics/Solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

namespace {

using qor::Mechanism;
using qor::MechanismPlane;
using qor::test::DefaultLinkage;
using qor::test::DrivenLinkage;
using qor::test::Radians;

struct WorkedAngle {
    const char* name;
    double fiDeg, gammaDeg;
    double cosine; // of the transmission angle, from the triangle's sides
};

// Defaults: L2 = L3 = 6, so cos = (72 - d²) / 72 with d the distance between the moving ends.
const WorkedAngle workedAngles[] = {
    {"AtRest", 0, 0, (72.0 - 9.0) / 72.0},              // ends at (3, 0) and (6, 0): d = 3
    {"LinkOneBackwards", 180, 0, (72.0 - 81.0) / 72.0}, // (-3, 0) and (6, 0): d = 9
    {"EndsCoincide", 60, 120, 1.0}, // both ends at (1.5, 2.6): links 2 and 3 lie on each other
};

class TransmissionAtWorkedPositions : public testing::TestWithParam<WorkedAngle> {};

TEST_P(TransmissionAtWorkedPositions, IsTheAngleOfTheCouplerTriangle) {
    const WorkedAngle& w = GetParam();
    for (MechanismPlane plane : {MechanismPlane::Horizontal, MechanismPlane::Vertical}) {
        const Mechanism m = DefaultLinkage(w.fiDeg, w.gammaDeg, 0, 0, plane);
        EXPECT_NEAR(qor::TransmissionAngle(m), std::acos(w.cosine), 1e-12);
    }
}

INSTANTIATE_TEST_SUITE_P(Defaults, TransmissionAtWorkedPositions, testing::ValuesIn(workedAngles),
                         [](const auto& info) { return std::string(info.param.name); });

// At full stretch B lies on the line between the moving ends: 180 degrees, where a bare arc
// cosine of a cosine rounded past -1 would give no number at all.
TEST(TransmissionAngle, IsStraightAtFullStretch) {
    // a = 3, b = 4, L1 = 1, L4 = 2, L2 = L3 = 4 closes with nothing to spare: with link 1 pointing
    // away from pivot 4 and link 4 away from pivot 1, the ends are 1 + 5 + 2 = 8 apart.
    const double away = std::atan2(4.0, 3.0);
    Mechanism m = DrivenLinkage(3, 4, 1, 4, 2, 0, 0, 0, 0);
    m.Fi = away + std::numbers::pi;
    m.Gamma = away;
    qor::SolvePosition(m);
    const double angle = qor::TransmissionAngle(m);
    ASSERT_TRUE(std::isfinite(angle));
    EXPECT_NEAR(angle, std::numbers::pi, 1e-6);
}

struct BandCase {
    double degrees;
    bool outside;
};

TEST(OutsideTransmissionBand, MarksBelowFortyAndAboveOneHundredForty) {
    const BandCase cases[] = {
        {0, true},       {39.99, true},  {40.01, false}, {90, false},
        {139.99, false}, {140.01, true}, {180, true},
    };
    for (const BandCase& c : cases) {
        EXPECT_EQ(qor::OutsideTransmissionBand(Radians(c.degrees)), c.outside) << c.degrees;
    }
}

} // namespace
