#include "design/TextCheck.h"

namespace qor {
namespace {

bool IsControl(unsigned char c) {
    return (c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7F;
}

// The length of the well-formed UTF-8 sequence of two or more bytes at `at`, or 0. The ranges
// of the second byte rule out overlong forms, surrogates and code points beyond U+10FFFF.
std::size_t MultiByteSequence(std::string_view bytes, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (bytes.size() - at < length || byte(at + 1) < low || byte(at + 1) > high) {
        return 0;
    }
    for (std::size_t i = at + 2; i < at + length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF) {
            return 0;
        }
    }
    return length;
}

} // namespace

std::optional<TextFaultAt> FirstNonTextByte(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            if (IsControl(c)) {
                return TextFaultAt{TextFault::BinaryData, i};
            }
            ++i;
            continue;
        }
        const std::size_t length = MultiByteSequence(bytes, i);
        if (length == 0) {
            return TextFaultAt{TextFault::NotUtf8, i};
        }
        i += length;
    }
    return std::nullopt;
}

} // namespace qor
