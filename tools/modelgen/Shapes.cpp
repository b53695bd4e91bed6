#include "Shapes.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace qor::modelgen {

namespace {

// Two unit vectors that complete the unit axis to an orthonormal set.
struct Basis {
    Vec3 axis, side, across;
};

Basis BasisAround(Vec3 direction) {
    const Vec3 axis = Normalized(direction);
    const Vec3 helper = std::abs(axis.y) < 0.9 ? Vec3{0, 1, 0} : Vec3{1, 0, 0};
    const Vec3 side = Normalized(Cross(helper, axis));
    return {axis, side, Cross(axis, side)};
}

Vec3 Radial(const Basis& basis, double angle) {
    return std::cos(angle) * basis.side + std::sin(angle) * basis.across;
}

// Round shapes start half a segment off their basis, so that no two round shapes meeting at
// right angles (the arrow shafts at the origin) put corners on the same point.
double SegmentAngle(int i, int segments) {
    return 2 * std::numbers::pi * (i + 0.5) / segments;
}

// A flat disc facing along `normal`, fanned from its centre.
void AddDisc(Mesh& mesh, Vec3 centre, const Basis& basis, double radius, int segments, Vec3 normal,
             int material) {
    const int middle = AddVertex(mesh, {centre, normal});
    const int first = static_cast<int>(mesh.vertices.size());
    for (int i = 0; i < segments; ++i)
        AddVertex(mesh, {centre + radius * Radial(basis, SegmentAngle(i, segments)), normal});
    for (int i = 0; i < segments; ++i)
        AddTriangle(mesh, middle, first + i, first + (i + 1) % segments, material);
}

// Joins two rings of vertices, index by index, into a band of quads that closes on itself.
void AddBand(Mesh& mesh, int lowerFirst, int upperFirst, int count, int material) {
    for (int i = 0; i < count; ++i) {
        const int j = (i + 1) % count;
        AddTriangle(mesh, lowerFirst + i, lowerFirst + j, upperFirst + j, material);
        AddTriangle(mesh, lowerFirst + i, upperFirst + j, upperFirst + i, material);
    }
}

} // namespace

void AddCylinder(Mesh& mesh, Vec3 base, Vec3 top, double radius, int segments, int material) {
    const Basis basis = BasisAround(top - base);
    const int lower = static_cast<int>(mesh.vertices.size());
    for (int i = 0; i < segments; ++i) {
        const Vec3 out = Radial(basis, SegmentAngle(i, segments));
        AddVertex(mesh, {base + radius * out, out});
    }
    const int upper = static_cast<int>(mesh.vertices.size());
    for (int i = 0; i < segments; ++i) {
        const Vec3 out = Radial(basis, SegmentAngle(i, segments));
        AddVertex(mesh, {top + radius * out, out});
    }
    AddBand(mesh, lower, upper, segments, material);
    AddDisc(mesh, base, basis, radius, segments, -1.0 * basis.axis, material);
    AddDisc(mesh, top, basis, radius, segments, basis.axis, material);
}

void AddCone(Mesh& mesh, Vec3 base, Vec3 apex, double radius, int segments, int material) {
    const Basis basis = BasisAround(apex - base);
    const double height = std::sqrt(Dot(apex - base, apex - base));
    const auto slantNormal = [&](double angle) {
        return Normalized(height * Radial(basis, angle) + radius * basis.axis);
    };
    const int rim = static_cast<int>(mesh.vertices.size());
    for (int i = 0; i < segments; ++i) {
        const double angle = SegmentAngle(i, segments);
        AddVertex(mesh, {base + radius * Radial(basis, angle), slantNormal(angle)});
    }
    // One apex vertex per segment, so that each side triangle is shaded round its own middle.
    for (int i = 0; i < segments; ++i) {
        const double middle = (SegmentAngle(i, segments) + SegmentAngle(i + 1, segments)) / 2;
        const int tip = AddVertex(mesh, {apex, slantNormal(middle)});
        AddTriangle(mesh, rim + i, rim + (i + 1) % segments, tip, material);
    }
    AddDisc(mesh, base, basis, radius, segments, -1.0 * basis.axis, material);
}

void AddSphere(Mesh& mesh, Vec3 centre, double radius, int rings, int segments, int material) {
    const Basis basis = BasisAround({0, 1, 0});
    const int south = AddVertex(mesh, {centre - radius * basis.axis, -1.0 * basis.axis});
    const int first = static_cast<int>(mesh.vertices.size());
    for (int ring = 1; ring < rings; ++ring) {
        const double latitude = std::numbers::pi * ring / rings - std::numbers::pi / 2;
        for (int i = 0; i < segments; ++i) {
            const Vec3 out = std::cos(latitude) * Radial(basis, SegmentAngle(i, segments)) +
                             std::sin(latitude) * basis.axis;
            AddVertex(mesh, {centre + radius * out, out});
        }
    }
    const int north = AddVertex(mesh, {centre + radius * basis.axis, basis.axis});
    const int last = first + (rings - 2) * segments;
    for (int i = 0; i < segments; ++i) {
        const int j = (i + 1) % segments;
        AddTriangle(mesh, south, first + i, first + j, material);
        AddTriangle(mesh, north, last + j, last + i, material);
    }
    for (int ring = 0; ring + 2 < rings; ++ring)
        AddBand(mesh, first + ring * segments, first + (ring + 1) * segments, segments, material);
}

void AddRoundedBar(Mesh& mesh, double length, double halfWidth, double halfThickness,
                   int segmentsPerEnd, int material) {
    // The outline in the plane y = 0, with the outward direction at each point: half a circle
    // round the far joint, then half a circle round the pivot; the straight sides join them.
    struct OutlinePoint {
        Vec3 at, out;
    };
    std::vector<OutlinePoint> outline;
    for (int end = 0; end < 2; ++end) {
        const Vec3 centre{end == 0 ? length : 0.0, 0, 0};
        for (int i = 0; i <= segmentsPerEnd; ++i) {
            const double angle =
                std::numbers::pi * (static_cast<double>(i) / segmentsPerEnd - 0.5 + end);
            const Vec3 out{std::cos(angle), 0, std::sin(angle)};
            outline.push_back({centre + halfWidth * out, out});
        }
    }
    const int count = static_cast<int>(outline.size());
    for (const double side : {-1.0, 1.0}) {
        const Vec3 up{0, side, 0};
        const Vec3 lift = (side * halfThickness) * Vec3{0, 1, 0};
        const int middle = AddVertex(mesh, {Vec3{length / 2, 0, 0} + lift, up});
        const int first = static_cast<int>(mesh.vertices.size());
        for (const OutlinePoint& p : outline)
            AddVertex(mesh, {p.at + lift, up});
        for (int i = 0; i < count; ++i)
            AddTriangle(mesh, middle, first + i, first + (i + 1) % count, material);
    }
    const int lower = static_cast<int>(mesh.vertices.size());
    for (const OutlinePoint& p : outline)
        AddVertex(mesh, {p.at + Vec3{0, -halfThickness, 0}, p.out});
    const int upper = static_cast<int>(mesh.vertices.size());
    for (const OutlinePoint& p : outline)
        AddVertex(mesh, {p.at + Vec3{0, halfThickness, 0}, p.out});
    AddBand(mesh, lower, upper, count, material);
}

void AddBox(Mesh& mesh, Vec3 lo, Vec3 hi, const BoxMaterials& materials, double tile) {
    // Each face by its outward normal and the direction that is "up" when it is seen from
    // outside; "right" then follows from the left-handed convention (right = up x forward).
    struct Face {
        BoxFace face;
        Vec3 normal, up;
    };
    const Face faces[] = {
        {MinusX, {-1, 0, 0}, {0, 1, 0}}, {PlusX, {1, 0, 0}, {0, 1, 0}},
        {MinusY, {0, -1, 0}, {0, 0, 1}}, {PlusY, {0, 1, 0}, {0, 0, 1}},
        {MinusZ, {0, 0, -1}, {0, 1, 0}}, {PlusZ, {0, 0, 1}, {0, 1, 0}},
    };
    const auto pick = [](double s, double low, double high) { return s < 0 ? low : high; };
    for (const Face& f : faces) {
        const Vec3 right = Cross(f.up, -1.0 * f.normal);
        const int first = static_cast<int>(mesh.vertices.size());
        for (const double su : {-1.0, 1.0}) {
            for (const double sv : {-1.0, 1.0}) {
                // The corner on this face that lies towards su along "right" and sv along "up".
                const Vec3 d = f.normal + su * right + sv * f.up;
                const Vec3 p{pick(d.x, lo.x, hi.x), pick(d.y, lo.y, hi.y), pick(d.z, lo.z, hi.z)};
                AddVertex(mesh, {p, f.normal, Dot(p, right) / tile, -Dot(p, f.up) / tile});
            }
        }
        AddTriangle(mesh, first, first + 1, first + 3, materials[f.face]);
        AddTriangle(mesh, first, first + 3, first + 2, materials[f.face]);
    }
}

} // namespace qor::modelgen
