// The in-memory form of one model file: vertices with normals and texture coordinates,
// triangles, and the materials they use.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace qor::modelgen {

struct Vec3 {
    double x = 0, y = 0, z = 0;
};

Vec3 operator+(Vec3 a, Vec3 b);
Vec3 operator-(Vec3 a, Vec3 b);
Vec3 operator*(double s, Vec3 a);
double Dot(Vec3 a, Vec3 b);
Vec3 Cross(Vec3 a, Vec3 b);
Vec3 Normalized(Vec3 a);

struct Rgb {
    double r = 0, g = 0, b = 0;
};

// What a .x material carries. An empty texture name means an untextured material.
struct Material {
    std::string name;
    Rgb diffuse;
    double alpha = 1;
    double power = 0;
    Rgb specular;
    Rgb emissive;
    std::string texture;
};

struct Vertex {
    Vec3 position;
    Vec3 normal;
    double u = 0, v = 0;
};

struct Triangle {
    std::array<int, 3> corners{};
    int material = 0;
};

struct Mesh {
    std::string name;
    std::vector<Material> materials;
    std::vector<Vertex> vertices;
    std::vector<Triangle> triangles;
    // Whether the file carries texture coordinates (only the textured floor and wall need them).
    bool textured = false;
};

int AddMaterial(Mesh& mesh, const Material& material);
int AddVertex(Mesh& mesh, const Vertex& vertex);

// Adds the triangle wound clockwise as seen from the side its vertex normals point to: in the
// left-handed .x convention that is the front face, and the plain cross product
// (b - a) x (c - a) then points along the normals.
void AddTriangle(Mesh& mesh, int a, int b, int c, int material);

} // namespace qor::modelgen
