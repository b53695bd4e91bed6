// Conversions between degrees (dialogs and read-outs) and radians (everything inside).
#pragma once

namespace qor {

// Degrees to radians: multiplied by pi, then by 1/180, in extended precision.
long double DegToRad(double degrees);

// Radians to degrees: multiplied by 180, then by 1/pi, in extended precision.
long double RadToDeg(double radians);

} // namespace qor
