#include "Mesh.h"

#include <cmath>
#include <utility>

namespace qor::modelgen {

Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Vec3 operator*(double s, Vec3 a) {
    return {s * a.x, s * a.y, s * a.z};
}
double Dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vec3 Cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Vec3 Normalized(Vec3 a) {
    return (1.0 / std::sqrt(Dot(a, a))) * a;
}

int AddMaterial(Mesh& mesh, const Material& material) {
    mesh.materials.push_back(material);
    return static_cast<int>(mesh.materials.size()) - 1;
}

int AddVertex(Mesh& mesh, const Vertex& vertex) {
    mesh.vertices.push_back(vertex);
    return static_cast<int>(mesh.vertices.size()) - 1;
}

void AddTriangle(Mesh& mesh, int a, int b, int c, int material) {
    const Vertex& va = mesh.vertices[a];
    const Vertex& vb = mesh.vertices[b];
    const Vertex& vc = mesh.vertices[c];
    const Vec3 facing = Cross(vb.position - va.position, vc.position - va.position);
    const Vec3 outward = va.normal + vb.normal + vc.normal;
    if (Dot(facing, outward) < 0)
        std::swap(b, c);
    mesh.triangles.push_back({{a, b, c}, material});
}

} // namespace qor::modelgen
