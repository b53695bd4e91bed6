// Frame times on the wall clock and in the process's processor time (the software renderer's
// threads included), one sample each per frame or per block of frames.
#pragma once

#include "Clocks.h"
#include "Median.h"

#include <vector>

namespace qor::bench {

struct FrameTimes {
    std::vector<double> wall;
    std::vector<double> cpu;

    // Times one call of `frame`.
    template <class Frame> void Time(Frame&& frame) {
        const Clock::time_point start = Clock::now();
        const double cpuStart = ProcessCpuMs();
        frame();
        wall.push_back(Milliseconds(start, Clock::now()));
        cpu.push_back(ProcessCpuMs() - cpuStart);
    }

    // Keeps the medians of a block of frames as one sample each.
    void AddMediansOf(const FrameTimes& block) {
        wall.push_back(Median(block.wall));
        cpu.push_back(Median(block.cpu));
    }
};

} // namespace qor::bench
