// Texture images read from files, decoded once per file version: a floor and a wall made with
// the same grid, or a scene built again, share the decoded picture (QImage shares its pixels
// until one copy is changed). Used from the one thread that builds scenes.
#pragma once

#include <QImage>
#include <QString>

namespace qor {

// The picture of an image file as RGBA8888, or a null image when the file cannot be read. A
// file is decoded again when its size or modification time changed since it was last read.
QImage ReadTextureFile(const QString& path);

// Decoded pictures kept for files read before; the most recently read ones are kept.
constexpr int kKeptTextureFiles = 8;

} // namespace qor
