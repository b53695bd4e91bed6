// The DirectDraw object, clippers, the Direct3D interface and the driver enumeration.
#include "engine/DirectDraw.h"
#include "../support/Require.h"
#include "engine/Drivers.h"

#include <gtest/gtest.h>

#include <vector>

namespace qor {
namespace {

struct Enumerated {
    std::vector<const GUID*> guids;
    std::vector<std::string> names;
    std::vector<D3DCOLORMODEL> hardwareModels;
    std::vector<D3DCOLORMODEL> softwareModels;
    int stopAfter = 100;
};

HRESULT Collect(const GUID* guid, const char*, const char* name, const D3DDEVICEDESC* hardware,
                const D3DDEVICEDESC* software, void* context) {
    auto* e = static_cast<Enumerated*>(context);
    e->guids.push_back(guid);
    e->names.push_back(name);
    e->hardwareModels.push_back(hardware->dcmColorModel);
    e->softwareModels.push_back(software->dcmColorModel);
    return static_cast<int>(e->guids.size()) < e->stopAfter ? D3DENUMRET_OK : D3DENUMRET_CANCEL;
}

TEST(DirectDrawTest, OnlyTheDefaultDisplayExists) {
    RefPtr<IDirectDraw> directDraw;
    const GUID other{1, 2, 3, {}};
    EXPECT_EQ(DirectDrawCreate(&other, directDraw), DDERR_INVALIDDIRECTDRAWGUID);
    EXPECT_EQ(directDraw, nullptr);
    ASSERT_EQ(DirectDrawCreate(nullptr, directDraw), DD_OK);
    RefPtr<IDirectDrawClipper> clipper;
    EXPECT_EQ(directDraw->CreateClipper(1, clipper), DDERR_INVALIDPARAMS);
    ASSERT_EQ(directDraw->CreateClipper(0, clipper), DD_OK);
    EXPECT_EQ(clipper->SetHWnd(0, 0x1234), DD_OK);
    WindowHandle window = 0;
    test::Require(clipper->GetHWnd(&window));
    EXPECT_EQ(window, 0x1234u);
    RefPtr<IDirect3D> direct3D;
    EXPECT_EQ(directDraw->QueryInterface(IID_IDirect3DRMWinDevice, direct3D), E_NOINTERFACE);
    EXPECT_EQ(directDraw->QueryInterface(IID_IDirect3D, direct3D), DD_OK);
}

TEST(DirectDrawTest, EnumDevicesReportsTheRgbAndTheMonoDriver) {
    RefPtr<IDirect3D> direct3D = MakeRef<IDirect3D>();
    Enumerated e;
    ASSERT_EQ(direct3D->EnumDevices(Collect, &e), D3D_OK);
    ASSERT_EQ(e.guids.size(), 2u);
    EXPECT_EQ(*e.guids[0], Drivers()[0].guid);
    EXPECT_EQ(FindDriver(nullptr), &Drivers()[0]) << "RGB is the default";
    EXPECT_EQ(e.hardwareModels, (std::vector<D3DCOLORMODEL>{D3DCOLOR_RGB, 0}));
    EXPECT_EQ(e.softwareModels, (std::vector<D3DCOLORMODEL>{D3DCOLOR_RGB, D3DCOLOR_MONO}));
    EXPECT_NE(GuidToText(*e.guids[0]), GuidToText(*e.guids[1]));
    for (const DriverInfo& driver : Drivers()) {
        const D3DDEVICEDESC& caps = driver.software;
        EXPECT_EQ(caps.dwSize, 252u);
        EXPECT_NE(caps.dwFlags & D3DDD_TRICAPS, 0u) << driver.name;
        EXPECT_EQ(caps.dpcTriCaps.dwMiscCaps & 0x70u, 0x70u) << "every cull mode";
    }
    Enumerated first;
    first.stopAfter = 1;
    test::Require(direct3D->EnumDevices(Collect, &first));
    EXPECT_EQ(first.guids.size(), 1u) << "cancel stops the enumeration";
    EXPECT_EQ(direct3D->EnumDevices(nullptr, nullptr), DDERR_INVALIDPARAMS);
}

} // namespace
} // namespace qor
