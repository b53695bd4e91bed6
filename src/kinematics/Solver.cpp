#include "kinematics/Solver.h"

#include "kinematics/Angles.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace qor {
namespace {

// Below this cosine link 3 points within about a quarter of a degree of the negative first
// axis, where the sign of its angle is decided by rounding; Ksi then keeps its previous value.
constexpr double KsiGuardCosine = -0.99999;

// A driven angle wraps to 0 once it reaches 359 degrees. An angle entered as 359 degrees, or
// accumulated from whole-degree steps, lands a few units in the last place below the limit in
// double precision; the margin lets it wrap as it should. It is far below anything the
// read-outs show (about 6e-8 degrees).
constexpr long double WrapMargin = 1e-9L;

// The limits are compared as doubles: the nearest double at or past a limit, outwards, is
// reached by exactly the doubles that reach the limit itself, and the solve does not wait on the
// wider arithmetic. They are computed once, not on every solve.
double WrapLimit(long double limit, double outwards) {
    const auto near = static_cast<double>(limit);
    const bool inside = outwards > 0 ? near < limit : near > limit;
    return inside ? std::nextafter(near, outwards) : near;
}

void WrapDrivenAngle(double& angle) {
    static const double upper =
        WrapLimit(DegToRad(359) - WrapMargin, std::numeric_limits<double>::infinity());
    static const double lower =
        WrapLimit(DegToRad(-359) + WrapMargin, -std::numeric_limits<double>::infinity());
    if (angle >= upper || angle <= lower) {
        angle = 0.0;
    }
}

// The direction of link 2: the solution of dx·cos(Psi) + dy·sin(Psi) = c that puts B on the left
// of the line from Joint12 to Joint43, as twice the arc tangent of the half-angle tangent
// v = (sqrt(s) + dy) / (dx + c).
double CouplerAngle(double dx, double dy, double c, double s, double previous) {
    const double root = std::sqrt(s);
    if (dy < 0.0) {
        // The same v written as (dx - c) / (sqrt(s) - dy), since s - dy² = dx² - c²: with dy
        // negative, sqrt(s) + dy would cancel and lose digits, and dx + c may be zero.
        return 2.0 * std::atan((dx - c) / (root - dy));
    }
    if (dx + c != 0.0) {
        return 2.0 * std::atan((root + dy) / (dx + c));
    }
    // dx = -c with dy >= 0: the half-angle tangent is infinite and link 2 points along the
    // negative first axis, unless the moving ends coincide (dx = dy = 0), where no direction is
    // defined and link 2 keeps its previous one.
    if (root + dy > 0.0 || c > 0.0) {
        return std::numbers::pi;
    }
    return previous;
}

void PlaceJoint12(Mechanism& m, const Turn& fi) {
    m.Joint12 = PlanePoint(m.Plane, m.L1 * fi.cos, m.L1 * fi.sin);
}

void PlacePointB(Mechanism& m, const Turn& psi, const PointBReadout& showB) {
    const double second = SecondPlaneCoordinate(m.Plane, m.Joint12);
    m.B = PlanePoint(m.Plane, m.Joint12.x + m.L2 * psi.cos, second + m.L2 * psi.sin);
    if (showB) {
        showB(m.B.x, m.B.y, -m.B.z);
    }
}

void PlaceJoint43(Mechanism& m, const Turn& gamma) {
    m.Joint43 = PlanePoint(m.Plane, m.a + m.L4 * gamma.cos, m.b + m.L4 * gamma.sin);
}

// The steps of a solve share the sines and cosines of the angles they read: each is computed
// once, from the same operands and with the same operations as when every step computes its own,
// so the results do not change in any bit.
void Solve(Mechanism& m, const Turn& fi, const Turn& gamma, const PointBReadout& showB) {
    m.PsiPrev = m.Psi;
    m.KsiPrev = m.Ksi;

    const double xD = m.L4 * gamma.cos + m.a;
    const double yD = m.L4 * gamma.sin + m.b;
    const double dx = xD - m.L1 * fi.cos;
    const double dy = yD - m.L1 * fi.sin;
    const double c = (dx * dx + dy * dy + m.L2 * m.L2 - m.L3 * m.L3) / (2.0 * m.L3);
    // At full stretch s is zero in exact arithmetic; rounding may leave it a little below.
    const double s = std::max(0.0, dx * dx + dy * dy - c * c);
    m.Psi = CouplerAngle(dx, dy, c, s, m.PsiPrev);
    const Turn psi = TurnOf(m.Psi);

    PlaceJoint12(m, fi);
    PlacePointB(m, psi, showB);
    PlaceJoint43(m, gamma);

    const double cK = (m.L2 * psi.cos + m.L1 * fi.cos - xD) / m.L3;
    if (cK < KsiGuardCosine) {
        return;
    }
    // Rounding can carry the cosine a little past 1, where acos is undefined.
    const double link3 = std::acos(std::min(cK, 1.0));
    const bool above =
        SecondPlaneCoordinate(m.Plane, m.B) > SecondPlaneCoordinate(m.Plane, m.Joint43);
    m.Ksi = above ? link3 : -link3;
}

} // namespace

Turn TurnOf(double angle) {
    return {std::cos(angle), std::sin(angle)};
}

Point3 PlanePoint(MechanismPlane plane, double first, double second) {
    if (plane == MechanismPlane::Horizontal) {
        return {first, 0.0, second};
    }
    return {first, second, 0.0};
}

double SecondPlaneCoordinate(MechanismPlane plane, const Point3& p) {
    return plane == MechanismPlane::Horizontal ? p.z : p.y;
}

void LocateJoint12(Mechanism& m) {
    PlaceJoint12(m, TurnOf(m.Fi));
}

void LocatePointB(Mechanism& m, const PointBReadout& showB) {
    PlacePointB(m, TurnOf(m.Psi), showB);
}

void LocateJoint43(Mechanism& m) {
    PlaceJoint43(m, TurnOf(m.Gamma));
}

void WrapDrivenAngles(Mechanism& m) {
    WrapDrivenAngle(m.Fi);
    WrapDrivenAngle(m.Gamma);
}

void SolveWrappedPosition(Mechanism& m, const Turn& fi, const Turn& gamma) {
    Solve(m, fi, gamma, nullptr);
}

void SolvePosition(Mechanism& m, const PointBReadout& showB) {
    WrapDrivenAngles(m);
    Solve(m, TurnOf(m.Fi), TurnOf(m.Gamma), showB);
}

} // namespace qor
