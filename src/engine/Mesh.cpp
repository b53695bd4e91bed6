// Meshes made by the program.
#include "engine/Mesh.h"

#include "engine/Material.h"

#include <algorithm>
#include <cmath>

namespace qor {

bool IDirect3DRMMesh::HasGroup(D3DRMGROUPINDEX group) const {
    return group >= 0 && static_cast<std::size_t>(group) < groups_.size();
}

HRESULT IDirect3DRMMesh::AddGroup(std::uint32_t vertexCount, std::uint32_t faceCount,
                                  std::uint32_t verticesPerFace, const std::uint32_t* faceData,
                                  D3DRMGROUPINDEX* group) {
    if (verticesPerFace < 3 || (faceCount > 0 && faceData == nullptr)) {
        return D3DRMERR_BADVALUE;
    }
    const std::size_t numbers = std::size_t{faceCount} * verticesPerFace;
    if (std::any_of(faceData, faceData + numbers,
                    [vertexCount](std::uint32_t v) { return v >= vertexCount; })) {
        return D3DRMERR_BADVALUE;
    }
    const Group added{static_cast<std::uint32_t>(mesh_.vertices.size()), vertexCount};
    MeshRange range{static_cast<std::uint32_t>(mesh_.indices.size()), 0,
                    static_cast<std::uint32_t>(mesh_.materials.size())};
    mesh_.indices.reserve(mesh_.indices.size() +
                          std::size_t{faceCount} * (verticesPerFace - 2) * 3);
    for (std::size_t face = 0; face < faceCount; ++face) {
        const std::uint32_t* f = faceData + face * verticesPerFace;
        for (std::uint32_t k = 1; k + 1 < verticesPerFace; ++k) {
            mesh_.indices.push_back(added.firstVertex + f[0]);
            mesh_.indices.push_back(added.firstVertex + f[k]);
            mesh_.indices.push_back(added.firstVertex + f[k + 1]);
        }
    }
    range.count = static_cast<std::uint32_t>(mesh_.indices.size()) - range.first;
    mesh_.vertices.resize(mesh_.vertices.size() + vertexCount);
    mesh_.materials.emplace_back();
    mesh_.ranges.push_back(range);
    groups_.push_back(added);
    if (group != nullptr) {
        *group = static_cast<D3DRMGROUPINDEX>(groups_.size() - 1);
    }
    RenewGeometryId();
    return D3DRM_OK;
}

HRESULT IDirect3DRMMesh::SetVertices(D3DRMGROUPINDEX group, std::uint32_t index,
                                     std::uint32_t count, const D3DRMVERTEX* values) {
    if (!HasGroup(group) || values == nullptr) {
        return D3DRMERR_BADVALUE;
    }
    const Group& g = groups_[static_cast<std::size_t>(group)];
    if (index > g.vertexCount || count > g.vertexCount - index) {
        return D3DRMERR_BADVALUE;
    }
    MeshVertex* out = mesh_.vertices.data() + g.firstVertex + index;
    for (std::uint32_t i = 0; i < count; ++i) {
        const D3DRMVERTEX& v = values[i];
        out[i] = {{v.position.x, v.position.y, v.position.z},
                  {v.normal.x, v.normal.y, v.normal.z},
                  {v.tu, v.tv}};
    }
    RenewGeometryId();
    return D3DRM_OK;
}

HRESULT IDirect3DRMMesh::SetGroupColorRGB(D3DRMGROUPINDEX group, D3DVALUE red, D3DVALUE green,
                                          D3DVALUE blue) {
    if (!HasGroup(group)) {
        return D3DRMERR_BADVALUE;
    }
    const auto c = [](float v) { return std::isnan(v) ? 0.0f : std::clamp(v, 0.0f, 1.0f); };
    mesh_.materials[static_cast<std::size_t>(group)].diffuse = {c(red), c(green), c(blue), 1};
    return D3DRM_OK;
}

HRESULT IDirect3DRMMesh::SetGroupMaterial(D3DRMGROUPINDEX group,
                                          const IDirect3DRMMaterial* material) {
    if (!HasGroup(group)) {
        return D3DRMERR_BADVALUE;
    }
    if (material == nullptr) {
        return D3DRMERR_BADOBJECT;
    }
    MeshMaterial& m = mesh_.materials[static_cast<std::size_t>(group)];
    m.emissive = material->Emissive();
    m.specular = material->Specular();
    m.power = material->GetPower();
    return D3DRM_OK;
}

const MeshData* IDirect3DRMMesh::Geometry() const {
    return mesh_.indices.empty() ? nullptr : &mesh_;
}

} // namespace qor
