#include "Linkages.h"

#include "kinematics/Angles.h"
#include "kinematics/Solver.h"

#include <algorithm>
#include <cmath>

namespace qor::test {

double Radians(double degrees) {
    return static_cast<double>(DegToRad(degrees));
}

double Degrees(double radians) {
    return static_cast<double>(RadToDeg(radians));
}

Mechanism DrivenLinkage(double a, double b, double L1, double L2, double L4, double fiDeg,
                        double gammaDeg, double v1Deg, double v4Deg, MechanismPlane plane) {
    Mechanism m;
    m.Plane = plane;
    m.a = a;
    m.b = b;
    m.L1 = L1;
    m.L2 = L2;
    m.L3 = L2;
    m.L4 = L4;
    m.Fi = Radians(fiDeg);
    m.Gamma = Radians(gammaDeg);
    m.dFi = Radians(v1Deg);
    m.dGamma = Radians(v4Deg);
    SolvePosition(m);
    return m;
}

Mechanism DefaultLinkage(double fiDeg, double gammaDeg, double v1Deg, double v4Deg,
                         MechanismPlane plane) {
    return DrivenLinkage(3, 0, 3, 6, 3, fiDeg, gammaDeg, v1Deg, v4Deg, plane);
}

double LawOfCosinesTransmission(const Mechanism& m) {
    const double dx = m.Joint43.x - m.Joint12.x;
    const double dy =
        SecondPlaneCoordinate(m.Plane, m.Joint43) - SecondPlaneCoordinate(m.Plane, m.Joint12);
    const double cosine = (m.L2 * m.L2 + m.L3 * m.L3 - (dx * dx + dy * dy)) / (2 * m.L2 * m.L3);
    return std::acos(std::clamp(cosine, -1.0, 1.0));
}

} // namespace qor::test
