#include "Placement.h"

#include <cmath>

namespace qor::modelgen {

Turn TurnAbout(Vec3 axis, double angle) {
    const Vec3 a = Normalized(axis);
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const double k = 1 - c;
    Turn t;
    t.m = {{{c + k * a.x * a.x, k * a.x * a.y - s * a.z, k * a.x * a.z + s * a.y},
            {k * a.y * a.x + s * a.z, c + k * a.y * a.y, k * a.y * a.z - s * a.x},
            {k * a.z * a.x - s * a.y, k * a.z * a.y + s * a.x, c + k * a.z * a.z}}};
    return t;
}

Turn operator*(const Turn& a, const Turn& b) {
    Turn r;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            r.m[i][j] = a.m[i][0] * b.m[0][j] + a.m[i][1] * b.m[1][j] + a.m[i][2] * b.m[2][j];
    return r;
}

Vec3 operator*(const Turn& t, Vec3 v) {
    return {t.m[0][0] * v.x + t.m[0][1] * v.y + t.m[0][2] * v.z,
            t.m[1][0] * v.x + t.m[1][1] * v.y + t.m[1][2] * v.z,
            t.m[2][0] * v.x + t.m[2][1] * v.y + t.m[2][2] * v.z};
}

Turn Transposed(const Turn& t) {
    Turn r;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            r.m[i][j] = t.m[j][i];
    return r;
}

Placement operator*(const Placement& parent, const Placement& child) {
    return {parent.turn * child.turn, parent.turn * child.shift + parent.shift};
}

Vec3 operator*(const Placement& placement, Vec3 point) {
    return placement.turn * point + placement.shift;
}

} // namespace qor::modelgen
