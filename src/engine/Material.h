// A material: what a surface adds to its colour, a glow of its own and a shine.
#pragma once

#include "engine/Object.h"
#include "engine/Types.h"

#include <array>

namespace qor {

class IDirect3DRMMaterial final : public IDirect3DRMObject {
public:
    // power is the sharpness of the shine (the specular exponent, 0 or more).
    explicit IDirect3DRMMaterial(D3DVALUE power) : power_(power) {}

    // Components are clamped to 0..1.
    [[nodiscard]] HRESULT SetEmissive(D3DVALUE red, D3DVALUE green, D3DVALUE blue);
    [[nodiscard]] HRESULT SetSpecular(D3DVALUE red, D3DVALUE green, D3DVALUE blue);

    D3DVALUE GetPower() const { return power_; }
    const std::array<float, 3>& Emissive() const { return emissive_; }
    const std::array<float, 3>& Specular() const { return specular_; }

private:
    ~IDirect3DRMMaterial() override = default;

    D3DVALUE power_;
    std::array<float, 3> emissive_{0, 0, 0};
    std::array<float, 3> specular_{0, 0, 0};
};

} // namespace qor
