// Counts the program's calls of operator new, so that the benchmark can show that a frame on
// the steady path allocates nothing. Linking AllocationCount.cpp replaces the global operators.
#pragma once

#include <cstdint>

namespace qor::bench {

// Calls of any form of operator new since the program started.
std::uint64_t AllocationCount();

} // namespace qor::bench
