// A mesh as the engine keeps it on the CPU side: vertices in the model file's own left-handed
// coordinates, triangles wound clockwise when seen from the front, grouped by material so that
// one draw call covers each material.
#pragma once

#include <QImage>

#include <array>
#include <cstdint>
#include <vector>

namespace qor {

struct MeshVertex {
    std::array<float, 3> position{};
    std::array<float, 3> normal{};
    std::array<float, 2> uv{};
};

struct MeshMaterial {
    std::array<float, 4> diffuse{1, 1, 1, 1}; // red, green, blue, alpha
    std::array<float, 3> specular{0, 0, 0};
    std::array<float, 3> emissive{0, 0, 0};
    float power = 0; // specular exponent; 0 means no highlight
    QImage texture;  // null when the material has none
};

// One material's triangles: indices[first .. first + count) of the mesh.
struct MeshRange {
    std::uint32_t first = 0;
    std::uint32_t count = 0;
    std::uint32_t material = 0;
};

struct MeshData {
    std::vector<MeshVertex> vertices;
    std::vector<std::uint32_t> indices; // three per triangle
    std::vector<MeshMaterial> materials;
    std::vector<MeshRange> ranges;

    std::uint32_t TriangleCount() const { return static_cast<std::uint32_t>(indices.size() / 3); }
};

} // namespace qor
