// The OpenGL tests' scene.
#include "GlScene.h"
#include "../support/GlErrors.h"
#include "../support/Require.h"

#include <QSet>

#include <cstring>

namespace qor::test {

GlScene::GlScene(int width, int height, const GUID* driver) {
    Require(Direct3DRMCreate(engine));
    Require(DirectDrawCreate(nullptr, directDraw));
    Require(directDraw->CreateClipper(0, clipper));
    Require(engine->CreateDeviceFromClipper(clipper.get(), driver, width, height, device));
    Require(engine->CreateFrame(nullptr, scene));
    Require(engine->CreateFrame(scene.get(), camera));
    if (device) {
        Require(engine->CreateViewport(device.get(), camera.get(), 0, 0, width, height, viewport));
    }
}

RefPtr<IDirect3DRMFrame> GlScene::AddModel(const QByteArray& file, float x, float y, float z,
                                           IDirect3DRMFrame* parent) {
    const QString path = dir.filePath(QString("model%1.x").arg(files_++));
    WriteFile(path, file);
    RefPtr<IDirect3DRMFrame> frame;
    Require(engine->CreateFrame(parent != nullptr ? parent : scene.get(), frame));
    Require(frame->SetPosition(scene.get(), x, y, z));
    RefPtr<IDirect3DRMMeshBuilder> builder;
    Require(engine->CreateMeshBuilder(builder));
    if (Succeeded(builder->Load(path.toUtf8().constData(), nullptr, D3DRMLOAD_FROMFILE))) {
        Require(frame->AddVisual(builder.get()));
    }
    return frame;
}

void GlScene::AddDirectionalLight(float r, float g, float b) {
    RefPtr<IDirect3DRMLight> light;
    Require(engine->CreateLightRGB(D3DRMLIGHT_DIRECTIONAL, r, g, b, light));
    Require(camera->AddLight(light.get()));
}

void GlScene::AddAmbientLight(float r, float g, float b) {
    RefPtr<IDirect3DRMLight> light;
    Require(engine->CreateLightRGB(D3DRMLIGHT_AMBIENT, r, g, b, light));
    Require(scene->AddLight(light.get()));
}

HRESULT GlScene::ForceState(std::uint32_t state, std::uint32_t value) {
    RefPtr<IDirect3DDevice> d3d;
    Require(device->GetDirect3DDevice(d3d));
    RefPtr<IDirect3DViewport> first;
    HRESULT result = d3d->NextViewport(nullptr, first, D3DNEXT_HEAD);
    if (Failed(result)) {
        return result;
    }
    D3DEXECUTEBUFFERDESC desc{};
    desc.dwSize = sizeof desc;
    desc.dwFlags = D3DDEB_BUFSIZE;
    desc.dwBufferSize = 32;
    RefPtr<IDirect3DExecuteBuffer> buffer;
    Require(d3d->CreateExecuteBuffer(&desc, buffer));
    Require(buffer->Lock(&desc));
    const D3DINSTRUCTION states{D3DOP_STATERENDER, 8, 2};
    const D3DSTATE records[2] = {{state, value}, {state + D3DSTATE_OVERRIDE_BIAS, 1}};
    const D3DINSTRUCTION exit{D3DOP_EXIT, 0, 0};
    auto* bytes = static_cast<std::uint8_t*>(desc.lpData);
    std::memcpy(bytes, &states, 4);
    std::memcpy(bytes + 4, records, 16);
    std::memcpy(bytes + 20, &exit, 4);
    Require(buffer->Unlock());
    D3DEXECUTEDATA data{};
    data.dwSize = sizeof data;
    data.dwInstructionLength = 24;
    Require(buffer->SetExecuteData(&data));
    Require(d3d->BeginScene());
    result = d3d->Execute(buffer.get(), first.get(), D3DEXECUTE_UNCLIPPED);
    Require(d3d->EndScene());
    return result;
}

QImage GlScene::Render() {
    Require(engine->Tick(0));
    QImage image = device->GrabImage();
    RequireNoGlError();
    return image;
}

QColor At(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

int CountNot(const QImage& image, QColor color) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixelColor(x, y) != color ? 1 : 0;
        }
    }
    return count;
}

int CountDistinct(const QImage& image) {
    QSet<QRgb> colors;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colors.insert(image.pixel(x, y));
        }
    }
    return static_cast<int>(colors.size());
}

int CountDifferent(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
        }
    }
    return count;
}

} // namespace qor::test
