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
    std::uint64_t GeometryId() const { return geometryId_; }

protected:
    IDirect3DRMVisual();
    // Drops the devices' copies of the geometry.
    ~IDirect3DRMVisual() override;

    // The vertices or faces changed: devices drop their old copies and upload the geometry
    // again the next time they draw it. A change of colour alone needs no new id, since colours
    // are handed to the GPU on every draw.
    void RenewGeometryId();

private:
    std::uint64_t geometryId_;
};

} // namespace qor
