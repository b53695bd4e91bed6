#include "GridTexture.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace qor::modelgen {

namespace {

using Colour = std::array<std::uint8_t, 3>; // red, green, blue

constexpr int texelsPerCm = gridTexels / 10;
constexpr Colour paper{250, 250, 245};
constexpr Colour centimetreLine{190, 203, 218};
constexpr Colour fiveCmLine{140, 158, 186};
constexpr Colour tenCmLine{70, 88, 128};

// The line that covers texel column (or row) t, or paper. Lines are centred on the texel at
// each whole centimetre; the tile's edges carry the bold 10 cm line, split across both sides
// so that neighbouring tiles join into one line.
Colour LineAt(int t) {
    const int offset = (t + 1) % texelsPerCm; // 0..2 within 1 texel of a centimetre mark
    const int centimetre = ((t + 1) / texelsPerCm) % 10;
    if (offset > 2)
        return paper;
    if (centimetre == 0)
        return tenCmLine;
    if (centimetre == 5)
        return fiveCmLine;
    return offset == 1 ? centimetreLine : paper;
}

Colour Darker(Colour a, Colour b) {
    return {std::min(a[0], b[0]), std::min(a[1], b[1]), std::min(a[2], b[2])};
}

void PutLe(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

} // namespace

std::string GridTextureBmp() {
    constexpr std::uint32_t headerBytes = 14 + 40;
    constexpr std::uint32_t rowBytes = gridTexels * 3; // a multiple of 4: no row padding
    static_assert(rowBytes % 4 == 0);
    constexpr std::uint32_t pixelBytes = rowBytes * gridTexels;

    std::string out = "BM";
    PutLe(out, headerBytes + pixelBytes, 4);
    PutLe(out, 0, 4); // reserved
    PutLe(out, headerBytes, 4);
    PutLe(out, 40, 4); // BITMAPINFOHEADER
    PutLe(out, gridTexels, 4);
    PutLe(out, gridTexels, 4); // positive height: rows are stored bottom row first
    PutLe(out, 1, 2);          // planes
    PutLe(out, 24, 2);         // bits per pixel
    PutLe(out, 0, 4);          // no compression
    PutLe(out, pixelBytes, 4);
    PutLe(out, 3780, 4); // 96 dots per inch, in dots per metre
    PutLe(out, 3780, 4);
    PutLe(out, 0, 4); // no palette
    PutLe(out, 0, 4);
    for (int row = gridTexels - 1; row >= 0; --row) {
        for (int column = 0; column < gridTexels; ++column) {
            const Colour c = Darker(LineAt(row), LineAt(column));
            out += static_cast<char>(c[2]);
            out += static_cast<char>(c[1]);
            out += static_cast<char>(c[0]);
        }
    }
    return out;
}

} // namespace qor::modelgen
