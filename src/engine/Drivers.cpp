// The driver table.
#include "engine/Drivers.h"

namespace qor {

namespace {

constexpr GUID kRgbDriver{
    0x8D3A4C10, 0x5B2E, 0x4F61, {0x9C, 0x7A, 0x2E, 0x4B, 0x6D, 0x1F, 0x0A, 0x31}};
constexpr GUID kMonoDriver{
    0x8D3A4C11, 0x5B2E, 0x4F61, {0x9C, 0x7A, 0x2E, 0x4B, 0x6D, 0x1F, 0x0A, 0x31}};

D3DDEVICEDESC Description(D3DCOLORMODEL colorModel, std::uint32_t shadeCaps) {
    D3DDEVICEDESC desc{};
    desc.dwSize = sizeof desc;
    desc.dwFlags =
        D3DDD_COLORMODEL | D3DDD_TRICAPS | D3DDD_DEVICERENDERBITDEPTH | D3DDD_DEVICEZBUFFERBITDEPTH;
    desc.dcmColorModel = colorModel;
    desc.dpcTriCaps.dwSize = sizeof desc.dpcTriCaps;
    desc.dpcTriCaps.dwMiscCaps = D3DPMISCCAPS_CULLNONE | D3DPMISCCAPS_CULLCW | D3DPMISCCAPS_CULLCCW;
    desc.dpcTriCaps.dwShadeCaps = shadeCaps;
    desc.dwDeviceRenderBitDepth = DDBD_32;
    desc.dwDeviceZBufferBitDepth = DDBD_24;
    return desc;
}

std::vector<DriverInfo> MakeDrivers() {
    const std::uint32_t rgbShading =
        D3DPSHADECAPS_COLORFLATRGB | D3DPSHADECAPS_COLORGOURAUDRGB | D3DPSHADECAPS_COLORPHONGRGB;
    const std::uint32_t monoShading =
        D3DPSHADECAPS_COLORFLATMONO | D3DPSHADECAPS_COLORGOURAUDMONO | D3DPSHADECAPS_COLORPHONGMONO;
    // The RGB driver renders on the graphics hardware; the mono driver's ramp of shades is
    // described as software emulation, so its hardware description names no colour model.
    D3DDEVICEDESC noHardware{};
    noHardware.dwSize = sizeof noHardware;
    return {
        {kRgbDriver, "RGB colour through OpenGL 3.3", "OpenGL RGB", D3DCOLOR_RGB,
         Description(D3DCOLOR_RGB, rgbShading), Description(D3DCOLOR_RGB, rgbShading)},
        {kMonoDriver, "Mono ramp of shades through OpenGL 3.3", "OpenGL Mono", D3DCOLOR_MONO,
         noHardware, Description(D3DCOLOR_MONO, monoShading)},
    };
}

} // namespace

const std::vector<DriverInfo>& Drivers() {
    static const std::vector<DriverInfo> drivers = MakeDrivers();
    return drivers;
}

const DriverInfo* FindDriver(const GUID* guid) {
    const std::vector<DriverInfo>& drivers = Drivers();
    if (guid == nullptr) {
        return &drivers.front();
    }
    for (const DriverInfo& driver : drivers) {
        if (driver.guid == *guid) {
            return &driver;
        }
    }
    return nullptr;
}

} // namespace qor
