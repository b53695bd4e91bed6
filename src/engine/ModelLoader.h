// Reads a model file (.x and the other formats assimp knows) into a mesh, keeping the file's
// left-handed coordinates, its clockwise front faces, its normals (made where the file has
// none), texture coordinates and materials. Frames of the file are flattened with their
// transforms.
#pragma once

#include "engine/MeshData.h"
#include "engine/Results.h"

#include <QString>

namespace qor {

// Files larger than this are refused rather than read.
constexpr qint64 kMaxModelFileBytes = 64 * 1024 * 1024;

// D3DRM_OK and the mesh; D3DRMERR_FILENOTFOUND when there is no readable file at the path;
// D3DRMERR_BADFILE when the file is not a model (empty, truncated, garbage, too large);
// D3DRMERR_NOTFOUND when it holds no triangles, or no object of the given name (null or empty:
// the whole file). On failure the mesh is left untouched.
HRESULT LoadModelFile(const QString& path, const char* objectName, MeshData& mesh);

} // namespace qor
