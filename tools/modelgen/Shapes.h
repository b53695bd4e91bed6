// Closed solids added to a mesh: every shape is watertight, its normals point out and its
// triangles face out, so the models stay right under back-face culling.
#pragma once

#include "Mesh.h"

#include <array>

namespace qor::modelgen {

// A cylinder from the centre of one cap to the centre of the other, smooth round the side.
void AddCylinder(Mesh& mesh, Vec3 base, Vec3 top, double radius, int segments, int material);

// A cone with a flat base, smooth round the side.
void AddCone(Mesh& mesh, Vec3 base, Vec3 apex, double radius, int segments, int material);

void AddSphere(Mesh& mesh, Vec3 centre, double radius, int rings, int segments, int material);

// A flat bar along x from the origin to (length, 0, 0) with half-round ends around both
// points, lying in the plane y = 0 between y = -halfThickness and y = +halfThickness.
void AddRoundedBar(Mesh& mesh, double length, double halfWidth, double halfThickness,
                   int segmentsPerEnd, int material);

// Faces of a box in the order of BoxMaterials.
enum BoxFace { MinusX, PlusX, MinusY, PlusY, MinusZ, PlusZ };
using BoxMaterials = std::array<int, 6>;

// An axis-aligned box from lo to hi. Texture coordinates run one unit per `tile` of length
// across each face as it is seen from outside (u to the right, v downwards), so a texture
// repeats every `tile` units and lines up with whole multiples of `tile` in the box's frame.
void AddBox(Mesh& mesh, Vec3 lo, Vec3 hi, const BoxMaterials& materials, double tile);

} // namespace qor::modelgen
