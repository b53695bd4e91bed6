// The vertices that let a face be lit once: every triangle ends on a vertex of its own that
// carries the face normal of the clockwise winding, and nothing else of the mesh changes.
#include "engine/FlatFaces.h"

#include <gtest/gtest.h>

#include <array>

namespace qor {
namespace {

using Position = std::array<float, 3>;

struct FaceCase {
    const char* name;
    std::array<Position, 3> corners;
    Position normal; // expected on the added vertex
};

class FlatFacesTest : public ::testing::TestWithParam<FaceCase> {};

TEST_P(FlatFacesTest, TheLastCornerIsANewVertexWithTheFaceNormal) {
    const FaceCase& c = GetParam();
    MeshData mesh;
    for (std::size_t i = 0; i < 3; ++i) {
        MeshVertex v;
        v.position = c.corners[i];
        v.normal = {0, 1, 0};
        v.uv = {0.25f * static_cast<float>(i), 0.5f};
        mesh.vertices.push_back(v);
    }
    // The same triangle twice, sharing its vertices, as indexed meshes do.
    mesh.indices = {0, 1, 2, 0, 1, 2};

    const FlatFaces flat = MakeFlatFaces(mesh);

    ASSERT_EQ(flat.vertices.size(), 5u);
    ASSERT_EQ(flat.indices, (std::vector<std::uint32_t>{0, 1, 3, 0, 1, 4}));
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(flat.vertices[i].normal, mesh.vertices[i].normal) << "the mesh's own vertices";
    }
    for (const std::size_t added : {3u, 4u}) {
        const MeshVertex& v = flat.vertices[added];
        EXPECT_EQ(v.position, c.corners[2]);
        EXPECT_EQ(v.uv, mesh.vertices[2].uv);
        for (std::size_t k = 0; k < 3; ++k) {
            EXPECT_NEAR(v.normal[k], c.normal[k], 1e-6f) << k;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faces, FlatFacesTest,
    ::testing::Values(
        // Clockwise as seen from -z, where a camera looking along +z stands: towards it.
        FaceCase{"seen_from_the_camera", {{{0, 1, 5}, {1, 0, 5}, {-1, 0, 5}}}, {0, 0, -1}},
        FaceCase{"seen_from_behind", {{{0, 1, 5}, {-1, 0, 5}, {1, 0, 5}}}, {0, 0, 1}},
        FaceCase{"slanted", {{{0, 0, 0}, {0, 2, 2}, {3, 0, 0}}}, {0, 0.70710678f, -0.70710678f}},
        // No area, no face normal: the corner's own one stays.
        FaceCase{"without_area", {{{0, 0, 0}, {1, 1, 1}, {2, 2, 2}}}, {0, 1, 0}}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace qor
