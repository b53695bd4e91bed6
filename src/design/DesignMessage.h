// The text of a design file's fault, as the program shows it after the file's name:
// "строка 7: L2 ≠ L3", "строка 4: 'abc' — не число". UTF-8.
#pragma once

#include "design/DesignFile.h"

#include <functional>
#include <string>

namespace qor {

// Gives the text of a source in the language shown, for the context "qor::DesignMessage"; both
// are UTF-8.
using DesignTextTranslator = std::function<std::string(const char* context, const char* source)>;

// The offending text is quoted, shortened to its first 40 characters with "…" after them.
// A fault of the whole text (Line 0) has no "строка N: " before it. Without a translator the text
// is Russian.
std::string DesignErrorMessage(const DesignError& error,
                               const DesignTextTranslator& translate = {});

} // namespace qor
