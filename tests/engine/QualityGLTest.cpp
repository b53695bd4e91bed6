// Each device setting changes the picture the way it should: fill, shade mode, lighting, the
// mono colour model with its shades and dither, and the texture filter.
#include "../support/PictureRecord.h"
#include "../support/Require.h"
#include "GlScene.h"

#include <QSet>

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

// A white sphere lit from the camera's side; shading modes differ on its curved surface.
QImage RenderSphere(D3DRMRENDERQUALITY quality, const XMaterial& material,
                    std::function<void(GlScene&)> setUp = {}) {
    GlScene s;
    if (!s.Ok()) {
        return {};
    }
    test::Require(s.device->SetQuality(quality));
    s.AddAmbientLight(0.1f, 0.1f, 0.1f);
    s.AddDirectionalLight(0.9f, 0.9f, 0.9f);
    // Light from the upper left, so that the sphere shades across its face.
    RefPtr<IDirect3DRMFrame> lightFrame;
    test::Require(s.engine->CreateFrame(s.scene.get(), lightFrame));
    test::Require(lightFrame->SetOrientation(s.scene.get(), 0.5f, -0.5f, 1, 0, 1, 0));
    RefPtr<IDirect3DRMLight> light;
    test::Require(s.engine->CreateLightRGB(D3DRMLIGHT_DIRECTIONAL, 0.6f, 0.6f, 0.6f, light));
    test::Require(lightFrame->AddLight(light.get()));
    s.AddModel(test::SphereX(1, 12, 8, material), 0, 0, 4);
    if (setUp) {
        setUp(s);
    }
    return s.Render();
}

struct FillCase {
    const char* name;
    D3DRMRENDERQUALITY quality;
};

TEST(FillTest, PointsWireframeAndSolidCoverMoreAndMore) {
    std::array<int, 3> lit{};
    const std::array<D3DRMRENDERQUALITY, 3> fills = {D3DRMFILL_POINTS, D3DRMFILL_WIREFRAME,
                                                     D3DRMFILL_SOLID};
    for (std::size_t i = 0; i < fills.size(); ++i) {
        GlScene s;
        ASSERT_TRUE(s.Ok());
        ASSERT_EQ(s.device->SetQuality(fills[i] | D3DRMLIGHT_OFF | D3DRMSHADE_FLAT), D3DRM_OK);
        RefPtr<IDirect3DRMFrame> box = s.AddModel(test::BoxX(1, Plain(1, 1, 1)), 0, 0, 5);
        test::Require(box->AddRotation(D3DRMCOMBINE_BEFORE, 1, 1, 0, 0.5f));
        lit[i] = test::CountNot(s.Render(), Qt::black);
    }
    EXPECT_GT(lit[0], 0) << "points";
    EXPECT_GT(lit[1], 2 * lit[0]) << "wireframe draws the edges between the points";
    EXPECT_GT(lit[2], 2 * lit[1]) << "solid fills the faces";
}

TEST(FillTest, WireframeOptionsHideBackAndHiddenLines) {
    const auto litPixels = [](std::uint32_t options) {
        GlScene s;
        EXPECT_TRUE(s.Ok());
        test::Require(s.device->SetQuality(D3DRMRENDER_WIREFRAME));
        EXPECT_EQ(s.device->SetWireframeOptions(options), D3DRM_OK);
        RefPtr<IDirect3DRMFrame> box = s.AddModel(test::BoxX(1, Plain(1, 1, 1)), 0, 0, 5);
        test::Require(box->AddRotation(D3DRMCOMBINE_BEFORE, 1, 1, 0, 0.5f));
        return test::CountNot(s.Render(), Qt::black);
    };
    const int every = litPixels(0);
    EXPECT_LT(litPixels(D3DRMWIREFRAME_CULL), every) << "back faces' edges left out";
    EXPECT_LT(litPixels(D3DRMWIREFRAME_HIDDENLINE), every) << "edges behind faces left out";
}

TEST(ShadeTest, FlatGouraudAndPhongDiffer) {
    XMaterial shiny = Plain(1, 1, 1);
    shiny.power = 30;
    shiny.specular = {0.8f, 0.8f, 0.8f};
    const QImage flat = RenderSphere(D3DRMRENDER_FLAT, shiny);
    const QImage gouraud = RenderSphere(D3DRMRENDER_GOURAUD, shiny);
    const QImage phong = RenderSphere(D3DRMRENDER_PHONG, shiny);
    ASSERT_FALSE(flat.isNull());
    // Flat: one colour per face (96 faces face the camera at most), Gouraud: a gradient.
    EXPECT_LE(test::CountDistinct(flat), 100);
    EXPECT_GT(test::CountDistinct(gouraud), 2 * test::CountDistinct(flat));
    // Phong lights every pixel: its highlight differs from the interpolated one.
    EXPECT_GT(test::CountDifferent(gouraud, phong), 200);
}

TEST(LightingTest, LightingOffShowsTheMaterialsOwnColour) {
    for (const bool lit : {false, true}) {
        GlScene s;
        ASSERT_TRUE(s.Ok());
        test::Require(s.device->SetQuality(lit ? D3DRMRENDER_FLAT : D3DRMRENDER_UNLITFLAT));
        s.AddDirectionalLight(0.5f, 0.5f, 0.5f);
        s.AddModel(test::BoxX(1, Plain(0.8f, 0.2f, 0.4f)), 0, 0, 5);
        const QImage image = s.Render();
        test::PictureRecord record(lit ? QStringLiteral("lit") : QStringLiteral("unlit"), image);
        record.ExpectSpot({80, 60}, lit ? QColor(102, 26, 51) : QColor(204, 51, 102));
        const QColor centre = test::At(image, 80, 60);
        if (lit) {
            // The face looks straight at the light: half the material's colour.
            EXPECT_NEAR(centre.red(), 102, 1);
            EXPECT_NEAR(centre.green(), 26, 1);
        } else {
            EXPECT_EQ(centre, QColor(204, 51, 102));
        }
    }
}

TEST(ColorModelTest, MonoLightsByIntensityOnly) {
    for (const GUID* driver : {static_cast<const GUID*>(nullptr), &Drivers()[1].guid}) {
        GlScene s(160, 120, driver);
        ASSERT_TRUE(s.Ok());
        test::Require(s.device->SetQuality(D3DRMRENDER_FLAT));
        test::Require(s.device->SetDither(false));
        s.AddDirectionalLight(1, 0, 0);
        s.AddModel(test::BoxX(1, Plain(1, 1, 1)), 0, 0, 5);
        const QImage image = s.Render();
        const bool rgb = s.device->GetColorModel() == D3DCOLOR_RGB;
        test::PictureRecord record(rgb ? QStringLiteral("rgb") : QStringLiteral("mono"), image);
        record.ExpectSpot({80, 60}, rgb ? QColor(255, 0, 0) : QColor(74, 74, 74));
        const QColor centre = test::At(image, 80, 60);
        if (rgb) {
            EXPECT_EQ(centre, QColor(255, 0, 0));
        } else {
            // Intensity 0.299 rounded on a ramp of 32 shades: 9 / 31.
            EXPECT_EQ(centre, QColor(74, 74, 74));
        }
    }
}

// Grey levels of the lit pixels of a white mono picture.
QSet<int> GreyLevels(const QImage& image) {
    QSet<int> levels;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            EXPECT_TRUE(c.red() == c.green() && c.green() == c.blue());
            levels.insert(c.red());
        }
    }
    return levels;
}

TEST(ColorModelTest, MonoQuantisesToTheShadesAndDitherBreaksTheBands) {
    const GUID mono = Drivers()[1].guid;
    const auto render = [&mono](bool dither) {
        GlScene s(160, 120, &mono);
        EXPECT_TRUE(s.Ok());
        test::Require(s.device->SetQuality(D3DRMRENDER_GOURAUD));
        test::Require(s.device->SetShades(4));
        test::Require(s.device->SetDither(dither));
        s.AddDirectionalLight(1, 1, 1);
        s.AddModel(test::SphereX(1, 24, 16, Plain(1, 1, 1)), 0, 0, 4);
        return s.Render();
    };
    const QImage banded = render(false);
    const QImage dithered = render(true);
    const QSet<int> ramp = {0, 85, 170, 255};
    EXPECT_TRUE(GreyLevels(banded).subtract(ramp).isEmpty());
    EXPECT_TRUE(GreyLevels(dithered).subtract(ramp).isEmpty());
    EXPECT_GT(test::CountDifferent(banded, dithered), 300);
    // Within a band the dither mixes neighbouring levels: count horizontal level changes.
    const auto changes = [](const QImage& image) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 1; x < image.width(); ++x) {
                n += image.pixel(x, y) != image.pixel(x - 1, y) ? 1 : 0;
            }
        }
        return n;
    };
    EXPECT_GT(changes(dithered), 3 * changes(banded));
}

struct TextureCase {
    const char* name;
    D3DRMTEXTUREQUALITY quality;
    bool smooth; // magnified texels are blended
};

class TextureQualityTest : public ::testing::TestWithParam<TextureCase> {};

TEST_P(TextureQualityTest, PicksTheFilter) {
    GlScene s;
    ASSERT_TRUE(s.Ok());
    ASSERT_TRUE(test::CheckerImage(8, 2).save(s.dir.filePath("checker.png")));
    test::Require(s.device->SetQuality(D3DRMRENDER_UNLITFLAT));
    ASSERT_EQ(s.device->SetTextureQuality(GetParam().quality), D3DRM_OK);
    XMaterial textured = Plain(1, 1, 1);
    textured.texture = "checker.png";
    s.AddModel(test::QuadX(0, textured), 0, 0, 3);
    const int colours = test::CountDistinct(s.Render());
    if (GetParam().smooth) {
        EXPECT_GT(colours, 10);
    } else {
        EXPECT_LE(colours, 3) << "two texel colours and the background";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Qualities, TextureQualityTest,
    ::testing::Values(TextureCase{"nearest", D3DRMTEXTURE_NEAREST, false},
                      TextureCase{"linear", D3DRMTEXTURE_LINEAR, true},
                      TextureCase{"mip_nearest", D3DRMTEXTURE_MIPNEAREST, false},
                      TextureCase{"mip_linear", D3DRMTEXTURE_MIPLINEAR, true},
                      TextureCase{"linear_mip_nearest", D3DRMTEXTURE_LINEARMIPNEAREST, false},
                      TextureCase{"linear_mip_linear", D3DRMTEXTURE_LINEARMIPLINEAR, true}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace qor
