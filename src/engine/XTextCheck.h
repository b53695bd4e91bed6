// A pre-check of text .x files before assimp reads them. assimp sizes its arrays by the counts
// that a file declares, so a small file that claims a billion vertices would take gigabytes
// before the parser notices that the data is missing. The check refuses any mesh count that the
// numbers present in the file cannot fill.
#pragma once

#include <QByteArray>

namespace qor {

// True for a text .x file ("xof " header, "txt" format) whose blocks are all closed and whose
// mesh, normal, texture-coordinate, vertex-colour and material-list counts all fit in the
// numbers that follow them. (assimp also leaks memory on a file cut off in the middle.)
bool IsPlausibleXText(const QByteArray& file);

} // namespace qor
