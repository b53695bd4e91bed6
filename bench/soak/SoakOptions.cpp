#include "SoakOptions.h"

#include <charconv>

namespace qor::soak {

namespace {

template <typename Number> bool ReadCount(const std::string& text, Number& value, Number least) {
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && rest == end && value >= least;
}

} // namespace

const char* const kSoakUsage =
    "usage: qor-soak [--passes N] [--constructions N] [--render-every K] [--models DIR]\n";

std::optional<SoakOptions> ParseSoakOptions(const std::vector<std::string>& arguments,
                                            std::string& error) {
    SoakOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& name = arguments[i];
        if (i + 1 == arguments.size()) {
            error = "cannot read the argument " + name;
            return std::nullopt;
        }
        const std::string& value = arguments[++i];
        bool read = true;
        if (name == "--passes") {
            read = ReadCount(value, options.passes, 0L);
        } else if (name == "--constructions") {
            read = ReadCount(value, options.constructions, 0);
        } else if (name == "--render-every") {
            read = ReadCount(value, options.renderEvery, 1);
        } else if (name == "--models") {
            options.models = value;
        } else {
            error = "cannot read the argument " + name;
            return std::nullopt;
        }
        if (!read) {
            error = name + " wants a whole number" +
                    (name == "--render-every" ? " from 1" : " from 0") + ", not " + value;
            return std::nullopt;
        }
    }
    return options;
}

} // namespace qor::soak
