#include "kinematics/Stepping.h"

namespace qor {

void AccumulateAngles(Mechanism& m) {
    m.Fi += m.dFi;
    m.Gamma += m.dGamma;
}

void StopMechanism(Mechanism& m) {
    m.Running = false;
}

} // namespace qor
