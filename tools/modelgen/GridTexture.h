// The centimetre grid laid on the floor and the wall: one tile is 10 cm square, with a thin line
// every centimetre, a stronger one every 5 cm and a bold one every 10 cm.
#pragma once

#include <string>

namespace qor::modelgen {

// Texels per side of one 10 cm tile: 32 texels to the centimetre.
inline constexpr int gridTexels = 320;

// The tile as an uncompressed 24-bit BMP file, written byte by byte so it never varies.
std::string GridTextureBmp();

} // namespace qor::modelgen
