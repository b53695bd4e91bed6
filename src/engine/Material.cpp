// Materials.
#include "engine/Material.h"

#include <algorithm>
#include <cmath>

namespace qor {

namespace {
std::array<float, 3> Clamped(D3DVALUE red, D3DVALUE green, D3DVALUE blue) {
    const auto c = [](float v) { return std::isnan(v) ? 0.0f : std::clamp(v, 0.0f, 1.0f); };
    return {c(red), c(green), c(blue)};
}
} // namespace

HRESULT IDirect3DRMMaterial::SetEmissive(D3DVALUE red, D3DVALUE green, D3DVALUE blue) {
    emissive_ = Clamped(red, green, blue);
    return D3DRM_OK;
}

HRESULT IDirect3DRMMaterial::SetSpecular(D3DVALUE red, D3DVALUE green, D3DVALUE blue) {
    specular_ = Clamped(red, green, blue);
    return D3DRM_OK;
}

} // namespace qor
