#include "scene/TubeGeometry.h"

#include "engine/Mesh.h"

#include <cmath>
#include <numbers>

namespace qor {

namespace {

constexpr Vec3 kPlaneNormal{0, 1, 0};

D3DVECTOR ToVector(Vec3 v) {
    return {static_cast<D3DVALUE>(v.x), static_cast<D3DVALUE>(v.y), static_cast<D3DVALUE>(v.z)};
}

// The unit direction across the tube in the plane at point i: normal to the mean of the
// directions to its neighbours, so that the rings of a bend stay as round as the bend allows.
Vec3 AcrossAt(std::span<const Vec3> points, std::size_t i, bool closed) {
    const std::size_t n = points.size();
    const std::size_t previous = i > 0 ? i - 1 : (closed ? n - 1 : 0);
    const std::size_t next = i + 1 < n ? i + 1 : (closed ? 0 : n - 1);
    Vec3 along = points[next] - points[previous];
    along.y = 0;
    if (Length(along) == 0.0) {
        along = {1, 0, 0};
    }
    return Normalized(Cross(kPlaneNormal, along));
}

// Appends a ring of kTubeSides vertices around every point of the polyline.
void AppendRings(std::span<const Vec3> points, bool closed, double radius,
                 std::vector<D3DRMVERTEX>& out) {
    if (points.size() < 2) {
        return;
    }
    std::array<double, kTubeSides> cosines{};
    std::array<double, kTubeSides> sines{};
    for (std::uint32_t k = 0; k < kTubeSides; ++k) {
        // Half a side turned, so that one face looks straight out of the plane.
        const double a = std::numbers::pi * (2 * k + 1) / kTubeSides;
        cosines[k] = std::cos(a);
        sines[k] = std::sin(a);
    }
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Vec3 across = AcrossAt(points, i, closed);
        for (std::uint32_t k = 0; k < kTubeSides; ++k) {
            const Vec3 normal = cosines[k] * kPlaneNormal + sines[k] * across;
            out.push_back({ToVector(points[i] + radius * normal), ToVector(normal), 0, 0});
        }
    }
}

} // namespace

void TubeVertices(std::span<const Vec3> points, bool closed, double radius,
                  std::vector<D3DRMVERTEX>& out) {
    out.clear();
    AppendRings(points, closed, radius, out);
}

void AppendTube(TubeGeometry& tube, std::span<const Vec3> points, bool closed, double radius) {
    if (points.size() < 2) {
        return;
    }
    const auto first = static_cast<std::uint32_t>(tube.vertices.size());
    AppendRings(points, closed, radius, tube.vertices);
    const auto count = static_cast<std::uint32_t>(points.size());
    const std::uint32_t segments = closed ? count : count - 1;
    for (std::uint32_t i = 0; i < segments; ++i) {
        const std::uint32_t ring = first + i * kTubeSides;
        const std::uint32_t nextRing = first + ((i + 1) % count) * kTubeSides;
        for (std::uint32_t k = 0; k < kTubeSides; ++k) {
            const std::uint32_t k1 = (k + 1) % kTubeSides;
            tube.faces.insert(tube.faces.end(), {ring + k, nextRing + k, nextRing + k1, ring + k1});
        }
    }
}

std::vector<Vec3> CirclePoints(Vec3 centre, double radius, int count) {
    std::vector<Vec3> points;
    points.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double a = 2 * std::numbers::pi * i / count;
        points.push_back(centre + Vec3{radius * std::cos(a), 0, radius * std::sin(a)});
    }
    return points;
}

TubeGeometry Ball(double radius) {
    // Rings of latitude from pole to pole, each of kBallSides vertices.
    constexpr std::uint32_t kRings = 5;
    constexpr std::uint32_t kBallSides = 8;
    TubeGeometry ball;
    for (std::uint32_t r = 0; r < kRings; ++r) {
        const double polar = std::numbers::pi * r / (kRings - 1);
        for (std::uint32_t k = 0; k < kBallSides; ++k) {
            const double a = 2 * std::numbers::pi * k / kBallSides;
            const Vec3 normal{std::sin(polar) * std::cos(a), std::cos(polar),
                              std::sin(polar) * std::sin(a)};
            ball.vertices.push_back({ToVector(radius * normal), ToVector(normal), 0, 0});
        }
    }
    for (std::uint32_t r = 0; r + 1 < kRings; ++r) {
        for (std::uint32_t k = 0; k < kBallSides; ++k) {
            const std::uint32_t k1 = (k + 1) % kBallSides;
            const std::uint32_t top = r * kBallSides;
            const std::uint32_t bottom = top + kBallSides;
            ball.faces.insert(ball.faces.end(), {top + k, top + k1, bottom + k1, bottom + k});
        }
    }
    return ball;
}

D3DRMGROUPINDEX AddColouredGroup(IDirect3DRMMesh& mesh, const TubeGeometry& geometry,
                                 const std::array<float, 3>& colour) {
    D3DRMGROUPINDEX group = -1;
    if (geometry.vertices.empty()) {
        return group;
    }
    const auto vertexCount = static_cast<std::uint32_t>(geometry.vertices.size());
    const auto faceCount = static_cast<std::uint32_t>(geometry.faces.size() / 4);
    if (Failed(mesh.AddGroup(vertexCount, faceCount, 4, geometry.faces.data(), &group)) ||
        Failed(mesh.SetVertices(group, 0, vertexCount, geometry.vertices.data())) ||
        Failed(mesh.SetGroupColorRGB(group, colour[0], colour[1], colour[2]))) {
        return -1;
    }
    return group;
}

} // namespace qor
