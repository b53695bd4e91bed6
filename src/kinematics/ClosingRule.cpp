#include "kinematics/ClosingRule.h"

#include <cmath>
#include <initializer_list>

namespace qor {

bool ClosesAtEveryPosition(double a, double b, double L1, double L2, double L3, double L4) {
    for (double value : {a, b, L1, L2, L3, L4}) {
        if (!std::isfinite(value)) {
            return false;
        }
    }
    const double pivotDistance = std::sqrt(a * a + b * b);
    return L2 == L3 && L2 > 0.0 && std::fabs(L1) + std::fabs(L4) + pivotDistance <= L2 + L3;
}

} // namespace qor
