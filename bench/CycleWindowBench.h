// qor-bench --cycle-window: the cycle window on the program's main window.
#pragma once

namespace qor::bench {

// Builds the main window at width x height with the default construction and link 1 of
// mechanism 1 driven by so small a step that its cycle fills the 100,000-row limit. Prints
// cycle_window_rows; cycle_window_open_ms, the median time from the menu item to the window
// painted with its cycle computed; and the median time of a frame (an idle pass with the paints
// it causes) with the mechanisms running, with the window closed (cycle_frame_closed_ms) and
// open (cycle_frame_open_ms, floating so that the 3D view keeps its size), and their ratio; and the
// same in processor time of the process (_cpu_ms). Returns the exit code.
int RunCycleWindowBench(int argc, char** argv, int width, int height, int frames);

} // namespace qor::bench
