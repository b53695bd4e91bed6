// Renders a small test scene in every fill and shade mode and in the mono colour model, and
// saves each picture as a PNG: engine_shots <folder>.
#include "../support/Require.h"
#include "GlScene.h"

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <functional>

using namespace qor;

namespace {

struct Shot {
    const char* file;
    const GUID* driver;
    D3DRMRENDERQUALITY quality;
    bool dither;
};

void BuildScene(test::GlScene& s) {
    test::CheckerImage(64, 8).save(s.dir.filePath("grid.png"));
    test::XMaterial floor;
    floor.diffuse = {0.7f, 0.8f, 0.7f, 1};
    floor.texture = "grid.png";
    RefPtr<IDirect3DRMFrame> ground = s.AddModel(test::BoxX(4, floor), 0, -4.6f, 6);
    test::XMaterial red;
    red.diffuse = {0.9f, 0.2f, 0.2f, 1};
    RefPtr<IDirect3DRMFrame> box = s.AddModel(test::BoxX(0.6f, red), -1.3f, 0, 6);
    test::Require(box->AddRotation(D3DRMCOMBINE_BEFORE, 0, 1, 0, 0.6f));
    test::XMaterial blue;
    blue.diffuse = {0.3f, 0.4f, 1, 1};
    blue.power = 25;
    blue.specular = {0.9f, 0.9f, 0.9f};
    s.AddModel(test::SphereX(0.8f, 16, 10, blue), 1.2f, 0.2f, 6);
    s.AddAmbientLight(0.25f, 0.25f, 0.25f);
    RefPtr<IDirect3DRMFrame> lightFrame;
    test::Require(s.engine->CreateFrame(s.scene.get(), lightFrame));
    test::Require(lightFrame->SetOrientation(s.scene.get(), 0.6f, -0.8f, 0.5f, 0, 1, 0));
    RefPtr<IDirect3DRMLight> light;
    test::Require(s.engine->CreateLightRGB(D3DRMLIGHT_DIRECTIONAL, 1, 1, 1, light));
    test::Require(lightFrame->AddLight(light.get()));
    test::Require(s.camera->SetPosition(s.scene.get(), 0, 3, 0));
    test::Require(s.camera->SetOrientation(s.scene.get(), 0, -0.45f, 1, 0, 1, 0));
    test::Require(s.viewport->SetField(0.45f));
    test::Require(s.scene->SetSceneBackgroundRGB(0.1f, 0.1f, 0.15f));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? argv[1] : ".");
    const GUID* mono = &Drivers()[1].guid;
    const Shot shots[] = {
        {"fill_points.png", nullptr, D3DRMFILL_POINTS | D3DRMLIGHT_ON | D3DRMSHADE_GOURAUD, true},
        {"fill_wireframe.png", nullptr, D3DRMFILL_WIREFRAME | D3DRMLIGHT_ON | D3DRMSHADE_GOURAUD,
         true},
        {"fill_solid.png", nullptr, D3DRMRENDER_GOURAUD, true},
        {"shade_flat.png", nullptr, D3DRMRENDER_FLAT, true},
        {"shade_gouraud.png", nullptr, D3DRMRENDER_GOURAUD, true},
        {"shade_phong.png", nullptr, D3DRMRENDER_PHONG, true},
        {"unlit.png", nullptr, D3DRMRENDER_UNLITFLAT, true},
        {"mono_dither.png", mono, D3DRMRENDER_GOURAUD, true},
        {"mono_no_dither.png", mono, D3DRMRENDER_GOURAUD, false},
    };
    int failures = 0;
    for (const Shot& shot : shots) {
        test::GlScene s(640, 480, shot.driver);
        if (!s.Ok()) {
            std::fprintf(stderr, "no device\n");
            return 1;
        }
        test::Require(s.device->SetQuality(shot.quality));
        test::Require(s.device->SetDither(shot.dither));
        if (shot.driver == mono) {
            test::Require(s.device->SetShades(8));
        }
        BuildScene(s);
        const QString path = out.filePath(shot.file);
        if (!s.Render().save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
