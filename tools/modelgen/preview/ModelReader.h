// Reads a model file back the way the engine will: with assimp, keeping the file's left-handed
// coordinates and clockwise front faces, triangulated, with every node's transform applied.
#pragma once

#include "Mesh.h"

#include <string>
#include <vector>

namespace qor::modelgen {

// A part of a loaded model that uses one material: assimp splits a .x mesh by material.
struct LoadedPart {
    Material material;
    std::vector<Vertex> vertices;
    std::vector<std::array<unsigned, 3>> triangles;
    bool hasNormals = false;
    bool hasTextureCoordinates = false;
};

struct LoadedModel {
    std::vector<LoadedPart> parts;
};

// The import flags: the .x importer turns the file right-handed (mirroring z and reversing the
// winding); making it left-handed again and flipping the winding back undoes both.
unsigned ModelImportFlags();

// Throws std::runtime_error with assimp's message when the file cannot be read.
LoadedModel ReadModel(const std::string& path);

} // namespace qor::modelgen
