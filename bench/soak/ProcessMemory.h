// The memory the process holds in RAM, in megabytes.
#pragma once

namespace qor::soak {

// The most the process has held at once since it started.
double PeakRssMegabytes();

// What it holds now; 0 when /proc cannot be read.
double CurrentRssMegabytes();

} // namespace qor::soak
