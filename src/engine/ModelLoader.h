// Reads a text .x model file into a mesh (through assimp), keeping the file's left-handed
// coordinates, its clockwise front faces, its normals (made where the file has
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
// D3DRMERR_BADFILE when the file is not a text .x model (empty, truncated, garbage, binary,
// larger than the limit, declaring more data than it holds, or holding no mesh);
// D3DRMERR_NOTFOUND when it has no frame of the given name (null or empty: the whole file), or
// no triangles there. On failure the mesh is left untouched.
[[nodiscard]] HRESULT LoadModelFile(const QString& path, const char* objectName, MeshData& mesh);

} // namespace qor
