// The capability record of a driver, in the published Direct3D device-description layout
// (252 bytes), with the flags that the drivers page reads.
#pragma once

#include "engine/Types.h"

#include <cstdint>

namespace qor {

struct D3DTRANSFORMCAPS {
    std::uint32_t dwSize;
    std::uint32_t dwCaps;
};

struct D3DLIGHTINGCAPS {
    std::uint32_t dwSize;
    std::uint32_t dwCaps;
    std::uint32_t dwLightingModel;
    std::uint32_t dwNumLights;
};

struct D3DPRIMCAPS {
    std::uint32_t dwSize;
    std::uint32_t dwMiscCaps;
    std::uint32_t dwRasterCaps;
    std::uint32_t dwZCmpCaps;
    std::uint32_t dwSrcBlendCaps;
    std::uint32_t dwDestBlendCaps;
    std::uint32_t dwAlphaCmpCaps;
    std::uint32_t dwShadeCaps;
    std::uint32_t dwTextureCaps;
    std::uint32_t dwTextureFilterCaps;
    std::uint32_t dwTextureBlendCaps;
    std::uint32_t dwTextureAddressCaps;
    std::uint32_t dwStippleWidth;
    std::uint32_t dwStippleHeight;
};

struct D3DDEVICEDESC {
    std::uint32_t dwSize;
    std::uint32_t dwFlags; // which fields are valid: D3DDD_ flags
    D3DCOLORMODEL dcmColorModel;
    std::uint32_t dwDevCaps;
    D3DTRANSFORMCAPS dtcTransformCaps;
    std::uint32_t bClipping;
    D3DLIGHTINGCAPS dlcLightingCaps;
    D3DPRIMCAPS dpcLineCaps;
    D3DPRIMCAPS dpcTriCaps;
    std::uint32_t dwDeviceRenderBitDepth;
    std::uint32_t dwDeviceZBufferBitDepth;
    std::uint32_t dwMaxBufferSize;
    std::uint32_t dwMaxVertexCount;
    std::uint32_t dwMinTextureWidth;
    std::uint32_t dwMinTextureHeight;
    std::uint32_t dwMaxTextureWidth;
    std::uint32_t dwMaxTextureHeight;
    std::uint32_t dwMinStippleWidth;
    std::uint32_t dwMaxStippleWidth;
    std::uint32_t dwMinStippleHeight;
    std::uint32_t dwMaxStippleHeight;
    std::uint32_t dwMaxTextureRepeat;
    std::uint32_t dwMaxTextureAspectRatio;
    std::uint32_t dwMaxAnisotropy;
    float dvGuardBandLeft;
    float dvGuardBandTop;
    float dvGuardBandRight;
    float dvGuardBandBottom;
    float dvExtentsAdjust;
    std::uint32_t dwStencilCaps;
    std::uint32_t dwFVFCaps;
    std::uint32_t dwTextureOpCaps;
    std::uint16_t wMaxTextureBlendStages;
    std::uint16_t wMaxSimultaneousTextures;
};
static_assert(sizeof(D3DDEVICEDESC) == 252);

enum : std::uint32_t {
    D3DDD_COLORMODEL = 0x1,
    D3DDD_DEVCAPS = 0x2,
    D3DDD_LIGHTINGCAPS = 0x8,
    D3DDD_TRICAPS = 0x40,
    D3DDD_DEVICERENDERBITDEPTH = 0x80,
    D3DDD_DEVICEZBUFFERBITDEPTH = 0x100,
};

enum : std::uint32_t {
    D3DPMISCCAPS_CULLNONE = 0x10,
    D3DPMISCCAPS_CULLCW = 0x20,
    D3DPMISCCAPS_CULLCCW = 0x40,
};

enum : std::uint32_t {
    D3DPSHADECAPS_COLORFLATMONO = 0x1,
    D3DPSHADECAPS_COLORFLATRGB = 0x2,
    D3DPSHADECAPS_COLORGOURAUDMONO = 0x4,
    D3DPSHADECAPS_COLORGOURAUDRGB = 0x8,
    D3DPSHADECAPS_COLORPHONGMONO = 0x10,
    D3DPSHADECAPS_COLORPHONGRGB = 0x20,
};

enum : std::uint32_t {
    DDBD_16 = 0x400,
    DDBD_24 = 0x200,
    DDBD_32 = 0x100,
};

} // namespace qor
