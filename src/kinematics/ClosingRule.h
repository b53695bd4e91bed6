// The rule that admits a linkage: it must close at every pair of driven angles.
#pragma once

namespace qor {

// True when the coupler links are equal and long enough to bridge the largest possible gap
// between the moving ends of links 1 and 4: L1 + L4 + sqrt(a² + b²) <= L2 + L3 and L2 = L3.
// Equality in the sum passes; the coupler lengths are compared exactly.
//
// The gap between the moving ends can reach |L1| + |L4| + sqrt(a² + b²), so a driven link typed
// with a negative length counts with its magnitude, and the coupler links must be longer than
// zero; values that are not finite never close. For positive lengths this is exactly the sum
// rule above.
bool ClosesAtEveryPosition(double a, double b, double L1, double L2, double L3, double L4);

} // namespace qor
