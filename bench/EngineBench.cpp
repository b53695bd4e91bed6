// Renders a scene of N spinning frames, each showing a mesh of about M triangles, offscreen at
// 1920 x 1080 for K frames, and prints the median milliseconds per frame, the triangles per
// frame and the engine's own CPU time per frame (walking the scene and preparing the draws,
// without the OpenGL driver). Usage: qor-engine-bench [N] [M] [K]; run it under xvfb-run.
#include "XFiles.h"

#include "engine/RetainedMode.h"
#include "support/Require.h"

#include <QApplication>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace qor;

namespace {

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

int Argument(int argc, char** argv, int index, int fallback) {
    return argc > index ? std::max(1, std::atoi(argv[index])) : fallback;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int frameCount = Argument(argc, argv, 1, 200);
    const int trianglesPerFrame = Argument(argc, argv, 2, 500);
    const int renders = Argument(argc, argv, 3, 60);
    const int width = 1920;
    const int height = 1080;

    // A sphere of 2 * slices * stacks triangles, with slices = 2 * stacks.
    const int stacks =
        std::max(2, static_cast<int>(std::lround(std::sqrt(trianglesPerFrame / 4.0))));
    QTemporaryDir dir;
    const QString path = dir.filePath("sphere.x");
    test::XMaterial material;
    material.diffuse = {0.4f, 0.6f, 0.9f, 1};
    material.power = 20;
    material.specular = {0.5f, 0.5f, 0.5f};
    test::WriteFile(path, test::SphereX(0.4f, 2 * stacks, stacks, material));

    RefPtr<IDirect3DRM> engine;
    test::Require(Direct3DRMCreate(engine));
    RefPtr<IDirectDrawClipper> clipper = MakeRef<IDirectDrawClipper>();
    RefPtr<IDirect3DRMDevice> device;
    if (Failed(engine->CreateDeviceFromClipper(clipper.get(), nullptr, width, height, device))) {
        std::fprintf(stderr, "No OpenGL device (run under xvfb-run)\n");
        return 1;
    }
    RefPtr<IDirect3DRMFrame> scene;
    test::Require(engine->CreateFrame(nullptr, scene));
    RefPtr<IDirect3DRMFrame> camera;
    test::Require(engine->CreateFrame(scene.get(), camera));
    RefPtr<IDirect3DRMViewport> viewport;
    test::Require(
        engine->CreateViewport(device.get(), camera.get(), 0, 0, width, height, viewport));
    test::Require(viewport->SetBack(1000));
    RefPtr<IDirect3DRMLight> light;
    test::Require(engine->CreateLightRGB(D3DRMLIGHT_DIRECTIONAL, 1, 1, 1, light));
    test::Require(camera->AddLight(light.get()));
    RefPtr<IDirect3DRMMeshBuilder> mesh;
    test::Require(engine->CreateMeshBuilder(mesh));
    if (Failed(mesh->Load(path.toUtf8().constData(), nullptr, D3DRMLOAD_FROMFILE))) {
        std::fprintf(stderr, "Cannot load the benchmark mesh\n");
        return 1;
    }
    // A grid of spinning frames in front of the camera.
    const int columns = static_cast<int>(std::ceil(std::sqrt(frameCount * 16.0 / 9.0)));
    for (int i = 0; i < frameCount; ++i) {
        RefPtr<IDirect3DRMFrame> frame;
        test::Require(engine->CreateFrame(scene.get(), frame));
        test::Require(frame->SetPosition(scene.get(), static_cast<float>(i % columns - columns / 2),
                                         static_cast<float>(i / columns - columns * 9 / 32),
                                         static_cast<float>(columns)));
        test::Require(frame->SetRotation(frame.get(), 0.3f, 1, 0, 0.02f));
        test::Require(frame->AddVisual(mesh.get()));
    }

    QOpenGLFunctions* gl = nullptr;
    std::vector<double> frameMs;
    std::vector<double> engineMs;
    for (int i = 0; i < renders + 1; ++i) {
        const auto start = std::chrono::steady_clock::now();
        test::Require(engine->Tick(1));
        if (gl == nullptr) {
            gl = QOpenGLContext::currentContext()->functions();
        }
        gl->glFinish(); // count the rendering, not only its submission
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        if (i > 0) { // the first frame uploads the mesh
            frameMs.push_back(ms);
            engineMs.push_back(device->LastFrameStats().engineMilliseconds);
        }
    }
    std::printf("frames in scene: %d, triangles per mesh: %u, frames rendered: %d at %dx%d\n",
                frameCount, mesh->GetFaceCount(), renders, width, height);
    std::printf("milliseconds per frame (median): %.2f\n", Median(frameMs));
    std::printf("triangles per frame: %u\n", device->LastFrameStats().triangles);
    std::printf("engine CPU milliseconds per frame, without the OpenGL driver (median): %.3f\n",
                Median(engineMs));
    return 0;
}
