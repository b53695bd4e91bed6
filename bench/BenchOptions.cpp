#include "BenchOptions.h"

#include <charconv>

namespace qor::bench {

namespace {

bool ReadPositive(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && rest == end && value > 0;
}

bool ReadSize(const std::string& text, int& width, int& height) {
    const std::size_t x = text.find('x');
    return x != std::string::npos && ReadPositive(text.substr(0, x), width) &&
           ReadPositive(text.substr(x + 1), height);
}

} // namespace

const char* const kBenchUsage =
    "usage: qor-bench [--size WxH] [--frames N] [--models DIR] [--bare]\n"
    "       qor-bench --startup [--runs N]\n"
    "       qor-bench --startup-floor [--runs N]\n"
    "       qor-bench --idle\n"
    "       qor-bench --analysis [--size WxH] [--frames N] [--models DIR]\n"
    "       qor-bench --cycle-window [--size WxH] [--frames N]\n";

std::optional<BenchOptions> ParseBenchOptions(const std::vector<std::string>& arguments,
                                              std::string& error) {
    BenchOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& name = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (name == "--bare") {
            options.bare = true;
        } else if (name == "--startup") {
            options.startup = true;
        } else if (name == "--startup-floor") {
            options.startupFloor = true;
        } else if (name == "--startup-once") {
            options.startupOnce = true;
        } else if (name == "--idle") {
            options.idle = true;
        } else if (name == "--runs" && hasValue) {
            if (!ReadPositive(arguments[++i], options.runs)) {
                error = "--runs wants a positive whole number";
                return std::nullopt;
            }
        } else if (name == "--analysis") {
            options.analysis = true;
        } else if (name == "--cycle-window") {
            options.cycleWindow = true;
        } else if (name == "--size" && hasValue) {
            if (!ReadSize(arguments[++i], options.width, options.height)) {
                error = "--size wants WIDTHxHEIGHT, for example 1920x1080";
                return std::nullopt;
            }
        } else if (name == "--frames" && hasValue) {
            if (!ReadPositive(arguments[++i], options.frames)) {
                error = "--frames wants a positive whole number";
                return std::nullopt;
            }
        } else if (name == "--models" && hasValue) {
            options.models = arguments[++i];
        } else {
            error = "cannot read the argument " + name;
            return std::nullopt;
        }
    }
    return options;
}

} // namespace qor::bench
