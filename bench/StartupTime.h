// qor-bench --startup: the time from the start of the process to the main window shown with
// its first frame presented.
#pragma once

namespace qor::bench {

// Makes the application and the program's main window, runs the message loop until the view
// host has presented its first frame, and prints startup_ms (from the process's start, as the
// kernel recorded it, to that frame) and main_to_frame_ms (from main's first line). Returns the
// exit code.
int RunStartupBench(int argc, char** argv);

} // namespace qor::bench
