// Writes a mesh as a text DirectX (.x) file: "xof 0303txt 0032", one Mesh with its normals,
// texture coordinates when the mesh is textured, and a material list with inline materials.
#pragma once

#include "Mesh.h"

#include <string>

namespace qor::modelgen {

// The whole file. Numbers are written with six decimals, independently of the locale, so the
// same mesh always gives the same bytes.
std::string XFileText(const Mesh& mesh);

} // namespace qor::modelgen
