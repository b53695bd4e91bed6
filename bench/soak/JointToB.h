// How well the drawn linkage meets the solved one: the far ends of the drawn links 2 and 3,
// taken from their frames' places in the scene, against point B as the solver puts it.
#pragma once

#include "kinematics/Mechanism.h"
#include "scene/SceneFrames.h"

namespace qor::soak {

// The larger distance of the two far ends from B, in scene units (centimetres). The mechanism
// must have link frames.
double DrawnJointToB(const Mechanism& m, const LinkageFrames& frames);

} // namespace qor::soak
