// The settings of one viewport (projection, uniform scaling, clipping, field, camera, plane),
// read from a viewport and applied to another, so that a viewport's settings survive the
// re-creation of its device.
#pragma once

#include "engine/RefPtr.h"
#include "engine/Types.h"

#include <cstdint>

namespace qor {

class IDirect3DRMFrame;
class IDirect3DRMViewport;

struct TVportData {
    TVportData() = default;
    // All zero, then ReadFrom(viewport).
    explicit TVportData(IDirect3DRMViewport* viewport);

    // Nothing for a null viewport; otherwise remembers it and reads its settings.
    void ReadFrom(IDirect3DRMViewport* viewport);
    // Nothing for a null viewport or while the record holds no settings; otherwise the record
    // now refers to that viewport, which gets every setting of the record.
    void ApplyTo(IDirect3DRMViewport* viewport);
    // ApplyTo the viewport the record refers to, while that viewport still exists.
    void ApplyToOwn();

    bool UniformScaling = false;
    // The viewport the settings were read from or last applied to; null while the record holds
    // no settings. Not a counted reference: the record must not keep a viewport (and with it
    // a replaced device) alive.
    IDirect3DRMViewport* Viewport = nullptr;
    // That viewport's identity: a viewport made later at the same address is another one.
    std::uint64_t ViewportSerial = 0;
    // Counted: between the release of an old viewport and the making of the new one, the
    // record may be the only holder of a camera that no scene holds.
    RefPtr<IDirect3DRMFrame> Camera;
    D3DRMPROJECTIONTYPE Projection = D3DRMPROJECT_PERSPECTIVE;
    D3DVALUE Back = 0;
    D3DVALUE Front = 0;
    D3DVALUE Field = 0;
    D3DVALUE Left = 0;
    D3DVALUE Right = 0;
    D3DVALUE Bottom = 0;
    D3DVALUE Top = 0;
};

// True while the viewport of that identity is one of a live device's viewports.
bool ViewportIsAlive(const IDirect3DRMViewport* viewport, std::uint64_t serial);

} // namespace qor
