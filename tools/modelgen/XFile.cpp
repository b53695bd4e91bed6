#include "XFile.h"

#include <charconv>
#include <cmath>
#include <cstddef>

namespace qor::modelgen {

namespace {

std::string Number(double value) {
    // Tiny values from rounding would otherwise be written as "-0.000000".
    if (std::abs(value) < 5e-7)
        value = 0;
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
    return std::string(buffer, result.ptr);
}

// Items of a .x array are separated by "," and the array ends with ";".
const char* ArrayEnd(std::size_t index, std::size_t count) {
    return index + 1 == count ? ";\n" : ",\n";
}

void WriteFaces(std::string& out, const Mesh& mesh) {
    const std::size_t count = mesh.triangles.size();
    out += "  " + std::to_string(count) + ";\n";
    for (std::size_t i = 0; i < count; ++i) {
        const auto& c = mesh.triangles[i].corners;
        out += "  3;" + std::to_string(c[0]) + "," + std::to_string(c[1]) + "," +
               std::to_string(c[2]) + ";" + ArrayEnd(i, count);
    }
}

void WriteRgb(std::string& out, const Rgb& colour) {
    out += "   " + Number(colour.r) + ";" + Number(colour.g) + ";" + Number(colour.b) + ";;\n";
}

void WriteMaterial(std::string& out, const Material& m) {
    out += "  Material " + m.name + " {\n";
    out += "   " + Number(m.diffuse.r) + ";" + Number(m.diffuse.g) + ";" + Number(m.diffuse.b) +
           ";" + Number(m.alpha) + ";;\n";
    out += "   " + Number(m.power) + ";\n";
    WriteRgb(out, m.specular);
    WriteRgb(out, m.emissive);
    if (!m.texture.empty())
        out += "   TextureFilename {\n    \"" + m.texture + "\";\n   }\n";
    out += "  }\n";
}

} // namespace

std::string XFileText(const Mesh& mesh) {
    std::string out = "xof 0303txt 0032\n\nMesh " + mesh.name + " {\n";
    const std::size_t vertexCount = mesh.vertices.size();
    out += "  " + std::to_string(vertexCount) + ";\n";
    for (std::size_t i = 0; i < vertexCount; ++i) {
        const Vec3& p = mesh.vertices[i].position;
        out += "  " + Number(p.x) + ";" + Number(p.y) + ";" + Number(p.z) + ";" +
               ArrayEnd(i, vertexCount);
    }
    WriteFaces(out, mesh);

    out += "\n  MeshNormals {\n  " + std::to_string(vertexCount) + ";\n";
    for (std::size_t i = 0; i < vertexCount; ++i) {
        const Vec3& n = mesh.vertices[i].normal;
        out += "  " + Number(n.x) + ";" + Number(n.y) + ";" + Number(n.z) + ";" +
               ArrayEnd(i, vertexCount);
    }
    // Normals are given per vertex, so the faces index them exactly as they index positions.
    WriteFaces(out, mesh);
    out += "  }\n";

    if (mesh.textured) {
        out += "\n  MeshTextureCoords {\n  " + std::to_string(vertexCount) + ";\n";
        for (std::size_t i = 0; i < vertexCount; ++i) {
            const Vertex& v = mesh.vertices[i];
            out += "  " + Number(v.u) + ";" + Number(v.v) + ";" + ArrayEnd(i, vertexCount);
        }
        out += "  }\n";
    }

    const std::size_t faceCount = mesh.triangles.size();
    out += "\n  MeshMaterialList {\n  " + std::to_string(mesh.materials.size()) + ";\n  " +
           std::to_string(faceCount) + ";\n";
    for (std::size_t i = 0; i < faceCount; ++i)
        out += "  " + std::to_string(mesh.triangles[i].material) + ArrayEnd(i, faceCount);
    for (const Material& m : mesh.materials)
        WriteMaterial(out, m);
    out += "  }\n}\n";
    return out;
}

} // namespace qor::modelgen
