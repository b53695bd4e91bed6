// Linkages and drives shared by the analysis tests.
#pragma once

#include "kinematics/Mechanism.h"

namespace qor::test {

double Radians(double degrees);
double Degrees(double radians);

// A solved record with the given parameters, initial angles (degrees) and steps (degrees per
// step), as the program holds it after a new construction and a choice of directions.
Mechanism DrivenLinkage(double a, double b, double L1, double L2, double L4, double fiDeg,
                        double gammaDeg, double v1Deg, double v4Deg,
                        MechanismPlane plane = MechanismPlane::Horizontal);

// The parameter dialog's defaults: a = 3, b = 0, L1 = L4 = 3, L2 = L3 = 6.
Mechanism DefaultLinkage(double fiDeg, double gammaDeg, double v1Deg, double v4Deg,
                         MechanismPlane plane = MechanismPlane::Horizontal);

// The transmission angle by the law of cosines on the triangle Joint12, B, Joint43, from the
// coupler lengths and the distance between the moving ends: another way than the library's.
double LawOfCosinesTransmission(const Mechanism& m);

} // namespace qor::test
