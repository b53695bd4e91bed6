// Thin tubes and small balls for the drawings laid into a mechanism's plane: the path of B, the
// circles and the line of the circle construction. Coordinates are those of the plane's frame,
// whose y axis stands normal to the plane; the geometry goes into engine meshes as groups.
#pragma once

#include "engine/Math3d.h"
#include "engine/Types.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace qor {

class IDirect3DRMMesh;

// The sides of every tube's cross-section.
inline constexpr std::uint32_t kTubeSides = 4;

// Vertices and four-sided faces (vertex numbers within the geometry), ready for AddGroup.
struct TubeGeometry {
    std::vector<D3DRMVERTEX> vertices;
    std::vector<std::uint32_t> faces; // four per face
};

// Appends a tube of the given radius along a polyline lying in the plane y = const: a ring of
// kTubeSides vertices around every point, four-sided faces between consecutive rings, and, when
// closed, between the last ring and the first. Fewer than two points add nothing.
void AppendTube(TubeGeometry& tube, std::span<const Vec3> points, bool closed, double radius);

// The vertices of a tube along a polyline as AppendTube makes them, for moving an existing
// tube in place with SetVertices.
void TubeVertices(std::span<const Vec3> points, bool closed, double radius,
                  std::vector<D3DRMVERTEX>& out);

// Points on a circle of the given radius about centre in the plane y = centre.y.
std::vector<Vec3> CirclePoints(Vec3 centre, double radius, int count);

// A small ball about the origin, for a point that is drawn solid.
TubeGeometry Ball(double radius);

// Adds the geometry as a new group of the mesh in the given colour. Returns the group, or -1
// when there is nothing to add or the mesh refused it.
D3DRMGROUPINDEX AddColouredGroup(IDirect3DRMMesh& mesh, const TubeGeometry& geometry,
                                 const std::array<float, 3>& colour);

} // namespace qor
