// One design: what the parameter dialog takes for each of the two mechanisms, and which driven
// links turn and which way. It is what a design file holds; plain data, in the dialog's units.
#pragma once

#include <array>

namespace qor {

// Whether a driven link is ticked, and its direction.
enum class LinkDrive {
    Off,   // not ticked: the link stands still
    Plus,  // ticked with "+": counterclockwise, towards growing angles
    Minus, // ticked with "-": clockwise
};

// The ten values of one mechanism exactly as the dialog takes them, and its two drives. The
// defaults are the dialog's first texts.
struct MechanismDesign {
    double a = 3.0; // cm
    double b = 0.0; // cm
    int L1 = 3;     // link lengths, whole centimetres
    int L2 = 6;
    int L3 = 6;
    int L4 = 3;
    double Velocity1 = 1.0; // degrees per step
    double Velocity4 = 1.0; // degrees per step
    double fi0 = 0.0;       // initial angle of link 1, degrees
    double gamma0 = 0.0;    // initial angle of link 4, degrees
    LinkDrive Link1 = LinkDrive::Off;
    LinkDrive Link4 = LinkDrive::Off;

    bool operator==(const MechanismDesign&) const = default;
};

struct Design {
    // Mechanism 1 (on the floor), then mechanism 2 (on the wall).
    std::array<MechanismDesign, 2> Mechanisms;

    bool operator==(const Design&) const = default;
};

} // namespace qor
