// The closed-form position solver: worked positions, the wrap of the driven angles, the guard
// on link 3's angle, the singular positions, and a property check over many accepted linkages.
#include "kinematics/Solver.h"
#include "kinematics/Angles.h"
#include "kinematics/ClosingRule.h"
#include "kinematics/Stepping.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

namespace {

using qor::Mechanism;
using qor::MechanismPlane;

constexpr double pi = std::numbers::pi;

double Deg(double degrees) {
    return static_cast<double>(qor::DegToRad(degrees));
}

Mechanism Linkage(double a, double b, double L1, double L2, double L3, double L4,
                  MechanismPlane plane = MechanismPlane::Horizontal) {
    Mechanism m;
    m.Plane = plane;
    m.a = a;
    m.b = b;
    m.L1 = L1;
    m.L2 = L2;
    m.L3 = L3;
    m.L4 = L4;
    return m;
}

Mechanism Defaults(MechanismPlane plane = MechanismPlane::Horizontal) {
    return Linkage(3, 0, 3, 6, 6, 3, plane);
}

Mechanism Solved(Mechanism m, double fi, double gamma) {
    m.Fi = fi;
    m.Gamma = gamma;
    qor::SolvePosition(m);
    return m;
}

// The plane coordinates of a point, whichever axis holds the second one.
struct Plane2 {
    double x, y;
};

Plane2 InPlane(const Mechanism& m, const qor::Point3& p) {
    return {p.x, qor::SecondPlaneCoordinate(m.Plane, p)};
}

double Distance(Plane2 p, Plane2 q) {
    return std::hypot(p.x - q.x, p.y - q.y);
}

// The crossing of the circles about Joint12 (radius L2) and Joint43 (radius L3) on the left of
// the line from Joint12 to Joint43: computed another way than the solver does, as a reference.
Plane2 ReferenceB(const Mechanism& m) {
    const Plane2 p = {m.L1 * std::cos(m.Fi), m.L1 * std::sin(m.Fi)};
    const Plane2 q = {m.a + m.L4 * std::cos(m.Gamma), m.b + m.L4 * std::sin(m.Gamma)};
    const double d = Distance(p, q);
    const double along = (d * d + m.L2 * m.L2 - m.L3 * m.L3) / (2 * d);
    const double across = std::sqrt(std::max(0.0, m.L2 * m.L2 - along * along));
    const Plane2 u = {(q.x - p.x) / d, (q.y - p.y) / d};
    return {p.x + along * u.x - across * u.y, p.y + along * u.y + across * u.x};
}

struct WorkedPosition {
    const char* name;
    double fiDeg, gammaDeg;
    double psi, ksi;  // radians
    double xB, yB;    // plane coordinates
    double tolerance; // exact closed forms to rounding; values quoted to two decimals to those
};

const double psiAtRest = 2 * std::atan(std::sqrt(3.0 / 5.0));

const WorkedPosition workedPositions[] = {
    {"AtRest", 0, 0, psiAtRest, std::acos(-0.25), 4.5, 6 * std::sin(psiAtRest), 1e-12},
    {"LinkOneAtThirty", 30, 0, Deg(48.2), Deg(84.3), 6.60, 5.97, 0.005},
    {"LinkOneBackwards", 180, 0, std::acos(0.75), std::acos(-0.75), 1.5,
     6 * std::sin(std::acos(0.75)), 1e-12},
    {"BothDrivenLinksTurnedAlike", 90, 90, psiAtRest, std::acos(-0.25), 1.5,
     3 + 6 * std::sin(psiAtRest), 1e-12},
};

class WorkedPositions : public testing::TestWithParam<WorkedPosition> {};

TEST_P(WorkedPositions, MatchTheClosedFormAndTheCircleCrossing) {
    const WorkedPosition& w = GetParam();
    const Mechanism m = Solved(Defaults(), Deg(w.fiDeg), Deg(w.gammaDeg));
    EXPECT_NEAR(m.Psi, w.psi, w.tolerance);
    EXPECT_NEAR(m.Ksi, w.ksi, w.tolerance);
    EXPECT_NEAR(m.B.x, w.xB, w.tolerance);
    EXPECT_NEAR(m.B.z, w.yB, w.tolerance);
    EXPECT_EQ(m.B.y, 0.0);
    const Plane2 reference = ReferenceB(m);
    EXPECT_NEAR(m.B.x, reference.x, 1e-12);
    EXPECT_NEAR(m.B.z, reference.y, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Defaults, WorkedPositions, testing::ValuesIn(workedPositions),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SolvePosition, PlacesThePointsInTheMechanismsOwnPlane) {
    const Mechanism floor = Solved(Defaults(MechanismPlane::Horizontal), Deg(30), Deg(60));
    const Mechanism wall = Solved(Defaults(MechanismPlane::Vertical), Deg(30), Deg(60));
    for (const auto& [onFloor, onWall] :
         {std::pair{floor.Joint12, wall.Joint12}, std::pair{floor.B, wall.B},
          std::pair{floor.Joint43, wall.Joint43}}) {
        EXPECT_EQ(onFloor.x, onWall.x);
        EXPECT_EQ(onFloor.z, onWall.y);
        EXPECT_EQ(onFloor.y, 0.0);
        EXPECT_EQ(onWall.z, 0.0);
    }
    EXPECT_NEAR(floor.Joint12.x, 3 * std::cos(Deg(30)), 1e-15);
    EXPECT_NEAR(floor.Joint12.z, 3 * std::sin(Deg(30)), 1e-15);
    EXPECT_NEAR(floor.Joint43.x, 3 + 3 * std::cos(Deg(60)), 1e-15);
    EXPECT_NEAR(floor.Joint43.z, 3 * std::sin(Deg(60)), 1e-15);
}

TEST(SolvePosition, ReportsPointBWithZNegated) {
    for (MechanismPlane plane : {MechanismPlane::Horizontal, MechanismPlane::Vertical}) {
        Mechanism m = Defaults(plane);
        int calls = 0;
        double shown[3] = {};
        qor::SolvePosition(m, [&](double x, double y, double z) {
            ++calls;
            shown[0] = x;
            shown[1] = y;
            shown[2] = z;
        });
        EXPECT_EQ(calls, 1);
        EXPECT_EQ(shown[0], m.B.x);
        EXPECT_EQ(shown[1], m.B.y);
        EXPECT_EQ(shown[2], -m.B.z);
        if (plane == MechanismPlane::Horizontal) {
            EXPECT_NEAR(shown[2], -5.81, 0.005);
        } else {
            EXPECT_NEAR(shown[1], 5.81, 0.005);
        }
    }
}

TEST(SolvePosition, KeepsThePreviousAnglesOfTheCouplers) {
    Mechanism m = Defaults();
    m.Psi = 0.25;
    m.Ksi = -0.5;
    qor::SolvePosition(m);
    EXPECT_EQ(m.PsiPrev, 0.25);
    EXPECT_EQ(m.KsiPrev, -0.5);
    const double psi = m.Psi;
    const double ksi = m.Ksi;
    qor::SolvePosition(m);
    EXPECT_EQ(m.PsiPrev, psi);
    EXPECT_EQ(m.KsiPrev, ksi);
}

struct WrapCase {
    const char* name;
    double degrees;
    bool wraps;
};

const WrapCase wrapCases[] = {
    {"JustBelowStays", 358, false},          {"AtTheLimitWraps", 359, true},
    {"BeyondTheLimitWraps", 400, true},      {"NegativeJustAboveStays", -358.9, false},
    {"NegativeAtTheLimitWraps", -359, true}, {"NegativeBeyondWraps", -720, true},
};

class Wrap : public testing::TestWithParam<WrapCase> {};

TEST_P(Wrap, SetsADrivenAngleToExactlyZeroAtItsLimit) {
    const WrapCase& w = GetParam();
    const double angle = static_cast<double>(qor::DegToRad(w.degrees));
    const Mechanism fi = Solved(Defaults(), angle, 0);
    const Mechanism gamma = Solved(Defaults(), 0, angle);
    EXPECT_EQ(fi.Fi, w.wraps ? 0.0 : angle);
    EXPECT_EQ(gamma.Gamma, w.wraps ? 0.0 : angle);
    if (w.wraps) {
        const Mechanism rest = Solved(Defaults(), 0, 0);
        EXPECT_EQ(fi.Psi, rest.Psi);
        EXPECT_EQ(gamma.Ksi, rest.Ksi);
    }
}

INSTANTIATE_TEST_SUITE_P(DrivenAngles, Wrap, testing::ValuesIn(wrapCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The doubles on either side of each limit (359 degrees less 1e-9 rad, and its negative) wrap
// exactly when they reach the limit, compared in the limit's own wider precision.
TEST(Wrap, TakesExactlyTheDoublesThatReachTheLimit) {
    for (const double sign : {1.0, -1.0}) {
        const long double limit = qor::DegToRad(sign * 359) - sign * 1e-9L;
        double angle = static_cast<double>(limit);
        for (int k = 0; k < 3; ++k) {
            angle = std::nextafter(angle, 0.0);
        }
        for (int k = 0; k < 7; ++k, angle = std::nextafter(angle, sign * 360)) {
            const bool reaches = sign > 0 ? angle >= limit : angle <= limit;
            EXPECT_EQ(Solved(Defaults(), angle, 0).Fi, reaches ? 0.0 : angle) << sign << " " << k;
        }
    }
}

TEST(Stepping, OneDegreeStepsWrapOnceTheAccumulatedAngleReaches359Degrees) {
    for (double direction : {1.0, -1.0}) {
        Mechanism m = Defaults();
        m.dFi = direction * static_cast<double>(qor::DegToRad(1));
        qor::SolvePosition(m);
        for (int step = 1; step < 359; ++step) {
            qor::AccumulateAngles(m);
            qor::SolvePosition(m);
            ASSERT_NEAR(static_cast<double>(qor::RadToDeg(m.Fi)), direction * step, 1e-9);
        }
        qor::AccumulateAngles(m);
        qor::SolvePosition(m);
        EXPECT_EQ(m.Fi, 0.0) << "direction " << direction;
    }
}

TEST(Stepping, EqualDrivenLinksTurningAlikeMoveTheCouplerWithoutTurningIt) {
    Mechanism m = Defaults();
    m.dFi = m.dGamma = static_cast<double>(qor::DegToRad(7));
    qor::SolvePosition(m);
    const double psi = m.Psi;
    const double ksi = m.Ksi;
    for (int step = 0; step < 100; ++step) {
        qor::AccumulateAngles(m);
        qor::SolvePosition(m);
        ASSERT_NEAR(m.Psi, psi, 1e-12);
        ASSERT_NEAR(m.Ksi, ksi, 1e-12);
    }
}

TEST(Stepping, AStillMechanismKeepsItsAnglesAndStoppingClearsRunning) {
    Mechanism m = Solved(Defaults(), Deg(30), Deg(45));
    m.Running = true;
    const Mechanism before = m;
    qor::AccumulateAngles(m);
    qor::SolvePosition(m);
    EXPECT_EQ(m.Fi, before.Fi);
    EXPECT_EQ(m.Gamma, before.Gamma);
    EXPECT_EQ(m.Psi, before.Psi);
    EXPECT_EQ(m.Ksi, before.Ksi);
    qor::StopMechanism(m);
    EXPECT_FALSE(m.Running);
}

// Link 3 pointing along the negative first axis: B = Joint43 − (L3, 0), Gamma = 180 degrees and
// link 1 at −acos(−1/4), which puts B on the left of the line from Joint12 to Joint43.
TEST(KsiGuard, KeepsKsiWhenLinkThreePointsAlongTheNegativeFirstAxis) {
    Mechanism m = Defaults();
    m.Ksi = 0.123;
    m.Psi = 0.5;
    m = Solved(m, -std::acos(-0.25), pi);
    EXPECT_EQ(m.Ksi, 0.123);
    EXPECT_EQ(m.KsiPrev, 0.123);
    EXPECT_EQ(m.PsiPrev, 0.5);
    EXPECT_NEAR(m.B.x, -6.0, 1e-12);
    EXPECT_NEAR(m.B.z, 0.0, 1e-12);
    EXPECT_NEAR(Distance(InPlane(m, m.B), InPlane(m, m.Joint12)), 6.0, 1e-12);
}

TEST(KsiGuard, SolvesKsiAgainOnceLinkThreeLeavesTheGuard) {
    Mechanism m = Defaults();
    m.Ksi = 0.123;
    m = Solved(m, -std::acos(-0.25), pi - Deg(2));
    const double cK = (m.B.x - m.Joint43.x) / m.L3;
    ASSERT_GT(cK, -0.99999);
    EXPECT_NEAR(std::abs(m.Ksi), std::acos(cK), 1e-9);
    EXPECT_NE(m.Ksi, 0.123);
}

TEST(KsiBranch, TakesThePositiveBranchAboveJoint43AndTheNegativeOneBelow) {
    const Mechanism above = Solved(Defaults(), 0, 0);
    ASSERT_GT(above.B.z, above.Joint43.z);
    EXPECT_NEAR(above.Ksi, std::acos(-0.25), 1e-12);
    // The defaults mirrored in the first axis: the line from Joint12 to Joint43 points along
    // the negative first axis, so B, on its left, lies below Joint43.
    const Mechanism below = Solved(Linkage(-3, 0, 3, 6, 6, 3), pi, pi);
    ASSERT_LT(below.B.z, below.Joint43.z);
    EXPECT_NEAR(below.Ksi, -std::acos(0.25), 1e-12);
}

TEST(KsiBranch, BLevelWithJoint43TakesTheNegativeBranch) {
    // Both driven links of length 0 with Joint43 = (-5, -5) and couplers of 5: B = (0, -5),
    // exactly level with Joint43, and link 3 points along the first axis (cK = 1).
    const Mechanism m = Solved(Linkage(-5, -5, 0, 5, 5, 0), 0, 0);
    ASSERT_EQ(m.B.z, m.Joint43.z);
    EXPECT_EQ(m.Ksi, 0.0);
    EXPECT_TRUE(std::signbit(m.Ksi)) << "-acos(cK), not +acos(cK)";
}

struct SingularCase {
    const char* name;
    Mechanism linkage;
    double fi, gamma;
    double psi; // expected direction of link 2
};

const double fullStretchFi = std::atan2(-4.0, -3.0);
const double fullStretchGamma = std::atan2(4.0, 3.0);

const SingularCase singularCases[] = {
    // The rule holds with equality (1 + 2 + 5 = 4 + 4) and the driven links point away from
    // each other: the couplers lie in one line and B is the midpoint.
    {"FullStretch", Linkage(3, 4, 1, 4, 4, 2), fullStretchFi, fullStretchGamma,
     std::atan2(4.0, 3.0)},
    // dx + c = 0 with dy > 0: link 2 points along the negative first axis.
    {"InfiniteHalfAngleTangent", Linkage(-1, 3, 0, 5, 5, 0), 0, 0, pi},
    // dx + c = 0 with dy < 0: the other root of the half-angle quadratic, B = (4, -3).
    {"HalfAngleQuadraticLosesItsSquareTerm", Linkage(-1, -3, 0, 5, 5, 0), 0, 0,
     std::atan2(-3.0, 4.0)},
};

class Singular : public testing::TestWithParam<SingularCase> {};

TEST_P(Singular, GiveFiniteAnglesAndAClosedLinkage) {
    const SingularCase& c = GetParam();
    ASSERT_TRUE(qor::ClosesAtEveryPosition(c.linkage.a, c.linkage.b, c.linkage.L1, c.linkage.L2,
                                           c.linkage.L3, c.linkage.L4));
    const Mechanism m = Solved(c.linkage, c.fi, c.gamma);
    EXPECT_NEAR(m.Psi, c.psi, 1e-7);
    ASSERT_TRUE(std::isfinite(m.Ksi));
    const Plane2 b = InPlane(m, m.B);
    EXPECT_NEAR(Distance(b, InPlane(m, m.Joint12)), m.L2, 1e-9);
    EXPECT_NEAR(Distance(b, InPlane(m, m.Joint43)), m.L3, 1e-7);
}

INSTANTIATE_TEST_SUITE_P(Positions, Singular, testing::ValuesIn(singularCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Singular, CoincidentMovingEndsKeepLinkTwosDirection) {
    Mechanism m = Linkage(0, 0, 3, 6, 6, 3);
    m.Psi = 0.7;
    m = Solved(m, 0.3, 0.3);
    EXPECT_EQ(m.Psi, 0.7);
    EXPECT_NEAR(m.Ksi, 0.7, 1e-12);
    EXPECT_NEAR(m.B.x, 3 * std::cos(0.3) + 6 * std::cos(0.7), 1e-12);
}

// Many accepted linkages at many driven angles: finite results, links 2 and 3 of their true
// lengths, B on the left of the line from Joint12 to Joint43, Ksi the direction of link 3.
TEST(Property, EveryAcceptedLinkageClosesAtEveryPosition) {
    std::mt19937_64 random(20261208);
    std::uniform_int_distribution<int> length(1, 10);
    std::uniform_real_distribution<double> offset(-18, 18);
    std::uniform_real_distribution<double> angle(-2 * pi, 2 * pi);
    int linkages = 0;
    while (linkages < 2000) {
        Mechanism m = Linkage(offset(random), offset(random), length(random), 0, 0, length(random),
                              random() % 2 ? MechanismPlane::Horizontal : MechanismPlane::Vertical);
        m.L2 = m.L3 = length(random);
        if (!qor::ClosesAtEveryPosition(m.a, m.b, m.L1, m.L2, m.L3, m.L4)) {
            continue;
        }
        ++linkages;
        for (int position = 0; position < 50; ++position) {
            m.Fi = angle(random);
            m.Gamma = angle(random);
            qor::SolvePosition(m);
            const Plane2 p = InPlane(m, m.Joint12);
            const Plane2 q = InPlane(m, m.Joint43);
            const Plane2 b = InPlane(m, m.B);
            ASSERT_TRUE(std::isfinite(m.Psi) && std::isfinite(m.Ksi) && std::isfinite(b.x) &&
                        std::isfinite(b.y));
            ASSERT_NEAR(Distance(b, p), m.L2, 1e-9 * m.L2);
            ASSERT_NEAR(Distance(b, q), m.L3, 1e-9 * m.L3);
            const double cross = (q.x - p.x) * (b.y - p.y) - (q.y - p.y) * (b.x - p.x);
            ASSERT_GE(cross, -1e-9 * m.L2 * (m.L2 + m.L3));
            ASSERT_GE(m.Psi, -pi);
            ASSERT_LE(m.Psi, pi);
            const double link3 = std::atan2(b.y - q.y, b.x - q.x);
            if (std::cos(link3) >= -0.99999) {
                // acos loses half the digits of a cosine near 1: 1e-7 rad is its rounding.
                ASSERT_NEAR(std::remainder(m.Ksi - link3, 2 * pi), 0.0, 1e-7);
            }
        }
    }
}

} // namespace
