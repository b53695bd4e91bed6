// The link frames follow the solved mechanisms: the initial pose, and the drawn links meeting
// at B after every step, over a million steps (a tenth under AddressSanitizer), through the wrap of
// the driven angles, the guard that keeps Ksi near 180 degrees, entered angles that wrap and
// lengths outside the model set.
#include "SceneFixture.h"

#include "kinematics/Angles.h"
#include "scene/LinkPoses.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <numbers>
#include <ostream>
#include <string>

namespace qor::test {
namespace {

double Rad(double degrees) {
    return static_cast<double>(DegToRad(degrees));
}

// The angle of a link frame's x axis in its mechanism's plane, in the scene as built.
double DrawnAngle(const Mechanism& m, const IDirect3DRMFrame& frame) {
    const Vec3 x = frame.WorldTransform().rotation.Column(0);
    return m.Plane == MechanismPlane::Horizontal ? std::atan2(x.z, x.x) : std::atan2(x.y, x.x);
}

class InitialPoseTest : public SceneFixture {};

TEST_F(InitialPoseTest, TurnsTheLinksToTheSolvedAnglesOfTheDefaults) {
    Build();
    const double psi = 2 * std::atan(std::sqrt(3.0 / 5.0));
    const double ksi = std::acos(-0.25);
    const std::pair<const Mechanism*, const LinkageFrames*> mechanisms[] = {
        {&m1, &scene.Frames().Mechanism1}, {&m2, &scene.Frames().Mechanism2}};
    for (const auto& [m, f] : mechanisms) {
        const std::string which = m == &m1 ? "floor" : "wall";
        EXPECT_NEAR(DrawnAngle(*m, *f->Link1Frame), 0, 1e-7) << which;
        EXPECT_NEAR(DrawnAngle(*m, *f->Link2Frame), psi, 1e-7) << which;
        EXPECT_NEAR(DrawnAngle(*m, *f->Link3Frame), ksi, 1e-7) << which;
        EXPECT_NEAR(DrawnAngle(*m, *f->Link4Frame), 0, 1e-7) << which;
        EXPECT_LT(JointError(*m, *f), 1e-5) << which;
        EXPECT_EQ(m->dFi, 0.0);
        EXPECT_EQ(m->dGamma, 0.0);
    }
}

// A run of both mechanisms with every driven link turning.
struct MotionCase {
    const char* name;
    int steps;
    // Steps of link 1 and link 4 of mechanism 1, then of mechanism 2, in degrees.
    double dFi1, dGamma1, dFi2, dGamma2;
    // Changes to the defaults, applied to both mechanisms.
    std::function<void(Mechanism&)> setUp;
    int minWraps;      // at least this many wraps of a driven angle must happen
    int minGuardSteps; // at least this many solves must keep Ksi by the guard
};

void PrintTo(const MotionCase& c, std::ostream* os) {
    *os << c.name;
}

class DrawnLinksMeetB : public SceneFixture, public ::testing::WithParamInterface<MotionCase> {};

// The long runs prove the drift bound over a million steps in the normal build. Under
// AddressSanitizer the steps are the same arithmetic over the same memory after the first few,
// so a tenth of them checks as much there at a tenth of the time.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kLongRun = 100'000;
#else
constexpr int kLongRun = 1'000'000;
#endif

// The solver keeps Ksi when link 3's cosine is below this.
constexpr double kGuardCosine = -0.99999;

bool GuardHolds(const Mechanism& m) {
    const double xD = m.L4 * std::cos(m.Gamma) + m.a;
    return (m.L2 * std::cos(m.Psi) + m.L1 * std::cos(m.Fi) - xD) / m.L3 < kGuardCosine;
}

TEST_P(DrawnLinksMeetB, AfterEveryStep) {
    const MotionCase& c = GetParam();
    if (c.setUp) {
        c.setUp(m1);
        c.setUp(m2);
    }
    Build();
    m1.dFi = Rad(c.dFi1);
    m1.dGamma = Rad(c.dGamma1);
    m2.dFi = Rad(c.dFi2);
    m2.dGamma = Rad(c.dGamma2);
    m1.Running = m2.Running = true;

    const std::pair<Mechanism*, const LinkageFrames*> mechanisms[] = {
        {&m1, &scene.Frames().Mechanism1}, {&m2, &scene.Frames().Mechanism2}};
    double worst = 0;
    int worstStep = 0;
    int wraps = 0;
    int guardSteps = 0;
    for (const auto& [m, f] : mechanisms) {
        worst = std::max(worst, JointError(*m, *f));
    }
    for (int step = 1; step <= c.steps; ++step) {
        const double fi1 = m1.Fi + m1.dFi;
        const double gamma1 = m1.Gamma + m1.dGamma;
        const double fi2 = m2.Fi + m2.dFi;
        const double gamma2 = m2.Gamma + m2.dGamma;
        scene.AdvanceRunning();
        wraps += (m1.Fi != fi1) + (m1.Gamma != gamma1) + (m2.Fi != fi2) + (m2.Gamma != gamma2);
        for (const auto& [m, f] : mechanisms) {
            guardSteps += GuardHolds(*m) ? 1 : 0;
            const double error = JointError(*m, *f);
            if (error > worst) {
                worst = error;
                worstStep = step;
            }
        }
    }
    EXPECT_LT(worst, 1e-3) << "worst at step " << worstStep;
    EXPECT_GE(wraps, c.minWraps);
    EXPECT_GE(guardSteps, c.minGuardSteps);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, DrawnLinksMeetB,
    ::testing::Values(MotionCase{"OneDegreeBothWaysLongRun", kLongRun, 1, -1, -1, 1, nullptr,
                                 kLongRun / 100, 0},
                      MotionCase{"OtherStepSizesBothWaysLongRun", kLongRun, 0.37, -2.9, -13, 7.1,
                                 nullptr, kLongRun / 100, 0},
                      MotionCase{"KsiKeptByTheGuardAtFullStretch", 20'000, 0.05, 0, 0.05, 0,
                                 [](Mechanism& m) {
                                     // 3 + 3 + 6 = 6 + 6: at Fi = 180 degrees the links lie in one
                                     // line and link 3 points along the negative first axis.
                                     m.a = 6;
                                     m.Fi = static_cast<double>(DegToRad(170));
                                 },
                                 2, 2},
                      MotionCase{"EnteredInitialAnglesThatWrap", 2'000, 1, 1, -1, -1,
                                 [](Mechanism& m) {
                                     m.Fi = static_cast<double>(DegToRad(359));
                                     m.Gamma = static_cast<double>(DegToRad(-400));
                                 },
                                 4, 0},
                      MotionCase{"LengthsOutsideTheModelSet", 5'000, 1, -3, 2, 1,
                                 [](Mechanism& m) {
                                     // Typed lengths the dialog accepts: 12 + 3 + 3 <= 10 + 10 and
                                     // -3 + 3 + 3 <= 10 + 10.
                                     m.L1 = m.Plane == MechanismPlane::Horizontal ? 12 : -3;
                                     m.L2 = m.L3 = 10;
                                 },
                                 4, 0}),
    [](const ::testing::TestParamInfo<MotionCase>& info) { return std::string(info.param.name); });

TEST_F(InitialPoseTest, AnEnteredAngleThatWrapsIsDrawnAtZero) {
    m1.Fi = static_cast<double>(DegToRad(359));
    m2.Gamma = static_cast<double>(DegToRad(-359));
    Build();
    EXPECT_EQ(m1.Fi, 0.0);
    EXPECT_EQ(m2.Gamma, 0.0);
    EXPECT_NEAR(DrawnAngle(m1, *scene.Frames().Mechanism1.Link1Frame), 0, 1e-7);
    EXPECT_NEAR(DrawnAngle(m2, *scene.Frames().Mechanism2.Link4Frame), 0, 1e-7);
}

TEST_F(InitialPoseTest, PosesFromTheAnglesAloneAndLeavesTheStepsAsTheyWere) {
    m1.Fi = Rad(30);
    m1.dFi = Rad(7);
    m1.dGamma = Rad(-3);
    m2.Gamma = Rad(-20);
    m2.dFi = Rad(2);
    m2.dGamma = Rad(5);
    Build();
    EXPECT_EQ(m1.dFi, Rad(7));
    EXPECT_EQ(m1.dGamma, Rad(-3));
    EXPECT_EQ(m2.dFi, Rad(2));
    EXPECT_EQ(m2.dGamma, Rad(5));
    EXPECT_NEAR(DrawnAngle(m1, *scene.Frames().Mechanism1.Link1Frame), Rad(30), 1e-7);
    EXPECT_NEAR(DrawnAngle(m1, *scene.Frames().Mechanism1.Link4Frame), 0, 1e-7);
    EXPECT_NEAR(DrawnAngle(m2, *scene.Frames().Mechanism2.Link1Frame), 0, 1e-7);
    EXPECT_NEAR(DrawnAngle(m2, *scene.Frames().Mechanism2.Link4Frame), Rad(-20), 1e-7);
    EXPECT_LT(JointError(m1, scene.Frames().Mechanism1), 1e-5);
    EXPECT_LT(JointError(m2, scene.Frames().Mechanism2), 1e-5);
}

// A link frame turned by anything else between two solves: the next update sets it outright.
struct KnockedLink {
    const char* name;
    bool wall;
    RefPtr<IDirect3DRMFrame> LinkageFrames::*link;
};

void PrintTo(const KnockedLink& c, std::ostream* os) {
    *os << c.name;
}

class PoseSetOutright : public SceneFixture, public ::testing::WithParamInterface<KnockedLink> {};

TEST_P(PoseSetOutright, WhateverTurnTheFrameHad) {
    Build();
    const KnockedLink& c = GetParam();
    Mechanism& m = c.wall ? m2 : m1;
    const LinkageFrames& f = c.wall ? scene.Frames().Mechanism2 : scene.Frames().Mechanism1;
    ASSERT_EQ((f.*c.link)->AddRotation(D3DRMCOMBINE_BEFORE, 0.3f, 1, -0.2f, 0.7f), D3DRM_OK);
    ASSERT_GT(JointError(m, f), 0.1) << "the turn moved the drawn joints apart";
    UpdateLinkPoses(m, f);
    EXPECT_LT(JointError(m, f), 1e-5);
    EXPECT_NEAR(DrawnAngle(m, *f.Link1Frame), m.Fi, 1e-7);
    EXPECT_NEAR(DrawnAngle(m, *f.Link4Frame), m.Gamma, 1e-7);
}

INSTANTIATE_TEST_SUITE_P(
    Links, PoseSetOutright,
    ::testing::Values(KnockedLink{"FloorLink1", false, &LinkageFrames::Link1Frame},
                      KnockedLink{"FloorLink2", false, &LinkageFrames::Link2Frame},
                      KnockedLink{"FloorLink3", false, &LinkageFrames::Link3Frame},
                      KnockedLink{"FloorLink4", false, &LinkageFrames::Link4Frame},
                      KnockedLink{"WallLink1", true, &LinkageFrames::Link1Frame},
                      KnockedLink{"WallLink2", true, &LinkageFrames::Link2Frame},
                      KnockedLink{"WallLink3", true, &LinkageFrames::Link3Frame},
                      KnockedLink{"WallLink4", true, &LinkageFrames::Link4Frame}),
    [](const ::testing::TestParamInfo<KnockedLink>& info) { return std::string(info.param.name); });

TEST(DrawnLink3AngleTest, FollowsBFromJoint43) {
    Mechanism m = DefaultMechanism(MechanismPlane::Vertical);
    m.Joint43 = {9, 0, 0};
    m.B = {3, 1e-4, 0};
    m.Ksi = 0.5; // stale, as the guard leaves it
    EXPECT_NEAR(DrawnLink3Angle(m), std::numbers::pi - 1e-4 / 6, 1e-9);
    m.L3 = -6; // a link drawn backwards points away from B
    EXPECT_NEAR(DrawnLink3Angle(m), -1e-4 / 6, 1e-9);
    m.B = m.Joint43; // no direction: Ksi stands
    EXPECT_EQ(DrawnLink3Angle(m), 0.5);
}

} // namespace
} // namespace qor::test
