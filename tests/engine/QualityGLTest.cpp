// Each device setting changes the picture the way it should: fill, shade mode, lighting, the
// mono colour model with its shades and dither, and the texture filter.
#include "../support/PictureRecord.h"
#include "../support/Require.h"
#include "GlScene.h"

#include <QSet>

#include <algorithm>

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

struct FlatFaceCase {
    const char* name;
    D3DRMPROJECTIONTYPE projection;
    float field;
    float x;      // of a box of half-size 1 at depth 5; its face towards the camera is shown
    int colours;  // at most, on that face
    int expected; // the face's grey level, -1 where it depends on where the face lies
};

class FlatFaceTest : public ::testing::TestWithParam<FlatFaceCase> {};

// Under the flat quality a shiny face is lit once per triangle, not per pixel. Orthographically
// every point is seen along the camera's axis, so the face's two triangles agree and a face
// looking straight at a light behind the camera shows the whole highlight, wherever it lies.
// In perspective each triangle is lit where one of its corners is seen from.
TEST_P(FlatFaceTest, AShinyFaceIsLitOncePerTriangle) {
    const FlatFaceCase& c = GetParam();
    GlScene s;
    ASSERT_TRUE(s.Ok());
    test::Require(s.device->SetQuality(D3DRMRENDER_FLAT));
    test::Require(s.viewport->SetProjection(c.projection));
    test::Require(s.viewport->SetField(c.field));
    s.AddDirectionalLight(0.5f, 0.5f, 0.5f);
    XMaterial shiny = Plain(0.5f, 0.5f, 0.5f);
    shiny.power = 20;
    shiny.specular = {0.4f, 0.4f, 0.4f};
    s.AddModel(test::BoxX(1, shiny), c.x, 0, 5);
    const QImage image = s.Render();
    QSet<QRgb> face;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(0, 0, 0)) {
                face.insert(image.pixel(x, y));
            }
        }
    }
    ASSERT_FALSE(face.isEmpty());
    EXPECT_LE(face.size(), c.colours);
    if (c.expected >= 0) {
        // Half the grey lit by half a light, plus 0.4 of the light's full highlight: 0.45.
        for (const QRgb colour : face) {
            EXPECT_NEAR(qRed(colour), c.expected, 1);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Projections, FlatFaceTest,
    ::testing::Values(FlatFaceCase{"perspective", D3DRMPROJECT_PERSPECTIVE, 0.5f, 0, 2, -1},
                      FlatFaceCase{"orthographic", D3DRMPROJECT_ORTHOGRAPHIC, 4, 0, 1, 115},
                      FlatFaceCase{"orthographic_aside", D3DRMPROJECT_ORTHOGRAPHIC, 4, 3, 1, 115}),
    [](const auto& info) { return info.param.name; });

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

// A texture minified 1.6 times, so that mip level 1 is the nearest and weighs more than half in
// a blend with level 0. Red is a checker of single texels, which level 1 averages to an even
// grey; green a checker of 2 x 2 texels, a checker of single texels on level 1 that the nearest
// texel of either level shows alike. What each filter does with them tells the six apart: how
// many red and green levels it shows, and how far the red levels spread (level 0's checker
// filtered bilinearly reaches far towards black and white; blended with level 1's grey it spreads
// over less than half the range).
struct MinifyCase {
    const char* name;
    D3DRMTEXTUREQUALITY quality;
    int redLevels[2]; // at least, at most
    int greenLevels[2];
    int redSpread[2];
};

class TextureMinifyTest : public ::testing::TestWithParam<MinifyCase> {};

QImage TwoCheckers() {
    QImage image(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            image.setPixel(x, y, qRgb((x + y) % 2 * 255, (x / 2 + y / 2) % 2 * 255, 0));
        }
    }
    return image;
}

TEST_P(TextureMinifyTest, TellsTheFiltersApart) {
    const MinifyCase& c = GetParam();
    GlScene s;
    ASSERT_TRUE(s.Ok());
    ASSERT_TRUE(TwoCheckers().save(s.dir.filePath("checkers.png")));
    test::Require(s.device->SetQuality(D3DRMRENDER_UNLITFLAT));
    ASSERT_EQ(s.device->SetTextureQuality(c.quality), D3DRM_OK);
    // The box's front face, 2 units wide, covers 40 x 40 pixels: 64 texels over 40.
    test::Require(s.viewport->SetProjection(D3DRMPROJECT_ORTHOGRAPHIC));
    test::Require(s.viewport->SetField(3));
    XMaterial textured = Plain(1, 1, 1);
    textured.texture = "checkers.png";
    s.AddModel(test::BoxX(1, textured), 0, 0, 5);
    const QImage image = s.Render();
    QSet<int> red;
    QSet<int> green;
    for (int y = 42; y < 78; ++y) {
        for (int x = 62; x < 98; ++x) {
            red.insert(qRed(image.pixel(x, y)));
            green.insert(qGreen(image.pixel(x, y)));
        }
    }
    const QList<int> reds = red.values();
    const int spread =
        *std::max_element(reds.begin(), reds.end()) - *std::min_element(reds.begin(), reds.end());
    EXPECT_GE(red.size(), c.redLevels[0]);
    EXPECT_LE(red.size(), c.redLevels[1]);
    EXPECT_GE(green.size(), c.greenLevels[0]);
    EXPECT_LE(green.size(), c.greenLevels[1]);
    EXPECT_GE(spread, c.redSpread[0]);
    EXPECT_LE(spread, c.redSpread[1]);
}

constexpr int kMany = 1000;

INSTANTIATE_TEST_SUITE_P(
    Qualities, TextureMinifyTest,
    ::testing::Values(
        MinifyCase{"nearest", D3DRMTEXTURE_NEAREST, {2, 2}, {2, 2}, {255, 255}},
        MinifyCase{"linear", D3DRMTEXTURE_LINEAR, {5, kMany}, {5, kMany}, {128, 255}},
        MinifyCase{"mip_nearest", D3DRMTEXTURE_MIPNEAREST, {1, 1}, {2, 2}, {0, 0}},
        MinifyCase{"mip_linear", D3DRMTEXTURE_MIPLINEAR, {1, 1}, {5, kMany}, {0, 0}},
        MinifyCase{"linear_mip_nearest", D3DRMTEXTURE_LINEARMIPNEAREST, {2, 2}, {2, 2}, {1, 127}},
        MinifyCase{
            "linear_mip_linear", D3DRMTEXTURE_LINEARMIPLINEAR, {5, kMany}, {5, kMany}, {1, 127}}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace qor
