// Vectors, rotations and rigid transforms in double precision (frames accumulate many small
// turns), and the single-precision 4x4 matrices handed to OpenGL.
#pragma once

#include <array>

namespace qor {

struct Vec3 {
    double x = 0;
    double y = 0;
    double z = 0;

    friend Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
    friend Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
    friend Vec3 operator*(double s, Vec3 a) { return {s * a.x, s * a.y, s * a.z}; }
};

double Dot(Vec3 a, Vec3 b);
Vec3 Cross(Vec3 a, Vec3 b);
double Length(Vec3 a);
// The vector scaled to length 1; the zero vector stays zero.
Vec3 Normalized(Vec3 a);

// Row-major 3x3 matrix; a column vector is multiplied from the right.
struct Mat3 {
    std::array<double, 9> m{1, 0, 0, 0, 1, 0, 0, 0, 1};

    double operator()(int row, int column) const { return m[3 * row + column]; }
    double& operator()(int row, int column) { return m[3 * row + column]; }
    static Mat3 FromColumns(Vec3 x, Vec3 y, Vec3 z);
    Vec3 Column(int column) const { return {m[column], m[3 + column], m[6 + column]}; }
};

Mat3 operator*(const Mat3& a, const Mat3& b);
Vec3 operator*(const Mat3& a, Vec3 v);
Mat3 Transposed(const Mat3& a);
// Rodrigues' rotation about a unit axis: cos t I + sin t [a]x + (1 - cos t) a a^T. A turn about
// +y by +t takes +x to (cos t, 0, -sin t).
Mat3 RotationMatrix(Vec3 unitAxis, double angle);
// The nearest rotation, by Gram-Schmidt on the z and y columns; keeps long chains of small
// turns from drifting away from a rotation.
Mat3 Orthonormalized(const Mat3& a);

// p_outer = rotation * p_inner + translation.
struct RigidTransform {
    Mat3 rotation;
    Vec3 translation;

    Vec3 Apply(Vec3 p) const { return rotation * p + translation; }
};

RigidTransform operator*(const RigidTransform& outer, const RigidTransform& inner);
RigidTransform Inverse(const RigidTransform& a);

// Column-major, as OpenGL takes it.
struct Mat4f {
    std::array<float, 16> m{};
};

Mat4f ToMat4f(const RigidTransform& a);
// The upper 3x3 of a rigid transform as OpenGL's column-major mat3.
std::array<float, 9> ToMat3f(const Mat3& a);

} // namespace qor
