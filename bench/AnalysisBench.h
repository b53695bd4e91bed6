// qor-bench --analysis: what the analysis drawings cost.
#pragma once

#include "BenchOptions.h"

namespace qor::bench {

// Prints the frame time of the default construction, link 1 of both mechanisms turning 1 degree
// a step, without and with both paths and both circle constructions, and their ratio; and the
// time to compute and build the path of a drive that runs to the 100,000-step limit and of one
// of 64,620 steps. Needs the QApplication and an OpenGL display. Returns the exit code.
int RunAnalysisBench(const BenchOptions& options);

} // namespace qor::bench
