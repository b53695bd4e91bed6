// A small scene rendered offscreen for the OpenGL tests: an engine, a device of its own size,
// a scene root with a camera at the origin looking along +z, a full-size viewport, and helpers
// to add models, force render states and read pixels.
#pragma once

#include "XFiles.h"

#include "engine/Drivers.h"
#include "engine/RetainedMode.h"

#include <QColor>
#include <QImage>
#include <QTemporaryDir>

namespace qor::test {

class GlScene {
public:
    // Check Ok() before use: false when the device could not be made.
    explicit GlScene(int width = 160, int height = 120, const GUID* driver = nullptr);
    bool Ok() const { return device != nullptr && viewport != nullptr; }

    // Loads a model file written from bytes into a new frame under parent (the scene root by
    // default), placed at (x, y, z) of the scene.
    RefPtr<IDirect3DRMFrame> AddModel(const QByteArray& file, float x, float y, float z,
                                      IDirect3DRMFrame* parent = nullptr);
    void AddDirectionalLight(float r, float g, float b);
    void AddAmbientLight(float r, float g, float b);
    // Sets a render state with its override on, through an execute buffer.
    HRESULT ForceState(std::uint32_t state, std::uint32_t value);
    // Tick(0) and the device's picture; throws when the drawing left an OpenGL error.
    QImage Render();

    QTemporaryDir dir;
    RefPtr<IDirect3DRM> engine;
    RefPtr<IDirectDraw> directDraw;
    RefPtr<IDirectDrawClipper> clipper;
    RefPtr<IDirect3DRMDevice> device;
    RefPtr<IDirect3DRMFrame> scene;
    RefPtr<IDirect3DRMFrame> camera;
    RefPtr<IDirect3DRMViewport> viewport;

private:
    int files_ = 0;
};

QColor At(const QImage& image, int x, int y);
// Pixels that differ from the colour.
int CountNot(const QImage& image, QColor color);
int CountDistinct(const QImage& image);
int CountDifferent(const QImage& a, const QImage& b);

} // namespace qor::test
