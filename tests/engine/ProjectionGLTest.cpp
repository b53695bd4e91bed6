// Where scene points land on the device, in both projections, and how the field and uniform
// scaling change that.
#include "../support/PictureRecord.h"
#include "../support/Require.h"
#include "GlScene.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using test::GlScene;
using test::XMaterial;

XMaterial White() {
    XMaterial m;
    m.diffuse = {1, 1, 1, 1};
    return m;
}

// The centre of the lit pixels.
QPointF LitCentre(const QImage& image) {
    double sx = 0;
    double sy = 0;
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) > 128) {
                sx += x + 0.5;
                sy += y + 0.5;
                ++n;
            }
        }
    }
    return n == 0 ? QPointF(-1, -1) : QPointF(sx / n, sy / n);
}

struct PointCase {
    const char* name;
    D3DRMPROJECTIONTYPE projection;
    float x, y, z;
    float half;    // of the box drawn there, so that it covers a few pixels
    QPointF pixel; // from the top left of a 200 x 100 device
};

class SceneToPixelTest : public ::testing::TestWithParam<PointCase> {};

// Field 1 on a 200 x 100 viewport gives the plane -2..2 by -1..1.
TEST_P(SceneToPixelTest, KnownPointLandsOnKnownPixel) {
    const PointCase& c = GetParam();
    GlScene s(200, 100);
    ASSERT_TRUE(s.Ok());
    test::Require(s.device->SetQuality(D3DRMRENDER_UNLITFLAT));
    test::Require(s.viewport->SetProjection(c.projection));
    ASSERT_EQ(s.viewport->SetField(1), D3DRM_OK);
    s.AddModel(test::BoxX(c.half, White()), c.x, c.y, c.z);
    const QPointF centre = LitCentre(s.Render());
    EXPECT_NEAR(centre.x(), c.pixel.x(), 1.0);
    EXPECT_NEAR(centre.y(), c.pixel.y(), 1.0);
}

INSTANTIATE_TEST_SUITE_P(
    Projections, SceneToPixelTest,
    ::testing::Values(
        // x/z = 0.2 of 2 -> 110; y/z = 0.1 of 1 -> 45 (rows grow downwards).
        PointCase{"perspective", D3DRMPROJECT_PERSPECTIVE, 1, 0.5f, 5, 0.2f, {110, 45}},
        PointCase{"perspective_twice_as_far", D3DRMPROJECT_PERSPECTIVE, 2, 1, 10, 0.4f, {110, 45}},
        PointCase{"orthographic", D3DRMPROJECT_ORTHOGRAPHIC, 1, 0.5f, 5, 0.04f, {150, 25}},
        PointCase{"orthographic_depth_is_ignored",
                  D3DRMPROJECT_ORTHOGRAPHIC,
                  1,
                  0.5f,
                  40,
                  0.04f,
                  {150, 25}}),
    [](const auto& info) { return info.param.name; });

TEST(ViewportTest, FieldOfZeroOrLessIsRefusedAndTheOldOneKept) {
    GlScene s(200, 100);
    ASSERT_TRUE(s.Ok());
    EXPECT_EQ(s.viewport->GetField(), 0.5f) << "the default";
    ASSERT_EQ(s.viewport->SetField(14), D3DRM_OK);
    for (const float bad : {0.0f, -1.0f, -0.0f}) {
        EXPECT_EQ(s.viewport->SetField(bad), D3DRMERR_BADVALUE) << bad;
    }
    EXPECT_EQ(s.viewport->GetField(), 14.0f);
    D3DVALUE l, r, b, t;
    test::Require(s.viewport->GetPlane(&l, &r, &b, &t));
    EXPECT_FLOAT_EQ(b, -14);
    EXPECT_FLOAT_EQ(t, 14);
    EXPECT_FLOAT_EQ(r, 28) << "the longer side follows the aspect";
}

TEST(ViewportTest, FrontAndBackRefuseZeroOrLess) {
    GlScene s;
    ASSERT_TRUE(s.Ok());
    EXPECT_EQ(s.viewport->SetFront(0), D3DRMERR_BADVALUE);
    EXPECT_EQ(s.viewport->SetBack(-5), D3DRMERR_BADVALUE);
    EXPECT_EQ(s.viewport->GetFront(), 1.0f);
    EXPECT_EQ(s.viewport->GetBack(), 100.0f);
    EXPECT_EQ(s.viewport->SetProjection(2), D3DRMERR_BADVALUE);
    EXPECT_TRUE(s.viewport->GetUniformScaling());
}

struct ResizeCase {
    const char* name;
    bool uniform;
    double expectedX; // of a point at x = 0.5, on a 100 x 100 viewport
};

class ResizeTest : public ::testing::TestWithParam<ResizeCase> {};

TEST_P(ResizeTest, UniformScalingDecidesWhetherAResizeStretches) {
    const ResizeCase& c = GetParam();
    GlScene s(200, 100);
    ASSERT_TRUE(s.Ok());
    test::Require(s.device->SetQuality(D3DRMRENDER_UNLITFLAT));
    test::Require(s.viewport->SetProjection(D3DRMPROJECT_ORTHOGRAPHIC));
    test::Require(s.viewport->SetField(1));
    test::Require(s.viewport->SetUniformScaling(c.uniform));
    ASSERT_EQ(s.viewport->Configure(0, 0, 100, 100), D3DRM_OK);
    EXPECT_EQ(s.viewport->GetWidth(), 100);
    s.AddModel(test::BoxX(0.04f, White()), 0.5f, 0, 5);
    EXPECT_NEAR(LitCentre(s.Render()).x(), c.expectedX, 1.0);
}

INSTANTIATE_TEST_SUITE_P(Scaling, ResizeTest,
                         ::testing::Values(ResizeCase{"uniform_shows_the_square_plane", true, 75},
                                           ResizeCase{"stretched_keeps_the_wide_plane", false,
                                                      62.5}),
                         [](const auto& info) { return info.param.name; });

TEST(ViewportTest, RectanglesOffTheDeviceAreRefused) {
    GlScene s(200, 100);
    ASSERT_TRUE(s.Ok());
    RefPtr<IDirect3DRMViewport> extra;
    EXPECT_EQ(s.engine->CreateViewport(s.device.get(), s.camera.get(), 150, 0, 60, 10, extra),
              D3DRMERR_BADVALUE);
    EXPECT_EQ(extra, nullptr);
    EXPECT_EQ(s.viewport->Configure(0, 0, 0, 10), D3DRMERR_BADVALUE);
    EXPECT_EQ(s.viewport->Configure(-1, 0, 10, 10), D3DRMERR_BADVALUE);
    EXPECT_EQ(s.viewport->GetWidth(), 200);
    EXPECT_EQ(s.viewport->ForceUpdate(0, 0, 200, 100), D3DRM_OK);
    EXPECT_EQ(s.viewport->ForceUpdate(0, 0, 201, 100), D3DRMERR_BADVALUE);
}

struct ClipCase {
    const char* name;
    D3DRMPROJECTIONTYPE projection;
    float front;
    float back;
    bool nearShown; // a box at depth 3, left of the centre
    bool farShown;  // a box at depth 8, right of the centre
};

class ClippingTest : public ::testing::TestWithParam<ClipCase> {};

// What lies nearer than the front plane or farther than the back plane is not drawn.
TEST_P(ClippingTest, FrontAndBackPlanesCutByDepth) {
    const ClipCase& c = GetParam();
    GlScene s(200, 100);
    ASSERT_TRUE(s.Ok());
    test::Require(s.device->SetQuality(D3DRMRENDER_UNLITFLAT));
    test::Require(s.viewport->SetProjection(c.projection));
    ASSERT_EQ(s.viewport->SetFront(c.front), D3DRM_OK);
    ASSERT_EQ(s.viewport->SetBack(c.back), D3DRM_OK);
    // Field 1 makes the plane -2..2 by -1..1. The near box at x = -1.5 shows at x/z = -0.5 in
    // perspective (pixel 75) and at -1.5 orthographically (pixel 25); the far box at x/z = 0.5
    // (x = 4, pixel 125), orthographically at x = 1.5 (pixel 175).
    ASSERT_EQ(s.viewport->SetField(1), D3DRM_OK);
    const bool perspective = c.projection == D3DRMPROJECT_PERSPECTIVE;
    s.AddModel(test::BoxX(0.4f, White()), -1.5f, 0, 3);
    s.AddModel(test::BoxX(0.4f, White()), perspective ? 4.0f : 1.5f, 0, 8);
    const QImage image = s.Render();
    EXPECT_EQ(qGray(image.pixel(perspective ? 75 : 25, 50)) > 128, c.nearShown);
    EXPECT_EQ(qGray(image.pixel(perspective ? 125 : 175, 50)) > 128, c.farShown);
}

INSTANTIATE_TEST_SUITE_P(
    Planes, ClippingTest,
    ::testing::Values(
        ClipCase{"perspective_both", D3DRMPROJECT_PERSPECTIVE, 1, 20, true, true},
        ClipCase{"perspective_front_cuts_the_near", D3DRMPROJECT_PERSPECTIVE, 5, 20, false, true},
        ClipCase{"perspective_back_cuts_the_far", D3DRMPROJECT_PERSPECTIVE, 1, 5, true, false},
        ClipCase{"orthographic_both", D3DRMPROJECT_ORTHOGRAPHIC, 1, 20, true, true},
        ClipCase{"orthographic_front_cuts_the_near", D3DRMPROJECT_ORTHOGRAPHIC, 5, 20, false, true},
        ClipCase{"orthographic_back_cuts_the_far", D3DRMPROJECT_ORTHOGRAPHIC, 1, 5, true, false}),
    [](const auto& info) { return info.param.name; });

TEST(ViewportTest, ViewportsDrawOnlyInsideTheirRectangle) {
    GlScene s(200, 100);
    ASSERT_TRUE(s.Ok());
    test::Require(s.scene->SetSceneBackgroundRGB(0, 0, 1));
    test::Require(s.viewport->Configure(100, 50, 100, 50));
    const QImage image = s.Render();
    test::PictureRecord record(QStringLiteral("viewport"), image);
    record.ExpectSpot({150, 75}, QColor(0, 0, 255));
    record.ExpectSpot({50, 25}, Qt::black);
    EXPECT_EQ(test::At(image, 150, 75), QColor(0, 0, 255));
    EXPECT_EQ(test::At(image, 50, 25), QColor(0, 0, 0)) << "outside: never drawn";
}

} // namespace
} // namespace qor
