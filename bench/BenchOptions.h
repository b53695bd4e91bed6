// The command line of qor-bench.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qor::bench {

struct BenchOptions {
    int width = 1920;
    int height = 1080;
    int frames = 300;
    std::string models;        // empty: the program's own lookup of the model set
    bool bare = false;         // also draw the same triangles through a minimal OpenGL loop
    bool startup = false;      // the program's start-up against the floor, in turn
    bool startupFloor = false; // only the floor program's start-up
    bool startupOnce = false;  // one start of the program, as a child of --startup
    bool idle = false;         // the processor time of a still construction
    int runs = 7;              // starts of each program for --startup and --startup-floor
    bool analysis = false;     // what the analysis drawings cost (see AnalysisBench.h)
    bool cycleWindow = false;  // the cycle window's opening and its cost per frame
};

// The options, or nothing (with the reason in error) for a command line it cannot read.
std::optional<BenchOptions> ParseBenchOptions(const std::vector<std::string>& arguments,
                                              std::string& error);

extern const char* const kBenchUsage;

} // namespace qor::bench
