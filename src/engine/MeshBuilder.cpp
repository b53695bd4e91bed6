// Mesh builders.
#include "engine/MeshBuilder.h"

#include "engine/ModelLoader.h"
#include "engine/Types.h"

#include <cmath>
#include <utility>

namespace qor {

HRESULT IDirect3DRMMeshBuilder::Load(const char* fileName, const char* objectName,
                                     std::uint32_t flags) {
    if (flags != D3DRMLOAD_FROMFILE) {
        return D3DRMERR_BADVALUE;
    }
    if (fileName == nullptr) {
        return D3DRMERR_FILENOTFOUND;
    }
    const HRESULT result = LoadModelFile(QString::fromUtf8(fileName), objectName, mesh_);
    if (Succeeded(result)) {
        RenewGeometryId();
    }
    return result;
}

HRESULT IDirect3DRMMeshBuilder::Scale(D3DVALUE sx, D3DVALUE sy, D3DVALUE sz) {
    const std::array<float, 3> factor{sx, sy, sz};
    for (const float f : factor) {
        if (!std::isfinite(f) || f == 0) {
            return D3DRMERR_BADVALUE;
        }
    }
    for (MeshVertex& vertex : mesh_.vertices) {
        // A normal is scaled by the inverse factors, so that it stays normal to the surface.
        double length = 0;
        std::array<double, 3> normal{};
        for (std::size_t i = 0; i < 3; ++i) {
            vertex.position[i] *= factor[i];
            normal[i] = static_cast<double>(vertex.normal[i]) / factor[i];
            length += normal[i] * normal[i];
        }
        length = std::sqrt(length);
        if (length > 0) {
            for (std::size_t i = 0; i < 3; ++i) {
                vertex.normal[i] = static_cast<float>(normal[i] / length);
            }
        }
    }
    if (static_cast<double>(sx) * sy * sz < 0) {
        for (std::size_t i = 0; i + 2 < mesh_.indices.size(); i += 3) {
            std::swap(mesh_.indices[i + 1], mesh_.indices[i + 2]);
        }
    }
    RenewGeometryId();
    return D3DRM_OK;
}

std::uint32_t IDirect3DRMMeshBuilder::GetVertexCount() const {
    return static_cast<std::uint32_t>(mesh_.vertices.size());
}

std::uint32_t IDirect3DRMMeshBuilder::GetFaceCount() const {
    return mesh_.TriangleCount();
}

const MeshData* IDirect3DRMMeshBuilder::Geometry() const {
    return mesh_.indices.empty() ? nullptr : &mesh_;
}

} // namespace qor
