// The stepping rules of one mechanism: what an advance adds, and stopping.
#pragma once

#include "kinematics/Mechanism.h"

namespace qor {

// Adds one step to each driven angle. The wrap at ±359 degrees belongs to the solver.
void AccumulateAngles(Mechanism& m);

void StopMechanism(Mechanism& m);

// True when the next advance turns a driven link: the mechanism runs and has a step.
bool AdvancesMove(const Mechanism& m);

} // namespace qor
