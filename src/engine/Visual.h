// Base of everything a frame can show.
#pragma once

#include "engine/Object.h"

#include <cstdint>

namespace qor {

struct MeshData;

class IDirect3DRMVisual : public IDirect3DRMObject {
public:
    // The geometry to draw, or null when there is nothing to draw.
    virtual const MeshData* Geometry() const = 0;
    // Identifies the current geometry; a new geometry gets a new id, so that devices never draw
    // a stale GPU copy.
    virtual std::uint64_t GeometryId() const = 0;

protected:
    IDirect3DRMVisual() = default;
    ~IDirect3DRMVisual() override = default;
};

} // namespace qor
