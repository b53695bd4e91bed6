// qor-bench --startup and --startup-floor: how long the program takes to show its first frame,
// against the floor of a minimal Qt Widgets program with a native OpenGL child window
// (qor-startup-floor), both started as fresh processes, in turn, in one run.
#pragma once

namespace qor::bench {

// Starts the program (qor-bench --startup-once) and the floor program in turn, runs times each,
// and prints the medians startup_ms and startup_floor_ms, their ratio startup_to_floor_ratio,
// and first_construction_ms (from "ОК" in the parameter dialog to the first frame of the new
// scene). Returns the exit code.
int RunStartupBench(const char* self, int runs);

// Starts only the floor program, runs times, and prints the median startup_floor_ms.
int RunStartupFloorBench(const char* self, int runs);

// One start of the program in this process: the main window until its first presented frame,
// then the default construction until the first frame of the new scene. Prints
// first_frame_clock_ns (CLOCK_MONOTONIC at the first frame) and first_construction_ms for the
// parent. Returns the exit code.
int RunStartupOnce(int argc, char** argv);

} // namespace qor::bench
