// An independent reading of the number rules that NumberText.h states, for the fuzz target to
// hold the conversions against: which texts are numbers, and their values.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace qor::fuzz {

// The value of a real number written with the separator, or nothing when the text is not one.
// The value is the correctly rounded double, found by the C library's strtod.
std::optional<double> ReferenceReal(std::u16string_view text, char16_t separator);

// The value of a 32-bit integer text, or nothing.
std::optional<std::int32_t> ReferenceInteger(std::u16string_view text);

} // namespace qor::fuzz
