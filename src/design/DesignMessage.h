// The Russian text of a design file's fault, as the program shows it after the file's name:
// "строка 7: L2 ≠ L3", "строка 4: 'abc' — не число". UTF-8.
#pragma once

#include "design/DesignFile.h"

#include <string>

namespace qor {

// The offending text is quoted, shortened to its first 40 characters with "…" after them.
// A fault of the whole text (Line 0) has no "строка N: " before it.
std::string DesignErrorMessage(const DesignError& error);

} // namespace qor
