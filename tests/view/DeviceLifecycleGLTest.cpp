// The host's device: re-creation with another driver keeps every viewport's settings, a new
// viewport control starts from the engine's defaults, a failing driver gives one box and the
// default device, no device at all leaves every path quiet, and destruction frees everything.
#include "ViewHostFixture.h"

#include "../support/Require.h"
#include "engine/Drivers.h"
#include "view/D3dUtil.h"

namespace qor::test {
namespace {

const GUID& MonoDriver() {
    return Drivers()[1].guid;
}

struct Settings {
    const char* name;
    D3DRMPROJECTIONTYPE projection;
    bool uniform;
    D3DVALUE front;
    D3DVALUE back;
    D3DVALUE field;
    std::array<D3DVALUE, 4> plane; // left, right, bottom, top
};

void Set(IDirect3DRMViewport& v, const Settings& s) {
    Require(v.SetProjection(s.projection));
    Require(v.SetUniformScaling(s.uniform));
    Require(v.SetFront(s.front));
    Require(v.SetBack(s.back));
    Require(v.SetField(s.field));
    Require(v.SetPlane(s.plane[0], s.plane[1], s.plane[2], s.plane[3]));
}

void ExpectSettings(const IDirect3DRMViewport& v, const Settings& s) {
    SCOPED_TRACE(s.name);
    EXPECT_EQ(v.GetProjection(), s.projection);
    EXPECT_EQ(v.GetUniformScaling(), s.uniform);
    EXPECT_EQ(v.GetFront(), s.front);
    EXPECT_EQ(v.GetBack(), s.back);
    EXPECT_EQ(v.GetField(), s.field);
    std::array<D3DVALUE, 4> plane{};
    Require(v.GetPlane(&plane[0], &plane[1], &plane[2], &plane[3]));
    EXPECT_EQ(plane, s.plane);
}

// The main window's settings on the viewport filling the host, other ones on a second control.
constexpr Settings kMainWindow{"MainWindow", D3DRMPROJECT_ORTHOGRAPHIC, true, 0.1f, 5000,
                               14,           {-18.5f, 18.5f, -14, 14}};
constexpr Settings kNarrow{"Narrow", D3DRMPROJECT_PERSPECTIVE,  false, 2, 40,
                           0.25f,    {-0.3f, 0.2f, -0.1f, 0.4f}};

TEST_F(ViewHost, DeviceRecreationKeepsEachViewportsSettingsAndCamera) {
    auto* second = new TVport(host);
    second->SetBounds(20, 10, 80, 60);
    host->CreateDevice(nullptr);
    ASSERT_TRUE(second->Viewport);

    // A camera that only the viewport holds must survive the re-creation too.
    RefPtr<IDirect3DRMFrame> camera;
    Require(host->Engine->CreateFrame(nullptr, camera));
    Require(camera->SetName("OwnCamera"));
    Require(second->Viewport->SetCamera(camera.get()));
    camera.reset();
    Set(*vport->Viewport, kMainWindow);
    Set(*second->Viewport, kNarrow);

    for (const GUID* driver : {&MonoDriver(), static_cast<const GUID*>(nullptr)}) {
        const std::uint64_t old = host->Device->Serial();
        host->CreateDevice(driver);
        ASSERT_TRUE(host->Device);
        EXPECT_NE(host->Device->Serial(), old);
        EXPECT_EQ(host->Device->GetColorModel(), driver ? D3DCOLOR_MONO : D3DCOLOR_RGB);
        ASSERT_TRUE(vport->Viewport && second->Viewport);
        ExpectSettings(*vport->Viewport, kMainWindow);
        ExpectSettings(*second->Viewport, kNarrow);
        RefPtr<IDirect3DRMFrame> shown;
        Require(vport->Viewport->GetCamera(shown));
        EXPECT_EQ(shown, host->CameraFrame);
        Require(second->Viewport->GetCamera(shown));
        EXPECT_EQ(ObjectName(shown.get()).toStdString(), "OwnCamera");
        EXPECT_EQ(second->Viewport->GetX(), 20);
        EXPECT_EQ(second->Viewport->GetWidth(), 80);
    }
    EXPECT_EQ(IDirect3DRMDevice::AllDevices().size(), 1u);
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(ViewHost, FirstViewportOfANewControlKeepsTheEngineDefaultsAndTheControlsName) {
    struct Row {
        const char* objectName;
        const char* viewportName;
    };
    for (const Row row : {Row{"Side", "Side"}, Row{"", ""}}) {
        auto* added = new TVport(host);
        added->setObjectName(row.objectName);
        added->SetBounds(30, 20, 100, 75);
        host->CreateDevice(nullptr);
        ASSERT_TRUE(added->Viewport);
        const IDirect3DRMViewport& v = *added->Viewport;
        EXPECT_EQ(v.GetProjection(), D3DRMPROJECT_PERSPECTIVE);
        EXPECT_TRUE(v.GetUniformScaling());
        EXPECT_EQ(v.GetFront(), 1.0f);
        EXPECT_EQ(v.GetBack(), 100.0f);
        EXPECT_EQ(v.GetField(), 0.5f);
        EXPECT_EQ(v.Camera(), host->CameraFrame.get());
        EXPECT_EQ(QRect(v.GetX(), v.GetY(), v.GetWidth(), v.GetHeight()), QRect(30, 20, 100, 75));
        EXPECT_EQ(ObjectName(&v).toStdString(), row.viewportName);
        delete added;
    }
    EXPECT_EQ(ObjectName(vport->Viewport.get()).toStdString(), "VideoPort");
}

TEST_F(ViewHost, FailingDriverGivesOneBoxAndTheDefaultDevice) {
    const GUID unknown{1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}};
    host->CreateDevice(&unknown);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    const MessageBoxRequest& box = boxes.Shown()[0];
    EXPECT_EQ(box.caption, "Ошибка утройства");
    EXPECT_EQ(box.text, "Не получается создать устройство\nHRESULT = D3DRMERR_BADDEVICE\n"
                        "Попробуйте использовать драйвер по умолчанию!");
    EXPECT_EQ(box.icon, MsgIcon::Warning);
    EXPECT_EQ(box.buttons, MsgButtons::Ok);
    EXPECT_EQ(box.owner, nullptr);
    ASSERT_TRUE(host->Device);
    EXPECT_EQ(host->Device->GetColorModel(), D3DCOLOR_RGB);
    EXPECT_TRUE(vport->Viewport);
    EXPECT_EQ(IDirect3DRMDevice::AllDevices().size(), 1u);
}

TEST_F(ViewHost, WithoutAnyDeviceEveryPathIsQuietAndPaintingFiresNoRedraw) {
    boxes.Clear();
    Place(std::make_unique<TestView>(true));
    Show();
    EXPECT_EQ(boxes.Shown().size(), 1u) << "the window's own device creation";
    EXPECT_FALSE(host->Device);
    EXPECT_FALSE(vport->Viewport);
    int redraws = 0;
    host->OnRedraw = [&redraws](TD3dView*) { ++redraws; };

    window->resize(220, 160);
    host->Update();
    host->ActivateDevice(1);
    vport->SelectCamera(host->CameraFrame.get(), true);
    const int paints = host->paints;
    const QImage shown = host->GrabPicture();
    EXPECT_GT(host->paints, paints);
    EXPECT_EQ(shown.pixelColor(100, 75), QColor(Qt::black));
    redraws = 0;
    host->repaint();
    host->GrabPicture();
    EXPECT_EQ(redraws, 0) << "painting";

    host->Redraw();
    host->RenderStep();
    EXPECT_EQ(redraws, 2) << "Redraw and RenderStep render nothing but still notify";
}

TEST_F(ViewHost, ExactlyOneDeviceWhetherTheWindowOrTheOwnerMakesItFirst) {
    host->CreateDevice(nullptr);
    EXPECT_EQ(IDirect3DRMDevice::AllDevices().size(), 1u);
    DestroyHost();

    Place(std::make_unique<TestView>());
    host->CreateDevice(nullptr);
    const IDirect3DRMDevice* beforeShow = host->Device.get();
    ASSERT_NE(beforeShow, nullptr);
    Show();
    EXPECT_EQ(host->Device.get(), beforeShow);
    EXPECT_EQ(IDirect3DRMDevice::AllDevices().size(), 1u);
}

TEST_F(ViewHost, CullNoneForcesTheCullModeOnEveryNewDevice) {
    for (const bool cullNone : {false, true}) {
        host->CullNone = cullNone;
        host->CreateDevice(&MonoDriver());
        const RenderStates& states = host->Device->States();
        EXPECT_EQ(states.Overridden(D3DRENDERSTATE_CULLMODE), cullNone);
        EXPECT_EQ(states.Effective(D3DRENDERSTATE_CULLMODE), cullNone ? D3DCULL_NONE : D3DCULL_CCW);
    }
}

TEST_F(ViewHost, SelectCameraShowsTheFrameAndRedrawsOnlyWhenAsked) {
    TVport alone;
    alone.SelectCamera(host->CameraFrame.get(), true);
    EXPECT_FALSE(alone.Viewport) << "no device, nothing happens";

    RefPtr<IDirect3DRMFrame> camera;
    Require(host->Engine->CreateFrame(host->SceneFrame.get(), camera));
    int redraws = 0;
    host->OnRedraw = [&redraws](TD3dView*) { ++redraws; };
    vport->SelectCamera(camera.get(), false);
    EXPECT_EQ(vport->Viewport->Camera(), camera.get());
    EXPECT_EQ(redraws, 0);
    vport->SelectCamera(host->CameraFrame.get(), true);
    EXPECT_EQ(vport->Viewport->Camera(), host->CameraFrame.get());
    EXPECT_EQ(redraws, 1);
}

TEST_F(ViewHost, DestroyingAHostWithAFullSceneLeavesNoEngineObject) {
    RefPtr<IDirect3DRMFrame> box = AddModel(BoxX(1, {}), 0, 0, 5);
    RefPtr<IDirect3DRMFrame> ball = AddModel(SphereX(0.5f, 12, 8, {}), 1, 0, 0, box.get());
    Require(box->SetRotation(host->SceneFrame.get(), 0, 1, 0, 0.05f));
    RefPtr<IDirect3DRMLight> light;
    Require(host->Engine->CreateLightRGB(D3DRMLIGHT_DIRECTIONAL, 1, 1, 1, light));
    Require(ball->AddLight(light.get()));
    auto* second = new TVport(host);
    second->SetBounds(0, 0, 50, 40);
    host->CreateDevice(&MonoDriver());
    second->SelectCamera(ball.get(), true);
    for (int i = 0; i < 3; ++i) {
        host->RenderStep();
    }
    host->CreateDevice(nullptr);
    host->RenderStep();
    EXPECT_GT(host->Device->GetTrianglesDrawn(), 0u);

    light.reset();
    ball.reset();
    box.reset();
    DestroyHost();
    EXPECT_EQ(IDirect3DRMObject::LiveObjectCount(), 0);
}

} // namespace
} // namespace qor::test
