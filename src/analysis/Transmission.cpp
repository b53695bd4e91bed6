#include "analysis/Transmission.h"

#include "kinematics/Angles.h"
#include "kinematics/Solver.h"

#include <cmath>

namespace qor {

double TransmissionAngle(const Mechanism& m) {
    const double bx = m.B.x;
    const double by = SecondPlaneCoordinate(m.Plane, m.B);
    const double ux = m.Joint12.x - bx;
    const double uy = SecondPlaneCoordinate(m.Plane, m.Joint12) - by;
    const double vx = m.Joint43.x - bx;
    const double vy = SecondPlaneCoordinate(m.Plane, m.Joint43) - by;
    return std::atan2(std::fabs(ux * vy - uy * vx), ux * vx + uy * vy);
}

bool OutsideTransmissionBand(double angle) {
    const double degrees = static_cast<double>(RadToDeg(angle));
    return degrees < TransmissionBandLowDeg || degrees > TransmissionBandHighDeg;
}

} // namespace qor
