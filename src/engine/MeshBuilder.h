// A mesh builder: a visual whose geometry is read from a model file.
#pragma once

#include "engine/MeshData.h"
#include "engine/Types.h"
#include "engine/Visual.h"

#include <cstdint>

namespace qor {

class IDirect3DRMMeshBuilder final : public IDirect3DRMVisual {
public:
    IDirect3DRMMeshBuilder() = default;

    // Replaces the geometry with the file's (or with its object of that name). Only
    // D3DRMLOAD_FROMFILE is offered. On failure the mesh builder keeps what it had.
    [[nodiscard]] HRESULT Load(const char* fileName, const char* objectName, std::uint32_t flags);

    // Scales the geometry about the model's origin by sx, sy and sz. Normals follow the surface;
    // a negative product of the factors mirrors the mesh, and the faces are then wound the other
    // way round so that their fronts stay outside. A zero or non-finite factor is refused.
    [[nodiscard]] HRESULT Scale(D3DVALUE sx, D3DVALUE sy, D3DVALUE sz);

    std::uint32_t GetVertexCount() const;
    std::uint32_t GetFaceCount() const;

    const MeshData* Geometry() const override;

private:
    ~IDirect3DRMMeshBuilder() override = default;

    MeshData mesh_;
};

} // namespace qor
