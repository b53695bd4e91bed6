// A check of text .x files before assimp reads them. assimp's .x parser leaks the scene it was
// building whenever it meets an error, reads past its arrays on some bad indices, and sizes its
// arrays by the counts that a file declares before it finds out whether the data is there. So
// the loader hands it only files that keep to the grammar it reads without an error: the
// check reads the file the way assimp does, token for token, and is stricter wherever
// assimp would be lenient in a way that costs an error later.
#pragma once

#include <QByteArray>

namespace qor {

// True for a text .x file ("xof 0302txt 0032" or "0303", floats "0032" or "0064") that holds
// only templates, frames with transform matrices, meshes (with normals, one set of texture
// coordinates and a material list) and materials (with texture file names); whose every
// number is whole and finite; whose every count is filled by the data that follows it; and
// whose every face has three corners or more, each an index below its list's size.
bool IsPlausibleXText(const QByteArray& file);

} // namespace qor
