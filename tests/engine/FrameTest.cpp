// Frame transforms: the rotation convention, combine types, placement relative to other
// frames, motion by Tick, and the hierarchy's bookkeeping.
#include "engine/Frame.h"
#include "../support/Require.h"
#include "engine/Engine.h"
#include "engine/Light.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace qor {
namespace {

constexpr float kTolerance = 1e-5f;

void ExpectNear(const D3DVECTOR& actual, const D3DVECTOR& expected, const char* what) {
    SCOPED_TRACE(what);
    EXPECT_NEAR(actual.x, expected.x, kTolerance);
    EXPECT_NEAR(actual.y, expected.y, kTolerance);
    EXPECT_NEAR(actual.z, expected.z, kTolerance);
}

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::Require(Direct3DRMCreate(engine));
        test::Require(engine->CreateFrame(nullptr, scene));
    }
    RefPtr<IDirect3DRMFrame> Child(IDirect3DRMFrame* parent) {
        RefPtr<IDirect3DRMFrame> frame;
        test::Require(engine->CreateFrame(parent, frame));
        return frame;
    }
    D3DVECTOR WorldOf(IDirect3DRMFrame* frame, D3DVECTOR local) {
        D3DVECTOR world;
        EXPECT_EQ(frame->Transform(&world, &local), D3DRM_OK);
        return world;
    }

    RefPtr<IDirect3DRM> engine;
    RefPtr<IDirect3DRMFrame> scene;
};

struct TurnCase {
    const char* name;
    D3DVECTOR axis;
    D3DVECTOR point;
    D3DVECTOR expected; // after a turn by +theta
};

class TurnTest : public FrameTest, public ::testing::WithParamInterface<TurnCase> {};

// A turn about an axis by +theta follows R = cos I + sin [a]x + (1 - cos) a a^T.
TEST_P(TurnTest, FollowsRodriguesFormula) {
    const TurnCase& c = GetParam();
    const float theta = 0.3f;
    RefPtr<IDirect3DRMFrame> frame = Child(scene.get());
    ASSERT_EQ(frame->AddRotation(D3DRMCOMBINE_BEFORE, c.axis.x, c.axis.y, c.axis.z, theta),
              D3DRM_OK);
    ExpectNear(WorldOf(frame.get(), c.point), c.expected, c.name);
}

const float kC = std::cos(0.3f);
const float kS = std::sin(0.3f);

INSTANTIATE_TEST_SUITE_P(
    Axes, TurnTest,
    ::testing::Values(TurnCase{"y_takes_x_towards_minus_z", {0, 1, 0}, {1, 0, 0}, {kC, 0, -kS}},
                      TurnCase{"y_takes_z_towards_x", {0, 1, 0}, {0, 0, 1}, {kS, 0, kC}},
                      TurnCase{"x_takes_y_towards_z", {1, 0, 0}, {0, 1, 0}, {0, kC, kS}},
                      TurnCase{"z_takes_x_towards_y", {0, 0, 1}, {1, 0, 0}, {kC, kS, 0}},
                      TurnCase{
                          "unnormalised_axis_is_normalised", {0, 5, 0}, {1, 0, 0}, {kC, 0, -kS}}),
    [](const auto& info) { return info.param.name; });

TEST_F(FrameTest, BeforeTurnsInOwnAxesAfterInParentAxes) {
    const float quarter = static_cast<float>(std::numbers::pi / 2);
    // First a quarter turn about y, then a quarter turn about x, combined both ways.
    RefPtr<IDirect3DRMFrame> before = Child(scene.get());
    test::Require(before->AddRotation(D3DRMCOMBINE_BEFORE, 0, 1, 0, quarter));
    test::Require(before->AddRotation(D3DRMCOMBINE_BEFORE, 1, 0, 0, quarter));
    RefPtr<IDirect3DRMFrame> after = Child(scene.get());
    test::Require(after->AddRotation(D3DRMCOMBINE_BEFORE, 0, 1, 0, quarter));
    test::Require(after->AddRotation(D3DRMCOMBINE_AFTER, 1, 0, 0, quarter));
    // Before: R = Ry * Rx, so local y goes to Ry(Rx y) = Ry(z) = x.
    ExpectNear(WorldOf(before.get(), {0, 1, 0}), {1, 0, 0}, "before");
    // After: R = Rx * Ry, so local y stays y under Ry and then goes to z.
    ExpectNear(WorldOf(after.get(), {0, 1, 0}), {0, 0, 1}, "after");
}

TEST_F(FrameTest, AfterTurnsThePositionWhileBeforeKeepsTheOrigin) {
    const float quarter = static_cast<float>(std::numbers::pi / 2);
    RefPtr<IDirect3DRMFrame> before = Child(scene.get());
    test::Require(before->SetPosition(scene.get(), 1, 0, 0));
    test::Require(before->AddRotation(D3DRMCOMBINE_BEFORE, 0, 1, 0, quarter));
    RefPtr<IDirect3DRMFrame> after = Child(scene.get());
    test::Require(after->SetPosition(scene.get(), 1, 0, 0));
    test::Require(after->AddRotation(D3DRMCOMBINE_AFTER, 0, 1, 0, quarter));
    ExpectNear(WorldOf(before.get(), {0, 0, 0}), {1, 0, 0}, "before keeps the origin");
    ExpectNear(WorldOf(after.get(), {0, 0, 0}), {0, 0, -1}, "after turns the origin");
}

TEST_F(FrameTest, ReplaceSetsThePureTurn) {
    RefPtr<IDirect3DRMFrame> frame = Child(scene.get());
    test::Require(frame->SetPosition(scene.get(), 4, 5, 6));
    test::Require(frame->AddRotation(D3DRMCOMBINE_BEFORE, 1, 0, 0, 1.0f));
    ASSERT_EQ(frame->AddRotation(D3DRMCOMBINE_REPLACE, 0, 1, 0, 0.3f), D3DRM_OK);
    ExpectNear(WorldOf(frame.get(), {1, 0, 0}), {kC, 0, -kS}, "replaced");
}

TEST_F(FrameTest, RefusesBadTurns) {
    RefPtr<IDirect3DRMFrame> frame = Child(scene.get());
    EXPECT_EQ(frame->AddRotation(D3DRMCOMBINE_BEFORE, 0, 0, 0, 1), D3DRMERR_BADVALUE);
    EXPECT_EQ(frame->AddRotation(7, 0, 1, 0, 1), D3DRMERR_BADVALUE);
    EXPECT_EQ(frame->AddRotation(D3DRMCOMBINE_BEFORE, 0, 1, 0, NAN), D3DRMERR_BADVALUE);
    ExpectNear(WorldOf(frame.get(), {1, 0, 0}), {1, 0, 0}, "unchanged");
}

TEST_F(FrameTest, PositionIsRelativeToTheReferenceFrame) {
    RefPtr<IDirect3DRMFrame> floor = Child(scene.get());
    test::Require(floor->SetPosition(scene.get(), 5.5f, 0, 2.0f));
    test::Require(
        floor->AddRotation(D3DRMCOMBINE_BEFORE, 0, 1, 0, static_cast<float>(std::numbers::pi / 2)));
    RefPtr<IDirect3DRMFrame> wall = Child(floor.get());
    // Placed relative to the scene, it sits at the floor's origin.
    test::Require(wall->SetPosition(scene.get(), 5.5f, 0, 2.0f));
    D3DVECTOR inFloor;
    test::Require(wall->GetPosition(floor.get(), &inFloor));
    ExpectNear(inFloor, {0, 0, 0}, "wall in floor coordinates");
    RefPtr<IDirect3DRMFrame> link = Child(floor.get());
    test::Require(link->SetPosition(floor.get(), 1, 0, 0));
    D3DVECTOR inScene;
    test::Require(link->GetPosition(scene.get(), &inScene));
    ExpectNear(inScene, {5.5f, 0, 1.0f}, "floor's +x is the scene's -z");
    D3DVECTOR inWorld;
    test::Require(link->GetPosition(nullptr, &inWorld));
    ExpectNear(inWorld, inScene, "a null reference is world coordinates");
}

TEST_F(FrameTest, OrientationIsRelativeToTheReferenceFrame) {
    RefPtr<IDirect3DRMFrame> tilted = Child(scene.get());
    test::Require(tilted->AddRotation(D3DRMCOMBINE_BEFORE, 1, 0, 0, 0.7f));
    RefPtr<IDirect3DRMFrame> camera = Child(tilted.get());
    ASSERT_EQ(camera->SetOrientation(scene.get(), 0, -0.8f, 1.0f, 0, 1, 0), D3DRM_OK);
    D3DVECTOR dir;
    D3DVECTOR up;
    test::Require(camera->GetOrientation(scene.get(), &dir, &up));
    const float length = std::sqrt(0.64f + 1.0f);
    ExpectNear(dir, {0, -0.8f / length, 1.0f / length}, "direction, normalised");
    ExpectNear(up, {0, 1.0f / length, 0.8f / length}, "up, made orthogonal to the direction");
    // x = y cross z.
    ExpectNear(WorldOf(camera.get(), {1, 0, 0}), {1, 0, 0}, "x axis");
}

TEST_F(FrameTest, OrientationRefusesDegenerateVectors) {
    RefPtr<IDirect3DRMFrame> frame = Child(scene.get());
    EXPECT_EQ(frame->SetOrientation(scene.get(), 0, 0, 0, 0, 1, 0), D3DRMERR_BADVALUE);
    EXPECT_EQ(frame->SetOrientation(scene.get(), 0, 1, 0, 0, 2, 0), D3DRMERR_BADVALUE);
    ExpectNear(WorldOf(frame.get(), {0, 0, 1}), {0, 0, 1}, "unchanged");
}

TEST_F(FrameTest, SetRotationMovesByTickDeltaOnly) {
    RefPtr<IDirect3DRMFrame> floor = Child(scene.get());
    test::Require(floor->SetPosition(scene.get(), 3, 0, 0));
    ASSERT_EQ(floor->SetRotation(scene.get(), 0, 1, 0, 0.1f), D3DRM_OK);
    test::Require(engine->Tick(0));
    ExpectNear(WorldOf(floor.get(), {1, 0, 0}), {4, 0, 0}, "Tick(0) moves nothing");
    test::Require(engine->Tick(3));
    const float c = std::cos(0.3f);
    const float s = std::sin(0.3f);
    ExpectNear(WorldOf(floor.get(), {1, 0, 0}), {3 + c, 0, -s}, "turned by 0.1 * 3 in place");
    test::Require(floor->SetRotation(scene.get(), 0, 1, 0, 0));
    test::Require(engine->Tick(5));
    ExpectNear(WorldOf(floor.get(), {1, 0, 0}), {3 + c, 0, -s}, "stopping keeps the angle");
}

TEST_F(FrameTest, RotationAndVelocityAreReadBackInTheReference) {
    RefPtr<IDirect3DRMFrame> turned = Child(scene.get());
    test::Require(turned->AddRotation(D3DRMCOMBINE_BEFORE, 0, 0, 1,
                                      static_cast<float>(std::numbers::pi / 2)));
    RefPtr<IDirect3DRMFrame> frame = Child(turned.get());
    test::Require(frame->SetRotation(scene.get(), 0, 1, 0, 0.5f));
    D3DVECTOR axis;
    D3DVALUE theta = 0;
    test::Require(frame->GetRotation(scene.get(), &axis, &theta));
    ExpectNear(axis, {0, 1, 0}, "axis in the scene");
    EXPECT_FLOAT_EQ(theta, 0.5f);
    test::Require(frame->GetRotation(turned.get(), &axis, &theta));
    ExpectNear(axis, {1, 0, 0}, "axis in the turned parent");
    test::Require(frame->SetVelocity(scene.get(), 2, 0, 0));
    D3DVECTOR velocity;
    test::Require(frame->GetVelocity(scene.get(), &velocity, false));
    ExpectNear(velocity, {2, 0, 0}, "velocity");
    test::Require(engine->Tick(0.5f));
    D3DVECTOR position;
    test::Require(frame->GetPosition(scene.get(), &position));
    ExpectNear(position, {1, 0, 0}, "moved by velocity * delta");
}

TEST_F(FrameTest, VelocityWithRotationAddsTheParentsSpin) {
    RefPtr<IDirect3DRMFrame> floor = Child(scene.get());
    test::Require(floor->SetRotation(scene.get(), 0, 1, 0, 2));
    RefPtr<IDirect3DRMFrame> link = Child(floor.get());
    test::Require(link->SetPosition(floor.get(), 1, 0, 0));
    D3DVECTOR velocity;
    test::Require(link->GetVelocity(scene.get(), &velocity, false));
    ExpectNear(velocity, {0, 0, 0}, "no velocity of its own");
    test::Require(link->GetVelocity(scene.get(), &velocity, true));
    // d/dt of a turn about +y takes +x towards -z.
    ExpectNear(velocity, {0, 0, -2}, "carried round by the floor");
}

TEST_F(FrameTest, ManySmallTurnsStayARotation) {
    RefPtr<IDirect3DRMFrame> frame = Child(scene.get());
    for (int i = 0; i < 100000; ++i) {
        test::Require(frame->AddRotation(D3DRMCOMBINE_BEFORE, 0.3f, 1, 0.2f, 0.01f));
    }
    const D3DVECTOR x = WorldOf(frame.get(), {1, 0, 0});
    EXPECT_NEAR(x.x * x.x + x.y * x.y + x.z * x.z, 1.0f, 1e-5f);
}

TEST_F(FrameTest, ChildrenFollowTheirParentAfterItMoves) {
    RefPtr<IDirect3DRMFrame> parent = Child(scene.get());
    RefPtr<IDirect3DRMFrame> child = Child(parent.get());
    test::Require(child->SetPosition(parent.get(), 1, 0, 0));
    ExpectNear(WorldOf(child.get(), {0, 0, 0}), {1, 0, 0}, "before");
    test::Require(parent->SetPosition(scene.get(), 0, 2, 0));
    ExpectNear(WorldOf(child.get(), {0, 0, 0}), {1, 2, 0}, "after the parent moved");
}

TEST_F(FrameTest, HierarchyArraysAndDeletes) {
    RefPtr<IDirect3DRMFrame> a = Child(scene.get());
    RefPtr<IDirect3DRMFrame> b = Child(scene.get());
    RefPtr<IDirect3DRMLight> light;
    test::Require(engine->CreateLightRGB(D3DRMLIGHT_AMBIENT, 1, 1, 1, light));
    test::Require(scene->AddLight(light.get()));
    RefPtr<IDirect3DRMFrameArray> children;
    test::Require(scene->GetChildren(children));
    ASSERT_EQ(children->GetSize(), 2u);
    RefPtr<IDirect3DRMFrame> element;
    EXPECT_EQ(children->GetElement(1, element), D3DRM_OK);
    EXPECT_EQ(element, b);
    EXPECT_EQ(children->GetElement(2, element), D3DRMERR_BADVALUE);
    EXPECT_EQ(element, nullptr);

    EXPECT_EQ(scene->DeleteChild(a.get()), D3DRM_OK);
    RefPtr<IDirect3DRMFrame> parent;
    test::Require(a->GetParent(parent));
    EXPECT_EQ(parent, nullptr);
    EXPECT_EQ(scene->DeleteChild(a.get()), D3DRMERR_NOTFOUND);
    EXPECT_EQ(scene->DeleteLight(light.get()), D3DRM_OK);
    EXPECT_EQ(scene->DeleteLight(light.get()), D3DRMERR_NOTFOUND);
    EXPECT_EQ(scene->DeleteVisual(nullptr), D3DRMERR_BADOBJECT);
    RefPtr<IDirect3DRMLightArray> lights;
    test::Require(scene->GetLights(lights));
    EXPECT_EQ(lights->GetSize(), 0u);
    EXPECT_EQ(b->AddChild(scene.get()), D3DRMERR_BADVALUE) << "a frame cannot hold its ancestor";
}

TEST_F(FrameTest, NullOutParametersAreRefused) {
    EXPECT_EQ(scene->GetPosition(nullptr, nullptr), D3DRMERR_BADVALUE);
    EXPECT_EQ(scene->GetOrientation(nullptr, nullptr, nullptr), D3DRMERR_BADVALUE);
    EXPECT_EQ(scene->GetRotation(nullptr, nullptr, nullptr), D3DRMERR_BADVALUE);
    EXPECT_EQ(scene->GetVelocity(nullptr, nullptr, true), D3DRMERR_BADVALUE);
    EXPECT_EQ(scene->Transform(nullptr, nullptr), D3DRMERR_BADVALUE);
    EXPECT_EQ(scene->AddChild(nullptr), D3DRMERR_BADOBJECT);
    EXPECT_EQ(scene->AddLight(nullptr), D3DRMERR_BADOBJECT);
    EXPECT_EQ(scene->AddVisual(nullptr), D3DRMERR_BADOBJECT);
}

TEST_F(FrameTest, ReleasingTheRootFreesTheWholeScene) {
    const std::int64_t before = IDirect3DRMObject::LiveObjectCount();
    {
        RefPtr<IDirect3DRMFrame> root;
        test::Require(engine->CreateFrame(nullptr, root));
        RefPtr<IDirect3DRMFrame> spinning = Child(root.get());
        test::Require(spinning->SetRotation(root.get(), 0, 1, 0, 0.1f));
        RefPtr<IDirect3DRMFrame> leaf = Child(spinning.get());
        RefPtr<IDirect3DRMLight> light;
        test::Require(engine->CreateLightRGB(D3DRMLIGHT_DIRECTIONAL, 1, 1, 1, light));
        test::Require(leaf->AddLight(light.get()));
        EXPECT_EQ(IDirect3DRMObject::LiveObjectCount(), before + 4);
    }
    EXPECT_EQ(IDirect3DRMObject::LiveObjectCount(), before);
    test::Require(engine->Tick(1)); // the released spinning frame is no longer moved
}

TEST_F(FrameTest, BackgroundBelongsToTheScene) {
    RefPtr<IDirect3DRMFrame> child = Child(scene.get());
    test::Require(child->SetSceneBackgroundRGB(1, 0.5f, 0));
    EXPECT_EQ(scene->GetSceneBackground(), 0xFFFF8000u);
}

} // namespace
} // namespace qor
