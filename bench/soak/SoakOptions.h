// The command line of qor-soak.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qor::soak {

struct SoakOptions {
    long passes = 1'000'000;  // idle passes of the first construction, all four links turning
    int constructions = 1000; // new constructions after those passes
    int renderEvery = 1;      // every how many idle passes one is rendered
    std::string models;       // empty: the program's own lookup of the model set
};

// The options, or nothing (with the reason in error) for a command line it cannot read.
std::optional<SoakOptions> ParseSoakOptions(const std::vector<std::string>& arguments,
                                            std::string& error);

extern const char* const kSoakUsage;

} // namespace qor::soak
