// WriteDesign: a design as the text of its file.
#include "design/DesignFile.h"

#include "design/DesignKeys.h"

#include <array>
#include <charconv>

namespace qor {
namespace {

// Longer than any shortest round-trip double ("-2.2250738585072014e-308" is 24 characters).
constexpr std::size_t NumberBufferSize = 32;

template <typename Number> void AppendNumber(std::string& out, Number value) {
    std::array<char, NumberBufferSize> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value);
    out.append(text.data(), result.ptr);
}

} // namespace

std::string WriteDesign(const Design& design) {
    std::string out = "# QOR design\n[";
    out += FileSectionName;
    out += "]\n";
    out += FormatKey;
    out += '=';
    AppendNumber(out, DesignFormat);
    out += '\n';
    for (std::size_t k = 0; k < design.Mechanisms.size(); ++k) {
        const MechanismDesign& m = design.Mechanisms[k];
        out += "\n[";
        out += MechanismSectionNames[k];
        out += "]\n";
        for (const MechanismKey& key : MechanismKeys) {
            out += key.Name;
            out += '=';
            if (key.Real != nullptr) {
                // Adding 0.0 turns -0 into 0 and leaves every other value as it is.
                AppendNumber(out, m.*(key.Real) + 0.0);
            } else if (key.Length != nullptr) {
                AppendNumber(out, m.*(key.Length));
            } else {
                out += DriveText(m.*(key.Drive));
            }
            out += '\n';
        }
    }
    return out;
}

} // namespace qor
