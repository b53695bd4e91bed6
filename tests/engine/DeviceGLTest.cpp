// Devices: settings and their refusals, drivers, the process-wide device list, GPU copies made
// once, and a scene that frees every object when released.
#include "../support/GlErrors.h"
#include "../support/PictureRecord.h"
#include "../support/Require.h"
#include "GlScene.h"

#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>

#include <gtest/gtest.h>

namespace qor {
namespace {

using test::GlScene;

TEST(DeviceTest, StartsWithTheDefaultsAndRefusesUnknownSettings) {
    GlScene s(64, 48);
    ASSERT_TRUE(s.Ok());
    IDirect3DRMDevice& d = *s.device;
    EXPECT_EQ(d.GetQuality(), D3DRMRENDER_GOURAUD);
    EXPECT_TRUE(d.GetDither());
    EXPECT_EQ(d.GetShades(), 32u);
    EXPECT_EQ(d.GetTextureQuality(), D3DRMTEXTURE_NEAREST);
    EXPECT_EQ(d.GetColorModel(), D3DCOLOR_RGB);
    EXPECT_EQ(d.GetWireframeOptions(), D3DRMWIREFRAME_CULL);
    EXPECT_EQ(d.GetBufferCount(), 1u);
    EXPECT_EQ(d.GetWidth(), 64u);
    EXPECT_EQ(d.GetHeight(), 48u);

    EXPECT_EQ(d.SetQuality(0x48), D3DRM_OK) << "wireframe, light on, flat";
    for (const D3DRMRENDERQUALITY bad : {0x3u, 0x10u, 0xC0u, 0x200u}) {
        EXPECT_EQ(d.SetQuality(bad), D3DRMERR_BADVALUE) << bad;
    }
    EXPECT_EQ(d.GetQuality(), 0x48u);
    EXPECT_EQ(d.SetShades(1), D3DRMERR_BADVALUE);
    EXPECT_EQ(d.SetShades(4096), D3DRM_OK);
    EXPECT_EQ(d.GetShades(), 4096u);
    EXPECT_EQ(d.SetTextureQuality(6), D3DRMERR_BADVALUE);
    EXPECT_EQ(d.SetTextureQuality(-1), D3DRMERR_BADVALUE);
    EXPECT_EQ(d.SetWireframeOptions(4), D3DRMERR_BADVALUE);
}

TEST(DeviceTest, DriverGuidPicksTheDriverAndAnUnknownOneMakesNoDevice) {
    RefPtr<IDirect3DRM> engine;
    test::Require(Direct3DRMCreate(engine));
    RefPtr<IDirectDrawClipper> clipper = MakeRef<IDirectDrawClipper>();
    RefPtr<IDirect3DRMDevice> device;
    const GUID unknown{1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}};
    EXPECT_EQ(engine->CreateDeviceFromClipper(clipper.get(), &unknown, 64, 48, device),
              D3DRMERR_BADDEVICE);
    EXPECT_EQ(device, nullptr);
    EXPECT_EQ(engine->CreateDeviceFromClipper(nullptr, nullptr, 64, 48, device),
              D3DRMERR_BADOBJECT);
    EXPECT_EQ(engine->CreateDeviceFromClipper(clipper.get(), nullptr, 0, 48, device),
              D3DRMERR_BADVALUE);
    EXPECT_EQ(engine->CreateDeviceFromClipper(clipper.get(), nullptr, 1 << 20, 48, device),
              D3DRMERR_BADVALUE);
    ASSERT_EQ(engine->CreateDeviceFromClipper(clipper.get(), &Drivers()[1].guid, 64, 48, device),
              D3DRM_OK);
    EXPECT_EQ(device->GetColorModel(), D3DCOLOR_MONO);
}

TEST(DeviceTest, AnyEngineObjectListsAndRendersEveryDevice) {
    GlScene s(64, 48);
    ASSERT_TRUE(s.Ok());
    s.AddModel(test::BoxX(1, {}), 0, 0, 5);
    RefPtr<IDirect3DRM> other;
    test::Require(Direct3DRMCreate(other));
    RefPtr<IDirect3DRMDeviceArray> devices;
    ASSERT_EQ(other->GetDevices(devices), D3DRM_OK);
    ASSERT_EQ(devices->GetSize(), 1u);
    RefPtr<IDirect3DRMDevice> first;
    test::Require(devices->GetElement(0, first));
    EXPECT_EQ(first, s.device);
    test::Require(other->Tick(0));
    EXPECT_EQ(s.device->GetTrianglesDrawn(), 12u);
    EXPECT_EQ(s.device->LastFrameStats().triangles, 12u);
    test::Require(other->Tick(0));
    EXPECT_EQ(s.device->GetTrianglesDrawn(), 24u) << "counted since the device was made";
    test::RequireNoGlError();
}

TEST(DeviceTest, TickPresentsEveryDeviceThroughUpdate) {
    GlScene s(64, 48);
    ASSERT_TRUE(s.Ok());
    int presented = 0;
    s.device->SetPresenter([&presented] { ++presented; });
    test::Require(s.engine->Tick(1));
    test::RequireNoGlError();
    RefPtr<IDirect3DRMWinDevice> win;
    EXPECT_EQ(s.device->QueryInterface(IID_IDirect3D, win), E_NOINTERFACE);
    ASSERT_EQ(s.device->QueryInterface(IID_IDirect3DRMWinDevice, win), D3DRM_OK);
    EXPECT_EQ(win->HandlePaint(nullptr), D3DRM_OK);
    EXPECT_EQ(win->HandleActivate(1), D3DRM_OK);
    EXPECT_EQ(presented, 2);
}

TEST(DeviceTest, GpuCopiesAreMadeOnceAndDroppedWithTheirMesh) {
    GlScene s(64, 48);
    ASSERT_TRUE(s.Ok());
    RefPtr<IDirect3DRMFrame> a = s.AddModel(test::BoxX(1, {}), -1, 0, 5);
    RefPtr<IDirect3DRMFrame> b = s.AddModel(test::SphereX(1, 8, 4, {}), 1, 0, 5);
    EXPECT_EQ(s.device->GpuMeshCount(), 0u) << "nothing is uploaded before the first draw";
    for (int i = 0; i < 5; ++i) {
        test::Require(s.engine->Tick(1));
    }
    EXPECT_EQ(s.device->GpuUploadCount(), 2u);
    EXPECT_EQ(s.device->GpuMeshCount(), 2u);
    test::Require(s.scene->DeleteChild(b.get()));
    b.reset(); // the frame and its mesh builder go away
    EXPECT_EQ(s.device->GpuMeshCount(), 1u);
    test::Require(s.engine->Tick(1));
    EXPECT_EQ(s.device->GpuUploadCount(), 2u);
    test::RequireNoGlError();
}

TEST(DeviceTest, TheWholeSceneIsFreedWhenReleased) {
    const std::int64_t before = IDirect3DRMObject::LiveObjectCount();
    {
        GlScene s(64, 48);
        ASSERT_TRUE(s.Ok());
        test::Require(
            s.AddModel(test::BoxX(1, {}), 0, 0, 5)->SetRotation(s.scene.get(), 0, 1, 0, 0.1f));
        s.AddDirectionalLight(1, 1, 1);
        RefPtr<IDirect3DDevice> d3d;
        test::Require(s.device->GetDirect3DDevice(d3d));
        EXPECT_EQ(s.ForceState(D3DRENDERSTATE_CULLMODE, D3DCULL_NONE), D3D_OK);
        test::Require(s.engine->Tick(1));
        test::RequireNoGlError();
        EXPECT_GT(IDirect3DRMObject::LiveObjectCount(), before + 8);
        // The view host's order: viewport, device, then the scene.
        s.viewport.reset();
        s.device.reset();
        RefPtr<IDirect3DRMDeviceArray> devices;
        test::Require(s.engine->GetDevices(devices));
        EXPECT_EQ(devices->GetSize(), 1u) << "the Direct3D device still holds it";
    }
    EXPECT_EQ(IDirect3DRMObject::LiveObjectCount(), before);
    RefPtr<IDirect3DRM> engine;
    test::Require(Direct3DRMCreate(engine));
    RefPtr<IDirect3DRMDeviceArray> devices;
    test::Require(engine->GetDevices(devices));
    EXPECT_EQ(devices->GetSize(), 0u);
}

TEST(DeviceTest, ReplacingTheDeviceKeepsTheSceneDrawable) {
    GlScene s(64, 48);
    ASSERT_TRUE(s.Ok());
    test::Require(s.device->SetQuality(D3DRMRENDER_UNLITFLAT));
    s.AddModel(test::BoxX(1, {}), 0, 0, 5);
    const QImage before = s.Render();
    test::PictureRecord first(QStringLiteral("first_device"), before);
    first.ExpectSpot({32, 24}, Qt::white);
    EXPECT_EQ(test::At(before, 32, 24), Qt::white);
    // What the view host does on a driver change: drop the viewport and device, make new ones.
    s.viewport.reset();
    s.device.reset();
    ASSERT_EQ(
        s.engine->CreateDeviceFromClipper(s.clipper.get(), &Drivers()[1].guid, 64, 48, s.device),
        D3DRM_OK);
    ASSERT_EQ(s.engine->CreateViewport(s.device.get(), s.camera.get(), 0, 0, 64, 48, s.viewport),
              D3DRM_OK);
    test::Require(s.device->SetQuality(D3DRMRENDER_UNLITFLAT));
    const QImage after = s.Render();
    test::PictureRecord second(QStringLiteral("second_device"), after);
    second.ExpectSpot({32, 24}, Qt::white);
    EXPECT_EQ(test::At(after, 32, 24), Qt::white);
}

// Growing keeps the device's viewports and settings; a side is never made smaller, and a size
// the driver cannot render is refused with the old size kept.
TEST(DeviceTest, GrowKeepsViewportsAndSettingsAndNeverShrinks) {
    GlScene s(64, 48);
    ASSERT_TRUE(s.Ok());
    test::Require(s.device->SetQuality(D3DRMRENDER_FLAT));
    test::Require(s.scene->SetSceneBackgroundRGB(0, 0, 1));
    const struct {
        int width, height;
        HRESULT result;
        QSize size;
    } steps[] = {
        {100, 40, D3DRM_OK, {100, 48}},
        {80, 90, D3DRM_OK, {100, 90}},
        {50, 50, D3DRM_OK, {100, 90}},
        {1 << 20, 90, D3DRMERR_BADVALUE, {100, 90}},
    };
    for (const auto& step : steps) {
        EXPECT_EQ(s.device->Grow(step.width, step.height), step.result) << step.width;
        EXPECT_EQ(
            QSize(static_cast<int>(s.device->GetWidth()), static_cast<int>(s.device->GetHeight())),
            step.size);
    }
    EXPECT_EQ(s.device->GetQuality(), D3DRMRENDER_FLAT);
    ASSERT_EQ(s.device->Viewports().size(), 1u);
    EXPECT_EQ(s.device->Viewports()[0], s.viewport.get());
    const QImage picture = s.Render();
    ASSERT_EQ(picture.size(), QSize(100, 90));
    EXPECT_EQ(test::At(picture, 10, 10), QColor(0, 0, 255)) << "inside the viewport";
    EXPECT_EQ(test::At(picture, 90, 80), QColor(0, 0, 0)) << "beyond it, where it never drew";
}

// A device holds no picture until a frame draws something other than black; the picture it
// then makes has the device's size of that moment, as if it had grown with the device.
TEST(DeviceTest, APictureMadeByTheFirstDrawingFrameMatchesOneThatGrew) {
    GlScene made(64, 48);
    GlScene late(64, 48);
    ASSERT_TRUE(made.Ok() && late.Ok());
    test::Require(late.device->Grow(80, 60));
    EXPECT_EQ(late.device->ColorTexture(), 0u);
    const QImage black = late.device->GrabImage();
    EXPECT_EQ(black.size(), QSize(80, 60));
    EXPECT_EQ(test::CountNot(black, Qt::black), 0);
    test::XMaterial glowing;
    glowing.emissive = {0, 1, 0};
    for (GlScene* s : {&made, &late}) {
        s->AddModel(test::BoxX(1, glowing), 0, 0, 5);
    }
    // A tick draws every device: the late one makes its picture now, at its grown size.
    made.Render();
    test::Require(made.device->Grow(80, 60));
    const QImage expected = made.Render();
    const QImage drawn = late.device->GrabImage();
    EXPECT_GT(test::CountNot(drawn, Qt::black), 0);
    EXPECT_EQ(drawn, expected);
}

// Every frame leaves a fence that another context can wait for before it reads the picture,
// signalled once the frame's drawing is done.
TEST(DeviceTest, EachFrameLeavesAFenceForThePicture) {
    GlScene s(64, 48);
    ASSERT_TRUE(s.Ok());
    s.AddModel(test::BoxX(1, {}), 0, 0, 5);
    EXPECT_EQ(s.device->PictureFence(), nullptr) << "nothing drawn yet";
    for (int frame = 0; frame < 2; ++frame) {
        s.Render();
        const auto fence = static_cast<GLsync>(s.device->PictureFence());
        QOpenGLExtraFunctions& gl = *QOpenGLContext::currentContext()->extraFunctions();
        ASSERT_TRUE(gl.glIsSync(fence)) << frame;
        const GLenum waited =
            gl.glClientWaitSync(fence, GL_SYNC_FLUSH_COMMANDS_BIT, 60'000'000'000);
        EXPECT_TRUE(waited == GL_ALREADY_SIGNALED || waited == GL_CONDITION_SATISFIED) << waited;
    }
}

} // namespace
} // namespace qor
