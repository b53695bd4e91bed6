#include "design/DesignRecords.h"

#include "kinematics/Angles.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace qor {
namespace {

double Radians(double degrees) {
    return static_cast<double>(DegToRad(degrees));
}

int WholeLength(double length) {
    if (length != std::trunc(length) || length < std::numeric_limits<int>::min() ||
        length > std::numeric_limits<int>::max()) {
        throw std::invalid_argument("a link length that the parameter dialog cannot give");
    }
    return static_cast<int>(length);
}

} // namespace

double StepOf(LinkDrive drive, double velocity) {
    switch (drive) {
    case LinkDrive::Plus:
        return velocity;
    case LinkDrive::Minus:
        return -velocity;
    case LinkDrive::Off:
        break;
    }
    return 0.0;
}

Mechanism MechanismOf(const MechanismDesign& design, MechanismPlane plane) {
    Mechanism m;
    m.Plane = plane;
    m.a = design.a;
    m.b = design.b;
    m.L1 = design.L1;
    m.L2 = design.L2;
    m.L3 = design.L3;
    m.L4 = design.L4;
    m.Velocity1 = Radians(design.Velocity1);
    m.Velocity4 = Radians(design.Velocity4);
    m.Fi = Radians(design.fi0);
    m.Gamma = Radians(design.gamma0);
    m.dFi = StepOf(design.Link1, m.Velocity1);
    m.dGamma = StepOf(design.Link4, m.Velocity4);
    return m;
}

double DegreesOf(double radians) {
    const double nearest = static_cast<double>(RadToDeg(radians));
    if (!std::isfinite(nearest)) {
        return nearest;
    }
    std::array<char, 40> text{};
    for (int precision = 1; precision <= std::numeric_limits<double>::max_digits10; ++precision) {
        const auto written = std::to_chars(text.data(), text.data() + text.size(), nearest,
                                           std::chars_format::general, precision);
        double degrees = 0.0;
        std::from_chars(text.data(), written.ptr, degrees);
        if (Radians(degrees) == radians) {
            return degrees;
        }
    }
    return nearest;
}

MechanismDesign DesignOf(const Mechanism& record, LinkDrive link1, LinkDrive link4) {
    MechanismDesign d;
    d.a = record.a;
    d.b = record.b;
    d.L1 = WholeLength(record.L1);
    d.L2 = WholeLength(record.L2);
    d.L3 = WholeLength(record.L3);
    d.L4 = WholeLength(record.L4);
    d.Velocity1 = DegreesOf(record.Velocity1);
    d.Velocity4 = DegreesOf(record.Velocity4);
    d.fi0 = DegreesOf(record.Fi);
    d.gamma0 = DegreesOf(record.Gamma);
    d.Link1 = link1;
    d.Link4 = link4;
    return d;
}

} // namespace qor
