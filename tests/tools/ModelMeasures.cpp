#include "ModelMeasures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <numeric>
#include <tuple>

namespace qor::modelgen {

namespace {

// Corner positions compared to a micrometre (the files carry six decimals of a centimetre).
using Key = std::tuple<long long, long long, long long>;

Key KeyOf(Vec3 p) {
    const auto q = [](double v) { return std::llround(v * 1e4); };
    return {q(p.x), q(p.y), q(p.z)};
}

struct Corners {
    std::map<Key, int> ids;
    std::vector<Vec3> positions;
    int Id(Vec3 p) {
        const auto [it, added] = ids.emplace(KeyOf(p), static_cast<int>(positions.size()));
        if (added)
            positions.push_back(p);
        return it->second;
    }
};

struct Facet {
    std::array<int, 3> id;
    std::array<Vec3, 3> at;
};

int Root(std::vector<int>& parent, int i) {
    while (parent[i] != i)
        i = parent[i] = parent[parent[i]];
    return i;
}

// Triangles grouped into solids: triangles that share an edge belong to one solid (solids that
// only touch at a point, like arrow shafts meeting at the origin, stay apart).
std::vector<std::vector<Facet>> Group(const std::vector<const LoadedPart*>& parts) {
    Corners corners;
    std::vector<Facet> triangles;
    for (const LoadedPart* part : parts) {
        for (const auto& t : part->triangles) {
            Facet tri;
            for (int k = 0; k < 3; ++k) {
                tri.at[k] = part->vertices[t[k]].position;
                tri.id[k] = corners.Id(tri.at[k]);
            }
            triangles.push_back(tri);
        }
    }
    std::vector<int> parent(triangles.size());
    std::iota(parent.begin(), parent.end(), 0);
    std::map<std::pair<int, int>, int> firstWithEdge;
    for (int i = 0; i < static_cast<int>(triangles.size()); ++i) {
        for (int k = 0; k < 3; ++k) {
            const int a = triangles[i].id[k], b = triangles[i].id[(k + 1) % 3];
            const auto [it, added] = firstWithEdge.emplace(std::minmax(a, b), i);
            if (!added)
                parent[Root(parent, i)] = Root(parent, it->second);
        }
    }
    std::map<int, std::vector<Facet>> solids;
    for (int i = 0; i < static_cast<int>(triangles.size()); ++i)
        solids[Root(parent, i)].push_back(triangles[i]);
    std::vector<std::vector<Facet>> out;
    for (auto& [root, solid] : solids)
        out.push_back(std::move(solid));
    return out;
}

} // namespace

std::string CommittedModelPath(const std::string& relative) {
    return std::string(QOR_SOURCE_DIR) + "/QORX/" + relative;
}

Box BoundsOf(const std::vector<Vec3>& points) {
    constexpr double big = std::numeric_limits<double>::max();
    Box box{{big, big, big}, {-big, -big, -big}};
    for (const Vec3& p : points) {
        box.lo = {std::min(box.lo.x, p.x), std::min(box.lo.y, p.y), std::min(box.lo.z, p.z)};
        box.hi = {std::max(box.hi.x, p.x), std::max(box.hi.y, p.y), std::max(box.hi.z, p.z)};
    }
    return box;
}

std::vector<Vec3> PositionsOf(const LoadedPart& part) {
    std::vector<Vec3> out;
    for (const Vertex& v : part.vertices)
        out.push_back(v.position);
    return out;
}

std::vector<Vec3> PositionsOf(const LoadedModel& model) {
    std::vector<Vec3> out;
    for (const LoadedPart& part : model.parts)
        for (const Vertex& v : part.vertices)
            out.push_back(v.position);
    return out;
}

const LoadedPart* PartWithColour(const LoadedModel& model, Rgb colour) {
    for (const LoadedPart& part : model.parts) {
        const Rgb& d = part.material.diffuse;
        if (std::abs(d.r - colour.r) < 1e-6 && std::abs(d.g - colour.g) < 1e-6 &&
            std::abs(d.b - colour.b) < 1e-6)
            return &part;
    }
    ADD_FAILURE() << "no part coloured " << colour.r << ", " << colour.g << ", " << colour.b;
    return nullptr;
}

const LoadedPart* PartNamed(const LoadedModel& model, const std::string& materialName) {
    for (const LoadedPart& part : model.parts)
        if (part.material.name == materialName)
            return &part;
    ADD_FAILURE() << "no part with the material " << materialName;
    return nullptr;
}

std::vector<std::vector<Vec3>> SolidsOf(const std::vector<const LoadedPart*>& parts) {
    std::vector<std::vector<Vec3>> out;
    for (const auto& solid : Group(parts)) {
        std::vector<Vec3> points;
        for (const Facet& t : solid)
            points.insert(points.end(), t.at.begin(), t.at.end());
        out.push_back(std::move(points));
    }
    return out;
}

SurfaceReport SurfaceOf(const LoadedModel& model) {
    SurfaceReport report;
    std::vector<const LoadedPart*> parts;
    for (const LoadedPart& part : model.parts) {
        parts.push_back(&part);
        for (const auto& t : part.triangles) {
            const Vec3 facing = Cross(part.vertices[t[1]].position - part.vertices[t[0]].position,
                                      part.vertices[t[2]].position - part.vertices[t[0]].position);
            for (unsigned corner : t)
                if (Dot(facing, part.vertices[corner].normal) <= 0)
                    ++report.normalsAgainstFaces;
        }
    }
    report.smallestVolume = std::numeric_limits<double>::max();
    for (const auto& solid : Group(parts)) {
        std::map<std::pair<int, int>, int> edges;
        double volume = 0;
        for (const Facet& t : solid) {
            for (int k = 0; k < 3; ++k)
                ++edges[{t.id[k], t.id[(k + 1) % 3]}];
            volume += Dot(t.at[0], Cross(t.at[1], t.at[2])) / 6;
        }
        for (const auto& [edge, count] : edges) {
            const auto reverse = edges.find({edge.second, edge.first});
            if (count != 1 || reverse == edges.end() || reverse->second != 1)
                ++report.unmatchedEdges;
        }
        ++report.solids;
        report.smallestVolume = std::min(report.smallestVolume, volume);
    }
    return report;
}

} // namespace qor::modelgen
