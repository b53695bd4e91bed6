// Whether bytes are text: UTF-8 without NUL or other control characters than tab, CR and LF.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace qor {

enum class TextFault {
    BinaryData, // NUL, DEL or a C0 control character other than tab, CR and LF
    NotUtf8,    // a byte sequence that is not well-formed UTF-8 (overlong forms and surrogates
                // included)
};

struct TextFaultAt {
    TextFault Fault = TextFault::BinaryData;
    std::size_t Offset = 0; // of the first byte at fault
};

// The first byte that keeps `bytes` from being text, if any.
std::optional<TextFaultAt> FirstNonTextByte(std::string_view bytes);

} // namespace qor
