// What the host shows and how the scene moves: tick values, idle passes, the presented
// picture, the background and resizing.
#include "../support/Require.h"
#include "ViewHostFixture.h"

#include "../support/PictureRecord.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace qor::test {
namespace {

struct TickCase {
    const char* name;
    std::int32_t tick;
    float turned;
};

class RenderStepTest : public ViewHost, public ::testing::WithParamInterface<TickCase> {};

// Two steps in a row, faster than any display refreshes: each one is presented.
TEST_P(RenderStepTest, TurnsBySpeedTimesTickAndPresentsOneFrameEach) {
    RefPtr<IDirect3DRMFrame> spinner = AddModel(BoxX(1, {}), 0, 0, 5);
    Require(spinner->SetRotation(host->SceneFrame.get(), 0, 1, 0, 0.1f));
    host->RMTickValue = GetParam().tick;
    int redraws = 0;
    host->OnRedraw = [&redraws](TD3dView*) { ++redraws; };
    int presented = 0;
    QObject::connect(host, &TD3dView::Presented, [&presented] { ++presented; });
    const std::uint32_t drawn = host->Device->GetTrianglesDrawn();

    host->RenderStep();
    host->RenderStep();

    D3DVECTOR dir;
    D3DVECTOR up;
    Require(spinner->GetOrientation(host->SceneFrame.get(), &dir, &up));
    EXPECT_NEAR(dir.x, std::sin(2 * GetParam().turned), 1e-5);
    EXPECT_NEAR(dir.z, std::cos(2 * GetParam().turned), 1e-5);
    EXPECT_EQ(redraws, 2);
    EXPECT_EQ(presented, 2) << "one tick is one presented frame";
    EXPECT_GT(host->Device->GetTrianglesDrawn(), drawn);
}

INSTANTIATE_TEST_SUITE_P(Ticks, RenderStepTest,
                         ::testing::Values(TickCase{"ZeroRendersWithoutMotion", 0, 0},
                                           TickCase{"OneStep", 1, 0.1f},
                                           TickCase{"NegativeRunsBackwards", -1, -0.1f},
                                           TickCase{"ThreeUnits", 3, 0.3f}),
                         [](const auto& info) { return info.param.name; });

struct IdleCase {
    const char* name;
    bool fastLoop;
    bool spinning;
    bool done;
    int steps;
};

class AppIdleTest : public ViewHost, public ::testing::WithParamInterface<IdleCase> {};

TEST_P(AppIdleTest, RendersAStepAndAsksForTheNextPassAsTheLoopModeSays) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ASSERT_EQ(QGuiApplication::applicationState(), Qt::ApplicationActive);
    RefPtr<IDirect3DRMFrame> frame = AddModel(BoxX(1, {}), 0, 0, 5);
    if (GetParam().spinning) {
        Require(frame->SetRotation(host->SceneFrame.get(), 1, 0, 0, 0.2f));
    }
    EXPECT_EQ(host->HasMotion(host->SceneFrame.get()), GetParam().spinning);
    host->FastLoop = GetParam().fastLoop;
    int steps = 0;
    host->OnRedraw = [&steps](TD3dView*) { ++steps; };
    bool done = true;
    host->AppIdle(host, done);
    EXPECT_EQ(done, GetParam().done);
    EXPECT_EQ(steps, GetParam().steps);
}

INSTANTIATE_TEST_SUITE_P(
    Loops, AppIdleTest,
    ::testing::Values(IdleCase{"SlowLoopRendersEveryPass", false, false, false, 1},
                      IdleCase{"FastLoopRendersWhileSomethingMoves", true, true, false, 1},
                      IdleCase{"FastLoopWaitsWhileEverythingStandsStill", true, false, true, 0}),
    [](const auto& info) { return info.param.name; });

TEST_F(ViewHost, AppIdleWaitsWhileTheApplicationIsInactive) {
    window->hide();
    QTRY_VERIFY(QGuiApplication::applicationState() != Qt::ApplicationActive);
    int steps = 0;
    host->OnRedraw = [&steps](TD3dView*) { ++steps; };
    bool done = false;
    host->AppIdle(host, done);
    EXPECT_TRUE(done);
    EXPECT_EQ(steps, 0);
}

QImage Rgb(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

XMaterial Red() {
    XMaterial red;
    red.diffuse = {1, 0, 0, 1};
    red.emissive = {1, 0, 0};
    return red;
}

void ExpectRed(const QColor& colour) {
    EXPECT_GT(colour.red(), 200) << colour.name().toStdString();
    EXPECT_LT(colour.green(), 40) << colour.name().toStdString();
    EXPECT_LT(colour.blue(), 40) << colour.name().toStdString();
}

// What the X server shows of the widget, composed with the window's other contents.
QImage OnScreen(const QWidget& widget) {
    const QPoint at = widget.mapToGlobal(QPoint(0, 0));
    return Rgb(
        widget.screen()->grabWindow(0, at.x(), at.y(), widget.width(), widget.height()).toImage());
}

// A red box in the middle of the view, the black background at the edges.
TEST_F(ViewHost, ControlShowsTheDevicesPictureOfAKnownScene) {
    RefPtr<IDirect3DRMFrame> box = AddModel(BoxX(1, Red()), 0, 0, 5);
    host->RenderStep();

    const QImage screen = OnScreen(*host);
    ExpectRed(screen.pixelColor(100, 75));
    EXPECT_EQ(screen.pixelColor(3, 3), QColor(Qt::black));
    const QImage shown = Rgb(host->GrabPicture());
    const QImage devicePart = Rgb(host->Device->GrabImage().copy(0, 0, 200, 150));
    PictureRecord onScreen(QStringLiteral("screen"), screen);
    onScreen.Expect(shown);
    PictureRecord presented(QStringLiteral("shown"), shown);
    presented.Expect(devicePart);
    ASSERT_EQ(shown.size(), QSize(200, 150));
    EXPECT_EQ(shown, screen);
    EXPECT_EQ(shown, devicePart)
        << "the control shows the top-left part of the device's picture, unscaled";
}

TEST_F(ViewHost, BackgroundStaysBlackWhateverTheColour) {
    int redraws = 0;
    host->OnRedraw = [&redraws](TD3dView*) { ++redraws; };
    host->SetColor(Qt::darkCyan);
    EXPECT_EQ(host->Color(), QColor(Qt::darkCyan));
    EXPECT_EQ(redraws, 1);
    EXPECT_EQ(host->SceneFrame->GetSceneBackground() & 0xFFFFFFu, 0u);
    EXPECT_EQ(Rgb(host->GrabPicture()).pixelColor(100, 75), QColor(Qt::black));
}

TEST_F(ViewHost, ResizeKeepsTheScreenSizedDeviceAndReconfiguresTheViewport) {
    RefPtr<IDirect3DRMFrame> box = AddModel(BoxX(1, Red()), 0, 0, 5);
    const IDirect3DRMDevice* device = host->Device.get();
    const IDirect3DRMViewport* viewport = vport->Viewport.get();
    const QSize screenSize = host->screen()->size() * host->screen()->devicePixelRatio();
    EXPECT_EQ(QSize(device->GetWidth(), device->GetHeight()), screenSize);

    window->resize(320, 240);

    EXPECT_EQ(host->Device.get(), device);
    EXPECT_EQ(IDirect3DRMDevice::AllDevices().size(), 1u);
    ASSERT_EQ(vport->Viewport.get(), viewport);
    EXPECT_EQ(
        QRect(viewport->GetX(), viewport->GetY(), viewport->GetWidth(), viewport->GetHeight()),
        QRect(0, 0, 320, 240));
    // Uniform scaling: the shorter side still spans the field, the longer one follows.
    const ViewPlane plane = viewport->ShownViewPlane();
    EXPECT_FLOAT_EQ(plane.top, 0.5f);
    EXPECT_FLOAT_EQ(plane.right, 0.5f * 320 / 240);
    host->RenderStep();
    const QImage screen = OnScreen(*host);
    PictureRecord record(QStringLiteral("resized"), screen);
    record.Expect(Rgb(host->Device->GrabImage().copy(0, 0, 320, 240)));
    ASSERT_EQ(screen.size(), QSize(320, 240));
    ExpectRed(screen.pixelColor(160, 120));
    EXPECT_EQ(screen, record.Expected());
}

} // namespace
} // namespace qor::test
