#include "kinematics/Stepping.h"

namespace qor {

void AccumulateAngles(Mechanism& m) {
    m.Fi += m.dFi;
    m.Gamma += m.dGamma;
}

void StopMechanism(Mechanism& m) {
    m.Running = false;
}

bool AdvancesMove(const Mechanism& m) {
    return m.Running && (m.dFi != 0.0 || m.dGamma != 0.0);
}

} // namespace qor
