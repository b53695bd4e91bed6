// Whether anything below a frame moves: the one-frame rule and the walk over a hierarchy.
#include "view/FrameMotion.h"

#include "engine/RetainedMode.h"

#include <gtest/gtest.h>

#include <functional>

namespace qor {
namespace {

struct RuleCase {
    const char* name;
    D3DVECTOR velocity;
    D3DVALUE angle;
    bool moving;
};

class CountsAsMovingTest : public ::testing::TestWithParam<RuleCase> {};

TEST_P(CountsAsMovingTest, JudgesByTheSumOfTheVelocityAndByTheAngle) {
    EXPECT_EQ(CountsAsMoving(GetParam().velocity, GetParam().angle), GetParam().moving);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, CountsAsMovingTest,
    ::testing::Values(RuleCase{"Still", {0, 0, 0}, 0, false},
                      RuleCase{"MovingAlongX", {1, 0, 0}, 0, true},
                      RuleCase{"MovingBackwardsAlongZ", {0, 0, -0.5f}, 0, true},
                      RuleCase{"ComponentsThatCancelOutCountAsStill", {1, -1, 0}, 0, false},
                      RuleCase{"ThreeComponentsThatCancelOut", {2, -0.5f, -1.5f}, 0, false},
                      RuleCase{"Spinning", {0, 0, 0}, 0.1f, true},
                      RuleCase{"SpinningBackwards", {0, 0, 0}, -0.1f, true},
                      RuleCase{"CancellingVelocityButSpinning", {1, -1, 0}, 0.2f, true}),
    [](const auto& info) { return info.param.name; });

// A scene root with a child, a grandchild and a second child; one setup per row.
struct Scene {
    RefPtr<IDirect3DRM> engine;
    RefPtr<IDirect3DRMFrame> root;
    RefPtr<IDirect3DRMFrame> child;
    RefPtr<IDirect3DRMFrame> grandchild;
    RefPtr<IDirect3DRMFrame> sibling;

    Scene() {
        Direct3DRMCreate(engine);
        engine->CreateFrame(nullptr, root);
        engine->CreateFrame(root.get(), child);
        engine->CreateFrame(child.get(), grandchild);
        engine->CreateFrame(root.get(), sibling);
        grandchild->SetPosition(child.get(), 2, 0, 0);
    }
};

struct WalkCase {
    const char* name;
    std::function<void(Scene&)> setup;
    bool fromRoot;  // HasMotion(root)
    bool fromChild; // HasMotion(child)
};

class AnyDescendantMovesTest : public ::testing::TestWithParam<WalkCase> {};

TEST_P(AnyDescendantMovesTest, FindsTheFirstMovingDescendant) {
    Scene scene;
    GetParam().setup(scene);
    EXPECT_EQ(AnyDescendantMoves(scene.root.get(), scene.root.get()), GetParam().fromRoot);
    EXPECT_EQ(AnyDescendantMoves(scene.child.get(), scene.root.get()), GetParam().fromChild);
}

INSTANTIATE_TEST_SUITE_P(
    Hierarchies, AnyDescendantMovesTest,
    ::testing::Values(
        WalkCase{"AllStill", [](Scene&) {}, false, false},
        WalkCase{"SiblingMoves", [](Scene& s) { s.sibling->SetVelocity(s.root.get(), 0, 1, 0); },
                 true, false},
        WalkCase{"GrandchildSpins",
                 [](Scene& s) { s.grandchild->SetRotation(s.root.get(), 0, 1, 0, 0.1f); }, true,
                 true},
        // The frame passed in is not itself tested; its grandchild moves with it.
        WalkCase{"ChildMovesAndCarriesTheGrandchild",
                 [](Scene& s) { s.child->SetVelocity(s.root.get(), 0, 0, 1); }, true, true},
        // The grandchild, 2 units out along x, circles round its spinning parent.
        WalkCase{"ChildSpinsAndSwingsTheGrandchild",
                 [](Scene& s) { s.child->SetRotation(s.root.get(), 0, 1, 0, 0.5f); }, true, true},
        WalkCase{"SiblingVelocityComponentsCancelOut",
                 [](Scene& s) { s.sibling->SetVelocity(s.root.get(), 1, -1, 0); }, false, false}),
    [](const auto& info) { return info.param.name; });

TEST(AnyDescendantMoves, NullFrameHasNoMotion) {
    EXPECT_FALSE(AnyDescendantMoves(nullptr, nullptr));
}

} // namespace
} // namespace qor
