// Small model files written by the tests themselves, in the text .x format: a quad, a box and
// a sphere, front faces clockwise as the format has them.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <array>

namespace qor::test {

struct XMaterial {
    std::array<float, 4> diffuse{1, 1, 1, 1};
    float power = 0;
    std::array<float, 3> specular{0, 0, 0};
    std::array<float, 3> emissive{0, 0, 0};
    QString texture; // file name relative to the model file, empty for none
};

// The unit quad (-1..1 in x and y) at depth z, facing -z, with a normal and texture
// coordinates per vertex: the tiny file of the loader tests.
QByteArray QuadX(float z, const XMaterial& material);

// An axis-aligned box centred on the origin, with flat normals made by the loader (the file
// has none) and texture coordinates 0..1 on every face.
QByteArray BoxX(float halfSize, const XMaterial& material);

// A sphere with smooth normals, so that flat, Gouraud and Phong shading differ.
QByteArray SphereX(float radius, int slices, int stacks, const XMaterial& material);

// A square checkerboard of black and white cells.
QImage CheckerImage(int size, int cells);

bool WriteFile(const QString& path, const QByteArray& bytes);

} // namespace qor::test
