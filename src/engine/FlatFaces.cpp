// Per-face vertices for flat lighting.
#include "engine/FlatFaces.h"

#include "engine/Math3d.h"

namespace qor {

namespace {

Vec3 ToVec3(const std::array<float, 3>& v) {
    return {v[0], v[1], v[2]};
}

} // namespace

FlatFaces MakeFlatFaces(const MeshData& mesh) {
    FlatFaces flat;
    const std::size_t triangles = mesh.indices.size() / 3;
    flat.vertices.reserve(mesh.vertices.size() + triangles);
    flat.vertices = mesh.vertices;
    flat.indices.reserve(3 * triangles);
    for (std::size_t t = 0; t < triangles; ++t) {
        const std::uint32_t a = mesh.indices[3 * t];
        const std::uint32_t b = mesh.indices[3 * t + 1];
        const std::uint32_t c = mesh.indices[3 * t + 2];
        const Vec3 pa = ToVec3(mesh.vertices[a].position);
        const Vec3 normal = Normalized(
            Cross(ToVec3(mesh.vertices[b].position) - pa, ToVec3(mesh.vertices[c].position) - pa));
        MeshVertex corner = mesh.vertices[c];
        if (Length(normal) > 0) {
            corner.normal = {static_cast<float>(normal.x), static_cast<float>(normal.y),
                             static_cast<float>(normal.z)};
        }
        flat.indices.insert(flat.indices.end(),
                            {a, b, static_cast<std::uint32_t>(flat.vertices.size())});
        flat.vertices.push_back(corner);
    }
    return flat;
}

} // namespace qor
