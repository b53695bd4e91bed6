// What the fuzz targets do when an input breaks a rule: say which rule and stop, so that
// libFuzzer keeps the input as a crash reproducer.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace qor::fuzz {

[[noreturn]] inline void Violated(const char* rule) {
    std::fprintf(stderr, "\nBroken rule: %s\n", rule);
    std::fflush(stderr);
    std::abort();
}

inline void Check(bool holds, const char* rule) {
    if (!holds) {
        Violated(rule);
    }
}

} // namespace qor::fuzz
