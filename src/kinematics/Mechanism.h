// One five-bar linkage: its parameters, as the parameter dialog accepts them, and its kinematic
// state, as the solver and the stepping rules keep it. Plain data; the operations are free
// functions applied to one record.
#pragma once

namespace qor {

// A point of the scene in the mechanism's own coordinates (origin at link 1's fixed pivot).
struct Point3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

// Which scene axis receives a mechanism's second plane coordinate. The first plane coordinate
// always goes to x.
enum class MechanismPlane {
    Horizontal, // lies on the floor: the second plane coordinate goes to z
    Vertical,   // stands in front of the wall: the second plane coordinate goes to y
};

struct Mechanism {
    MechanismPlane Plane = MechanismPlane::Horizontal;

    // Parameters. Lengths in centimetres, steps in radians per step.
    double a = 0.0; // first plane coordinate of link 4's fixed pivot
    double b = 0.0; // second plane coordinate of link 4's fixed pivot
    double L1 = 0.0;
    double L2 = 0.0;
    double L3 = 0.0;
    double L4 = 0.0;
    double Velocity1 = 0.0; // size of one step of link 1
    double Velocity4 = 0.0; // size of one step of link 4

    // State. Angles in radians, each the absolute direction of its link in the plane, measured
    // from the first plane axis towards the second.
    double Fi = 0.0;      // link 1, from pivot 1 to Joint12
    double Psi = 0.0;     // link 2, from Joint12 to B
    double Ksi = 0.0;     // link 3, from Joint43 to B
    double Gamma = 0.0;   // link 4, from pivot 4 to Joint43
    double PsiPrev = 0.0; // Psi as it was when the latest solve began
    double KsiPrev = 0.0; // Ksi as it was when the latest solve began
    Point3 Joint12;       // moving end of link 1
    Point3 B;             // where links 2 and 3 meet
    Point3 Joint43;       // moving end of link 4

    // Stepping.
    double dFi = 0.0;    // added to Fi by every advance: 0, +Velocity1 or -Velocity1
    double dGamma = 0.0; // added to Gamma by every advance: 0, +Velocity4 or -Velocity4
    bool Running = false;
};

} // namespace qor
