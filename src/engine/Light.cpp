// Lights.
#include "engine/Light.h"

#include <algorithm>
#include <cmath>

namespace qor {

namespace {
float Clamped(float value) {
    return std::isnan(value) ? 0.0f : std::clamp(value, 0.0f, 1.0f);
}
} // namespace

IDirect3DRMLight::IDirect3DRMLight(D3DRMLIGHTTYPE type, std::array<float, 3> color)
    : type_(type), color_{Clamped(color[0]), Clamped(color[1]), Clamped(color[2])} {}

D3DCOLOR IDirect3DRMLight::GetColor() const {
    const auto byte = [](float c) { return static_cast<D3DCOLOR>(std::lround(c * 255.0f)); };
    return 0xFF000000u | byte(color_[0]) << 16 | byte(color_[1]) << 8 | byte(color_[2]);
}

HRESULT IDirect3DRMLight::SetColorRGB(D3DVALUE red, D3DVALUE green, D3DVALUE blue) {
    color_ = {Clamped(red), Clamped(green), Clamped(blue)};
    return D3DRM_OK;
}

bool IDirect3DRMLight::IsSupportedType(D3DRMLIGHTTYPE type) {
    return type == D3DRMLIGHT_AMBIENT || type == D3DRMLIGHT_DIRECTIONAL;
}

} // namespace qor
