// Frame transforms as the engine defines them: a frame maps its own coordinates into its
// parent's as p_parent = turn * p + shift, and a turn about a unit axis a by an angle t is
// cos t * I + sin t * [a]x + (1 - cos t) * a * a^T (in left-handed coordinates a turn about y by
// +t takes +x to (cos t, 0, -sin t)).
#pragma once

#include "Mesh.h"

#include <array>

namespace qor::modelgen {

struct Turn {
    std::array<std::array<double, 3>, 3> m{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
};

Turn TurnAbout(Vec3 axis, double angle);
Turn operator*(const Turn& a, const Turn& b);
Vec3 operator*(const Turn& turn, Vec3 v);
Turn Transposed(const Turn& turn);

struct Placement {
    Turn turn;
    Vec3 shift;
};

// The child's placement in the parent's parent: parent * child.
Placement operator*(const Placement& parent, const Placement& child);
Vec3 operator*(const Placement& placement, Vec3 point);

} // namespace qor::modelgen
