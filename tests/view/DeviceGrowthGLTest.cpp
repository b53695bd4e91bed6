// The picture follows the window to a larger screen, and the control past the picture: the
// device grows in place, keeping its viewports and their settings, and the viewport fills the
// control again. A smaller screen leaves the device as it is.
#include "../support/Require.h"
#include "ViewHostFixture.h"

namespace qor::test {
namespace {

struct Growth {
    const char* name;
    QSize screen; // the screen the window reaches; invalid: it stays on its first one
    QSize window; // the window's new size; invalid: it keeps its 200 x 150
    QSize device; // afterwards, from 1920 x 1080 on the first screen
};

void PrintTo(const Growth& g, std::ostream* os) {
    *os << g.name;
}

class DeviceGrowth : public ViewHost, public ::testing::WithParamInterface<Growth> {};

TEST_P(DeviceGrowth, TheViewportStillFillsTheControl) {
    const Growth& g = GetParam();
    host->screenPixels = {1920, 1080};
    host->CreateDevice(nullptr);
    ASSERT_TRUE(host->Device && vport->Viewport);
    ASSERT_EQ(host->Device->GetWidth(), 1920u);
    test::Require(vport->Viewport->SetProjection(D3DRMPROJECT_ORTHOGRAPHIC));
    test::Require(vport->Viewport->SetField(14));
    const IDirect3DRMDevice* device = host->Device.get();
    const IDirect3DRMViewport* viewport = vport->Viewport.get();

    if (g.screen.isValid()) {
        host->MoveToScreen(g.screen);
    }
    if (g.window.isValid()) {
        window->resize(g.window);
        ASSERT_TRUE(QTest::qWaitFor([&] { return host->size() == g.window; }));
    }

    ASSERT_EQ(host->Device.get(), device) << "grown, not made anew";
    EXPECT_EQ(QSize(static_cast<int>(device->GetWidth()), static_cast<int>(device->GetHeight())),
              g.device);
    ASSERT_EQ(vport->Viewport.get(), viewport);
    const QRect shown(viewport->GetX(), viewport->GetY(), viewport->GetWidth(),
                      viewport->GetHeight());
    EXPECT_EQ(shown, vport->DeviceRect());
    EXPECT_EQ(viewport->GetProjection(), D3DRMPROJECT_ORTHOGRAPHIC);
    EXPECT_EQ(viewport->GetField(), 14.0f);
    host->Redraw();
    EXPECT_EQ(host->Device->GrabImage().size(), g.device);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, DeviceGrowth,
    ::testing::Values(Growth{"LargerScreen", {2560, 1440}, {}, {2560, 1440}},
                      Growth{"WiderScreenOnly", {2560, 1000}, {}, {2560, 1080}},
                      Growth{"SmallerScreenKeepsTheDevice", {1280, 720}, {}, {1920, 1080}},
                      Growth{"ControlPastTheDevice", {}, {2400, 1300}, {2400, 1300}}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace qor::test
