// Vector and rotation arithmetic of the engine.
#include "engine/Math3d.h"

#include <cmath>

namespace qor {

double Dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vec3 Cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

double Length(Vec3 a) {
    return std::sqrt(Dot(a, a));
}

Vec3 Normalized(Vec3 a) {
    const double length = Length(a);
    return length > 0 ? (1.0 / length) * a : a;
}

Mat3 Mat3::FromColumns(Vec3 x, Vec3 y, Vec3 z) {
    Mat3 r;
    r.m = {x.x, y.x, z.x, x.y, y.y, z.y, x.z, y.z, z.z};
    return r;
}

Mat3 operator*(const Mat3& a, const Mat3& b) {
    Mat3 r;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            r(i, j) = a(i, 0) * b(0, j) + a(i, 1) * b(1, j) + a(i, 2) * b(2, j);
        }
    }
    return r;
}

Vec3 operator*(const Mat3& a, Vec3 v) {
    return {a(0, 0) * v.x + a(0, 1) * v.y + a(0, 2) * v.z,
            a(1, 0) * v.x + a(1, 1) * v.y + a(1, 2) * v.z,
            a(2, 0) * v.x + a(2, 1) * v.y + a(2, 2) * v.z};
}

Mat3 Transposed(const Mat3& a) {
    Mat3 r;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            r(i, j) = a(j, i);
        }
    }
    return r;
}

Mat3 RotationMatrix(Vec3 u, double angle) {
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const double t = 1 - c;
    Mat3 r;
    r.m = {c + t * u.x * u.x,       t * u.x * u.y - s * u.z, t * u.x * u.z + s * u.y,
           t * u.y * u.x + s * u.z, c + t * u.y * u.y,       t * u.y * u.z - s * u.x,
           t * u.z * u.x - s * u.y, t * u.z * u.y + s * u.x, c + t * u.z * u.z};
    return r;
}

Mat3 Orthonormalized(const Mat3& a) {
    const Vec3 z = Normalized(a.Column(2));
    const Vec3 y = Normalized(a.Column(1) - Dot(a.Column(1), z) * z);
    return Mat3::FromColumns(Cross(y, z), y, z);
}

RigidTransform operator*(const RigidTransform& outer, const RigidTransform& inner) {
    return {outer.rotation * inner.rotation, outer.Apply(inner.translation)};
}

RigidTransform Inverse(const RigidTransform& a) {
    const Mat3 back = Transposed(a.rotation);
    return {back, -1.0 * (back * a.translation)};
}

Mat4f ToMat4f(const RigidTransform& a) {
    Mat4f r;
    for (int column = 0; column < 3; ++column) {
        for (int row = 0; row < 3; ++row) {
            r.m[4 * column + row] = static_cast<float>(a.rotation(row, column));
        }
    }
    r.m[12] = static_cast<float>(a.translation.x);
    r.m[13] = static_cast<float>(a.translation.y);
    r.m[14] = static_cast<float>(a.translation.z);
    r.m[15] = 1;
    return r;
}

std::array<float, 9> ToMat3f(const Mat3& a) {
    std::array<float, 9> r{};
    for (int column = 0; column < 3; ++column) {
        for (int row = 0; row < 3; ++row) {
            r[3 * column + row] = static_cast<float>(a(row, column));
        }
    }
    return r;
}

} // namespace qor
