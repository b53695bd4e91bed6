// The clocks the benchmarks read: the wall clock between two points, and the processor time of
// this thread or of the whole process, all in milliseconds.
#pragma once

#include <chrono>
#include <ctime>

namespace qor::bench {

using Clock = std::chrono::steady_clock;

inline double Milliseconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

inline double CpuMs(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// The processor time of this thread: on a shared machine, what the work itself costs.
inline double ThreadCpuMs() {
    return CpuMs(CLOCK_THREAD_CPUTIME_ID);
}

// The processor time of the whole process, the software renderer's threads included.
inline double ProcessCpuMs() {
    return CpuMs(CLOCK_PROCESS_CPUTIME_ID);
}

} // namespace qor::bench
