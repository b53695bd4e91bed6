// Meshes the program makes: groups land in the geometry with their own vertices, faces and
// colours; moving vertices gives the geometry a new id (devices upload it again), a colour does
// not; calls that would corrupt the mesh are refused and leave it as it was.
#include "engine/Mesh.h"
#include "engine/Material.h"
#include "engine/RefPtr.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

namespace qor {
namespace {

TEST(Mesh, GroupsKeepTheirOwnVerticesFacesAndColours) {
    const RefPtr<IDirect3DRMMesh> mesh = MakeRef<IDirect3DRMMesh>();
    EXPECT_EQ(mesh->Geometry(), nullptr) << "an empty mesh draws nothing";
    const std::uint32_t triangle[] = {0, 1, 2};
    const std::uint32_t quad[] = {0, 1, 2, 3};
    D3DRMGROUPINDEX first = -1;
    D3DRMGROUPINDEX second = -1;
    ASSERT_EQ(mesh->AddGroup(3, 1, 3, triangle, &first), D3DRM_OK);
    ASSERT_EQ(mesh->AddGroup(4, 1, 4, quad, &second), D3DRM_OK);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 1);
    EXPECT_EQ(mesh->GetGroupCount(), 2u);

    const D3DRMVERTEX moved{{1, 2, 3}, {0, 1, 0}, 0.5f, 0.25f};
    const std::uint64_t before = mesh->GeometryId();
    ASSERT_EQ(mesh->SetVertices(second, 2, 1, &moved), D3DRM_OK);
    EXPECT_NE(mesh->GeometryId(), before) << "moved vertices must be uploaded again";
    const std::uint64_t afterMove = mesh->GeometryId();
    ASSERT_EQ(mesh->SetGroupColorRGB(second, 0, 2, 0.5f), D3DRM_OK);
    const RefPtr<IDirect3DRMMaterial> glow = MakeRef<IDirect3DRMMaterial>(8.0f);
    ASSERT_EQ(glow->SetEmissive(0.25f, 0, 0), D3DRM_OK);
    ASSERT_EQ(mesh->SetGroupMaterial(second, glow.get()), D3DRM_OK);
    EXPECT_EQ(mesh->GeometryId(), afterMove) << "a colour is no new geometry";

    const MeshData* data = mesh->Geometry();
    ASSERT_NE(data, nullptr);
    ASSERT_EQ(data->vertices.size(), 7u);
    // The second group's vertices follow the first's; its quad is a fan of two triangles.
    EXPECT_EQ(data->indices, (std::vector<std::uint32_t>{0, 1, 2, 3, 4, 5, 3, 5, 6}));
    ASSERT_EQ(data->ranges.size(), 2u);
    EXPECT_EQ(data->ranges[1].first, 3u);
    EXPECT_EQ(data->ranges[1].count, 6u);
    EXPECT_EQ(data->ranges[1].material, 1u);
    EXPECT_EQ(data->vertices[5].position, (std::array<float, 3>{1, 2, 3}));
    EXPECT_EQ(data->vertices[5].uv, (std::array<float, 2>{0.5f, 0.25f}));
    EXPECT_EQ(data->materials[0].diffuse, (std::array<float, 4>{1, 1, 1, 1}));
    EXPECT_EQ(data->materials[1].diffuse, (std::array<float, 4>{0, 1, 0.5f, 1}));
    EXPECT_EQ(data->materials[1].emissive, (std::array<float, 3>{0.25f, 0, 0}));
    EXPECT_EQ(data->materials[1].power, 8.0f);
}

TEST(Mesh, RefusesWhatWouldCorruptItAndStaysAsItWas) {
    const RefPtr<IDirect3DRMMesh> mesh = MakeRef<IDirect3DRMMesh>();
    const std::uint32_t triangle[] = {0, 1, 2};
    ASSERT_EQ(mesh->AddGroup(3, 1, 3, triangle, nullptr), D3DRM_OK);
    const std::uint64_t id = mesh->GeometryId();
    const std::uint32_t outside[] = {0, 1, 3};
    const D3DRMVERTEX two[2] = {};
    const struct {
        const char* what;
        HRESULT result;
    } cases[] = {
        {"a vertex number outside the group", mesh->AddGroup(3, 1, 3, outside, nullptr)},
        {"faces of two vertices", mesh->AddGroup(2, 1, 2, triangle, nullptr)},
        {"faces without their data", mesh->AddGroup(3, 1, 3, nullptr, nullptr)},
        {"vertices past the group's end", mesh->SetVertices(0, 2, 2, two)},
        {"a start past the group's end", mesh->SetVertices(0, 4, 0, two)},
        {"a group that does not exist", mesh->SetVertices(1, 0, 1, two)},
        {"a negative group", mesh->SetGroupColorRGB(-1, 1, 1, 1)},
        {"no material", mesh->SetGroupMaterial(0, nullptr)},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(Failed(c.result)) << c.what;
    }
    EXPECT_EQ(mesh->GetGroupCount(), 1u);
    EXPECT_EQ(mesh->Geometry()->indices.size(), 3u);
    EXPECT_EQ(mesh->Geometry()->vertices.size(), 3u);
    EXPECT_EQ(mesh->GeometryId(), id);
}

} // namespace
} // namespace qor
