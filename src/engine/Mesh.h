// A mesh: a visual whose geometry the program makes itself, in groups. Each group has its own
// vertices, faces and colour and is drawn with one draw call; its vertices can be moved in
// place, which is how a drawing that changes shape follows a moving linkage.
#pragma once

#include "engine/MeshData.h"
#include "engine/Types.h"
#include "engine/Visual.h"

#include <cstdint>
#include <vector>

namespace qor {

class IDirect3DRMMaterial;

class IDirect3DRMMesh final : public IDirect3DRMVisual {
public:
    IDirect3DRMMesh() = default;

    // Adds a group of vertexCount vertices, all at the origin until SetVertices places them, and
    // faceCount faces of verticesPerFace (3 or more) vertex numbers each, counted within the
    // group. Faces are wound clockwise seen from their front, as in the model files; a face of
    // more than three vertices is a fan around its first. The group starts white. A vertex number
    // outside the group, fewer than three vertices per face or missing face data are refused
    // with D3DRMERR_BADVALUE, and the mesh stays as it was.
    [[nodiscard]] HRESULT AddGroup(std::uint32_t vertexCount, std::uint32_t faceCount,
                                   std::uint32_t verticesPerFace, const std::uint32_t* faceData,
                                   D3DRMGROUPINDEX* group);
    // Sets count vertices of the group from its vertex index on. D3DRMERR_BADVALUE for a group
    // that does not exist or vertices past the group's end.
    [[nodiscard]] HRESULT SetVertices(D3DRMGROUPINDEX group, std::uint32_t index,
                                      std::uint32_t count, const D3DRMVERTEX* values);
    // Components are clamped to 0..1.
    [[nodiscard]] HRESULT SetGroupColorRGB(D3DRMGROUPINDEX group, D3DVALUE red, D3DVALUE green,
                                           D3DVALUE blue);
    // The group takes the material's glow, shine and power as they are now.
    [[nodiscard]] HRESULT SetGroupMaterial(D3DRMGROUPINDEX group,
                                           const IDirect3DRMMaterial* material);
    std::uint32_t GetGroupCount() const { return static_cast<std::uint32_t>(groups_.size()); }

    const MeshData* Geometry() const override;

private:
    ~IDirect3DRMMesh() override = default;

    struct Group {
        std::uint32_t firstVertex = 0; // in the mesh's vertices
        std::uint32_t vertexCount = 0;
    };

    bool HasGroup(D3DRMGROUPINDEX group) const;

    std::vector<Group> groups_;
    MeshData mesh_; // one range and one material per group, in the groups' order
};

} // namespace qor
