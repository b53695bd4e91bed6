// What a mesh needs to be lit once per face. OpenGL passes a flat varying from one corner of a
// triangle, its provoking vertex (the last one by default), to every pixel of it. Every triangle
// gets a vertex of its own as that last corner: a copy of the corner carrying the face's normal,
// so that the vertex stage lights the face once and the pixels only add texture and colour.
#pragma once

#include "engine/MeshData.h"

#include <cstdint>
#include <vector>

namespace qor {

struct FlatFaces {
    std::vector<MeshVertex> vertices;   // the mesh's own vertices, then one per triangle
    std::vector<std::uint32_t> indices; // three per triangle, in the mesh's order
};

// The face normal is the one the clockwise winding gives: towards the side the face is seen
// from as a front face. A triangle without area keeps its corner's own normal.
FlatFaces MakeFlatFaces(const MeshData& mesh);

} // namespace qor
