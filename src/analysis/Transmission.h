// The transmission angle of a linkage: how well the coupler links pass force to each other at B.
#pragma once

#include "kinematics/Mechanism.h"

namespace qor {

// A position transmits well while its transmission angle stays within this band (degrees).
constexpr double TransmissionBandLowDeg = 40.0;
constexpr double TransmissionBandHighDeg = 140.0;

// The angle at B between the directions from B to Joint12 and from B to Joint43, in radians,
// from 0 to pi, read from the solved points of the record. Computed as atan2 of the cross and
// dot products, which keeps full precision near 0 and pi where an arc cosine would not.
double TransmissionAngle(const Mechanism& m);

// True when a transmission angle (radians) lies below 40 or above 140 degrees.
bool OutsideTransmissionBand(double angle);

} // namespace qor
