#include "kinematics/Angles.h"

#include <numbers>

namespace qor {

long double DegToRad(double degrees) {
    return degrees * std::numbers::pi_v<long double> * (1.0L / 180.0L);
}

long double RadToDeg(double radians) {
    return radians * 180.0L * (1.0L / std::numbers::pi_v<long double>);
}

} // namespace qor
