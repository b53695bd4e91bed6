// Model files for the tests.
#include "XFiles.h"

#include <QFile>

#include <cmath>
#include <numbers>
#include <vector>

namespace qor::test {

namespace {

struct V {
    float x, y, z;
};

QString Num(float v) {
    return QString::number(static_cast<double>(v), 'f', 6);
}

QString Vec(const V& v) {
    return Num(v.x) + ";" + Num(v.y) + ";" + Num(v.z) + ";";
}

QString MaterialText(const XMaterial& m) {
    QString text = "Material M {\n";
    text += Num(m.diffuse[0]) + ";" + Num(m.diffuse[1]) + ";" + Num(m.diffuse[2]) + ";" +
            Num(m.diffuse[3]) + ";;\n";
    text += Num(m.power) + ";\n";
    text += Num(m.specular[0]) + ";" + Num(m.specular[1]) + ";" + Num(m.specular[2]) + ";;\n";
    text += Num(m.emissive[0]) + ";" + Num(m.emissive[1]) + ";" + Num(m.emissive[2]) + ";;\n";
    if (!m.texture.isEmpty()) {
        text += "TextureFilename { \"" + m.texture + "\"; }\n";
    }
    return text + "}\n";
}

// A mesh with one material; normals and uvs are written when given.
QByteArray MeshFile(const std::vector<V>& positions, const std::vector<std::array<int, 3>>& faces,
                    const std::vector<V>& normals, const std::vector<std::array<float, 2>>& uvs,
                    const XMaterial& material) {
    QString text = "xof 0302txt 0032\n" + MaterialText(material) + "Frame Root {\nMesh Body {\n";
    const auto list = [&text](auto count, auto item) {
        text += QString::number(count) + ";\n";
        for (int i = 0; i < static_cast<int>(count); ++i) {
            text += item(i) + (i + 1 == static_cast<int>(count) ? ";\n" : ",\n");
        }
    };
    const auto faceText = [&faces](int i) {
        return QString("3;%1,%2,%3;").arg(faces[i][0]).arg(faces[i][1]).arg(faces[i][2]);
    };
    list(positions.size(), [&](int i) { return Vec(positions[i]); });
    list(faces.size(), faceText);
    text += "MeshMaterialList {\n1;\n" + QString::number(faces.size()) + ";\n";
    for (std::size_t i = 0; i < faces.size(); ++i) {
        text += QString(i + 1 == faces.size() ? "0;;\n" : "0,\n");
    }
    text += "{M}\n}\n";
    if (!normals.empty()) {
        text += "MeshNormals {\n";
        list(normals.size(), [&](int i) { return Vec(normals[i]); });
        list(faces.size(), faceText);
        text += "}\n";
    }
    if (!uvs.empty()) {
        text += "MeshTextureCoords {\n";
        list(uvs.size(), [&](int i) { return Num(uvs[i][0]) + ";" + Num(uvs[i][1]) + ";"; });
        text += "}\n";
    }
    return (text + "}\n}\n").toUtf8();
}

} // namespace

QByteArray QuadX(float z, const XMaterial& material) {
    const std::vector<V> positions = {{-1, -1, z}, {-1, 1, z}, {1, 1, z}, {1, -1, z}};
    const std::vector<V> normals(4, V{0, 0, -1});
    return MeshFile(positions, {{0, 1, 2}, {0, 2, 3}}, normals,
                    {{0, 1}, {0, 0.25f}, {1, 0}, {1, 1}}, material);
}

QByteArray BoxX(float h, const XMaterial& material) {
    // Per face: the outward normal and the viewer's up direction; right = up x view direction.
    const std::array<std::array<V, 2>, 6> sides = {{
        {V{0, 0, -1}, V{0, 1, 0}},
        {V{0, 0, 1}, V{0, 1, 0}},
        {V{-1, 0, 0}, V{0, 1, 0}},
        {V{1, 0, 0}, V{0, 1, 0}},
        {V{0, 1, 0}, V{0, 0, 1}},
        {V{0, -1, 0}, V{0, 0, 1}},
    }};
    std::vector<V> positions;
    std::vector<std::array<int, 3>> faces;
    std::vector<std::array<float, 2>> uvs;
    for (const auto& [n, up] : sides) {
        const V d{-n.x, -n.y, -n.z};
        const V right{up.y * d.z - up.z * d.y, up.z * d.x - up.x * d.z, up.x * d.y - up.y * d.x};
        const auto corner = [&](float r, float u) {
            return V{h * (n.x + r * right.x + u * up.x), h * (n.y + r * right.y + u * up.y),
                     h * (n.z + r * right.z + u * up.z)};
        };
        const int base = static_cast<int>(positions.size());
        positions.push_back(corner(-1, -1));
        positions.push_back(corner(-1, 1));
        positions.push_back(corner(1, 1));
        positions.push_back(corner(1, -1));
        uvs.insert(uvs.end(), {{0, 1}, {0, 0}, {1, 0}, {1, 1}});
        faces.push_back({base, base + 1, base + 2});
        faces.push_back({base, base + 2, base + 3});
    }
    return MeshFile(positions, faces, {}, uvs, material);
}

QByteArray SphereX(float radius, int slices, int stacks, const XMaterial& material) {
    std::vector<V> positions;
    std::vector<V> normals;
    for (int i = 0; i <= stacks; ++i) {
        const double polar = std::numbers::pi * i / stacks; // 0 at the top
        for (int j = 0; j <= slices; ++j) {
            const double azimuth = 2 * std::numbers::pi * j / slices;
            const V n{static_cast<float>(std::sin(polar) * std::cos(azimuth)),
                      static_cast<float>(std::cos(polar)),
                      static_cast<float>(std::sin(polar) * std::sin(azimuth))};
            normals.push_back(n);
            positions.push_back({radius * n.x, radius * n.y, radius * n.z});
        }
    }
    std::vector<std::array<int, 3>> faces;
    const auto at = [slices](int i, int j) { return i * (slices + 1) + j; };
    for (int i = 0; i < stacks; ++i) {
        for (int j = 0; j < slices; ++j) {
            // Seen from outside, (i + 1, j) lies below (i, j) and (i, j + 1) to its right, so
            // this order turns clockwise.
            faces.push_back({at(i, j), at(i, j + 1), at(i + 1, j + 1)});
            faces.push_back({at(i, j), at(i + 1, j + 1), at(i + 1, j)});
        }
    }
    return MeshFile(positions, faces, normals, {}, material);
}

QImage CheckerImage(int size, int cells) {
    QImage image(size, size, QImage::Format_RGB32);
    const int cell = size / cells;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const bool white = ((x / cell) + (y / cell)) % 2 == 0;
            image.setPixel(x, y, white ? 0xFFFFFFFF : 0xFF202020);
        }
    }
    return image;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace qor::test
