// A light: its type and colour. Attached to a frame, it lights every visual of that frame's
// scene; a directional light shines along its frame's +z axis.
#pragma once

#include "engine/Object.h"
#include "engine/Types.h"

#include <array>

namespace qor {

class IDirect3DRMLight final : public IDirect3DRMObject {
public:
    IDirect3DRMLight(D3DRMLIGHTTYPE type, std::array<float, 3> color);

    D3DRMLIGHTTYPE GetType() const { return type_; }
    // 0xFFRRGGBB.
    D3DCOLOR GetColor() const;
    // Components are clamped to 0..1.
    [[nodiscard]] HRESULT SetColorRGB(D3DVALUE red, D3DVALUE green, D3DVALUE blue);

    const std::array<float, 3>& Color() const { return color_; }

    static bool IsSupportedType(D3DRMLIGHTTYPE type);

private:
    ~IDirect3DRMLight() override = default;

    D3DRMLIGHTTYPE type_;
    std::array<float, 3> color_;
};

} // namespace qor
