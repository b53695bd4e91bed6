// The soak's figure for the drawn linkage: near zero on the scene as built, and the exact gap
// when one of links 2 and 3 is turned away from B.
#include "JointToB.h"
#include "SceneFixture.h"

#include "../support/Require.h"
#include "kinematics/Angles.h"

#include <cmath>
#include <ostream>
#include <string>

namespace qor::test {
namespace {

struct TurnCase {
    const char* name;
    MechanismPlane plane;
    int link; // 2 or 3
    double degrees;
};

std::ostream& operator<<(std::ostream& out, const TurnCase& c) {
    return out << c.name;
}

class JointToBTest : public SceneFixture, public ::testing::WithParamInterface<TurnCase> {};

TEST_P(JointToBTest, IsTheChordThatTheTurnedLinksFarEndMovesAlong) {
    const TurnCase& c = GetParam();
    Build();
    const bool floor = c.plane == MechanismPlane::Horizontal;
    const Mechanism& m = floor ? m1 : m2;
    const LinkageFrames& f = floor ? scene.Frames().Mechanism1 : scene.Frames().Mechanism2;
    EXPECT_LT(soak::DrawnJointToB(m, f), 1e-5) << "as built";

    const double turn = static_cast<double>(DegToRad(c.degrees));
    IDirect3DRMFrame& link = c.link == 2 ? *f.Link2Frame : *f.Link3Frame;
    Require(link.AddRotation(D3DRMCOMBINE_BEFORE, 0, 1, 0, static_cast<D3DVALUE>(turn)));
    const double length = c.link == 2 ? m.L2 : m.L3;
    EXPECT_NEAR(soak::DrawnJointToB(m, f), 2 * length * std::sin(std::abs(turn) / 2), 1e-5);
}

INSTANTIATE_TEST_SUITE_P(
    Links, JointToBTest,
    ::testing::Values(TurnCase{"FloorLink2ByOneDegree", MechanismPlane::Horizontal, 2, 1},
                      TurnCase{"FloorLink3BackByFive", MechanismPlane::Horizontal, 3, -5},
                      TurnCase{"WallLink2ByThirty", MechanismPlane::Vertical, 2, 30},
                      TurnCase{"WallLink3ByNinety", MechanismPlane::Vertical, 3, 90}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace qor::test
