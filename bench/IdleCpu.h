// qor-bench --idle: what the program costs while nothing moves.
#pragma once

namespace qor::bench {

// Starts the program's main window, makes the default construction through the parameter
// dialog, keeps the window active with nothing running or spinning, and over five seconds
// measures the processor time the process takes. Prints idle_cpu_percent (of one core) and
// idle_frames (frames presented meanwhile). Returns the exit code.
int RunIdleBench(int argc, char** argv);

} // namespace qor::bench
