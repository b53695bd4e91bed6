// Whether anything below a frame moves: the one-frame rule and the walk over a hierarchy.
#include "view/FrameMotion.h"

#include "../support/Require.h"
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
                      RuleCase{"MovingBackwardsAlongZ", {0, 0, -0.5f}, 0, true},
                      RuleCase{"ComponentsThatCancelOutCountAsStill", {2, -0.5f, -1.5f}, 0, false},
                      RuleCase{"SpinningBackwards", {0, 0, 0}, -0.1f, true},
                      RuleCase{"CancellingVelocityButSpinning", {1, -1, 0}, 0.2f, true}),
    [](const auto& info) { return info.param.name; });

// A root with a child, a grandchild 2 units out along the child's x axis, and a sibling.
struct Scene {
    RefPtr<IDirect3DRM> engine;
    RefPtr<IDirect3DRMFrame> root, child, grandchild, sibling;

    Scene() {
        test::Require(Direct3DRMCreate(engine));
        test::Require(engine->CreateFrame(nullptr, root));
        test::Require(engine->CreateFrame(root.get(), child));
        test::Require(engine->CreateFrame(child.get(), grandchild));
        test::Require(engine->CreateFrame(root.get(), sibling));
        test::Require(grandchild->SetPosition(child.get(), 2, 0, 0));
    }
};

struct WalkCase {
    const char* name;
    std::function<void(Scene&)> setup;
    bool belowRoot;
    bool belowChild;
};

class AnyDescendantMovesTest : public ::testing::TestWithParam<WalkCase> {};

TEST_P(AnyDescendantMovesTest, FindsAMovingDescendantButDoesNotTestTheFrameItself) {
    Scene scene;
    GetParam().setup(scene);
    EXPECT_EQ(AnyDescendantMoves(scene.root.get(), scene.root.get()), GetParam().belowRoot);
    EXPECT_EQ(AnyDescendantMoves(scene.child.get(), scene.root.get()), GetParam().belowChild);
}

INSTANTIATE_TEST_SUITE_P(
    Hierarchies, AnyDescendantMovesTest,
    ::testing::Values(
        WalkCase{"AllStill", [](Scene&) {}, false, false},
        WalkCase{"SiblingMoves",
                 [](Scene& s) { test::Require(s.sibling->SetVelocity(s.root.get(), 0, 1, 0)); },
                 true, false},
        // The grandchild circles round its spinning parent: it moves by the rotation alone.
        WalkCase{"ChildSpinsAndSwingsTheGrandchild",
                 [](Scene& s) { test::Require(s.child->SetRotation(s.root.get(), 0, 1, 0, 0.5f)); },
                 true, true},
        WalkCase{"SiblingVelocityComponentsCancelOut",
                 [](Scene& s) { test::Require(s.sibling->SetVelocity(s.root.get(), 1, -1, 0)); },
                 false, false}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace qor
