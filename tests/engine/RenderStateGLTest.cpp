// Render states forced through execute buffers override what the retained engine sets.
#include "../support/PictureRecord.h"
#include "../support/Require.h"
#include "GlScene.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using test::GlScene;
using test::XMaterial;

XMaterial Plain(float r, float g, float b) {
    XMaterial m;
    m.diffuse = {r, g, b, 1};
    return m;
}

struct DepthCase {
    const char* name;
    std::uint32_t state;
    std::uint32_t value;
    QColor centre;
};

class DepthStateTest : public ::testing::TestWithParam<DepthCase> {};

// A near green box is drawn first, a larger far red box behind it second.
TEST_P(DepthStateTest, DecidesWhatShowsAtTheCentre) {
    const DepthCase& c = GetParam();
    GlScene s;
    ASSERT_TRUE(s.Ok());
    test::Require(s.device->SetQuality(D3DRMRENDER_UNLITFLAT));
    s.AddModel(test::BoxX(0.5f, Plain(0, 1, 0)), 0, 0, 4);
    s.AddModel(test::BoxX(1, Plain(1, 0, 0)), 0, 0, 8);
    if (c.state != 0) {
        ASSERT_EQ(s.ForceState(c.state, c.value), D3D_OK);
    }
    const QImage image = s.Render();
    test::PictureRecord record(QStringLiteral("centre"), image);
    record.ExpectSpot({80, 60}, c.centre);
    EXPECT_EQ(test::At(image, 80, 60), c.centre);
}

INSTANTIATE_TEST_SUITE_P(
    States, DepthStateTest,
    ::testing::Values(DepthCase{"retained_engine_uses_the_depth_buffer", 0, 0, Qt::green},
                      DepthCase{"z_disabled_later_draws_win", D3DRENDERSTATE_ZENABLE, 0, Qt::red},
                      DepthCase{"z_write_off_later_draws_win", D3DRENDERSTATE_ZWRITEENABLE, 0,
                                Qt::red},
                      DepthCase{"z_func_always", D3DRENDERSTATE_ZFUNC, D3DCMP_ALWAYS, Qt::red},
                      DepthCase{"z_func_less", D3DRENDERSTATE_ZFUNC, D3DCMP_LESS, Qt::green},
                      DepthCase{"z_func_never", D3DRENDERSTATE_ZFUNC, D3DCMP_NEVER, Qt::black},
                      DepthCase{"z_func_greater_nothing_beats_the_cleared_depth",
                                D3DRENDERSTATE_ZFUNC, D3DCMP_GREATER, Qt::black}),
    [](const auto& info) { return info.param.name; });

struct CullCase {
    const char* name;
    bool facingAway;
    std::uint32_t cull; // 0: the retained engine's own
    bool visible;
};

class CullStateTest : public ::testing::TestWithParam<CullCase> {};

TEST_P(CullStateTest, LeavesOutTheRightFaces) {
    const CullCase& c = GetParam();
    GlScene s;
    ASSERT_TRUE(s.Ok());
    test::Require(s.device->SetQuality(D3DRMRENDER_UNLITFLAT));
    RefPtr<IDirect3DRMFrame> quad = s.AddModel(test::QuadX(0, Plain(1, 1, 1)), 0, 0, 5);
    if (c.facingAway) {
        test::Require(quad->AddRotation(D3DRMCOMBINE_BEFORE, 0, 1, 0, 3.14159265f));
    }
    if (c.cull != 0) {
        ASSERT_EQ(s.ForceState(D3DRENDERSTATE_CULLMODE, c.cull), D3D_OK);
    }
    const QImage image = s.Render();
    test::PictureRecord record(QStringLiteral("centre"), image);
    record.ExpectSpot({80, 60}, c.visible ? Qt::white : Qt::black);
    EXPECT_EQ(test::At(image, 80, 60) == Qt::white, c.visible);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, CullStateTest,
    ::testing::Values(CullCase{"front_face_from_the_file_shows", false, 0, true},
                      CullCase{"back_face_is_culled", true, 0, false},
                      CullCase{"cull_none_shows_the_back", true, D3DCULL_NONE, true},
                      CullCase{"cull_cw_hides_the_front", false, D3DCULL_CW, false},
                      CullCase{"cull_cw_shows_the_back", true, D3DCULL_CW, true},
                      CullCase{"cull_ccw_is_the_default", true, D3DCULL_CCW, false}),
    [](const auto& info) { return info.param.name; });

TEST(RenderStateTest, ABufferTheDeviceCannotReadChangesNothing) {
    GlScene s;
    ASSERT_TRUE(s.Ok());
    EXPECT_EQ(s.ForceState(D3DRENDERSTATE_ZFUNC, 42), DDERR_INVALIDPARAMS);
    EXPECT_EQ(s.ForceState(99, 1), DDERR_INVALIDPARAMS);
    EXPECT_FALSE(s.device->States().Overridden(D3DRENDERSTATE_ZFUNC));
}

} // namespace
} // namespace qor
