// Closed-form position of a five-bar linkage for its two driven angles.
#pragma once

#include "kinematics/Mechanism.h"

#include <functional>

namespace qor {

// Receives point B's read-out every time the solver places B: x, y, and z with its sign reversed,
// in the mechanism's own coordinates.
using PointBReadout = std::function<void(double xB, double yB, double zB)>;

// Solves one mechanism for its current Fi and Gamma: wraps a driven angle that reached ±359
// degrees to 0, keeps the previous Psi and Ksi in PsiPrev and KsiPrev, then computes Psi, the
// three moving points and Ksi. B lies on the left of the line from Joint12 to Joint43.
// Every accepted parameter set gives finite angles and points at every pair of driven angles.
void SolvePosition(Mechanism& m, const PointBReadout& showB = nullptr);

// The cosine and the sine of an angle, exactly as std::cos and std::sin give them.
struct Turn {
    double cos = 0.0;
    double sin = 0.0;
};
Turn TurnOf(double angle);

// SolvePosition in two parts, for a caller that meets the same driven angles again and keeps
// their turns: WrapDrivenAngles, then SolveWrappedPosition with fi = TurnOf(m.Fi) and
// gamma = TurnOf(m.Gamma) (computed or kept, the very same doubles), gives every bit
// SolvePosition gives.
void WrapDrivenAngles(Mechanism& m);
void SolveWrappedPosition(Mechanism& m, const Turn& fi, const Turn& gamma);

// The steps of SolvePosition, in the order it takes them; each reads the angles already solved.
void LocateJoint12(Mechanism& m);
void LocatePointB(Mechanism& m, const PointBReadout& showB = nullptr);
void LocateJoint43(Mechanism& m);

// Places a point of the mechanism's plane into the scene coordinates of its record: the first
// plane coordinate to x, the second to z (horizontal mechanism) or y (vertical mechanism).
Point3 PlanePoint(MechanismPlane plane, double first, double second);

// The second plane coordinate of a point, read back from where PlanePoint put it.
double SecondPlaneCoordinate(MechanismPlane plane, const Point3& p);

} // namespace qor
