#include "JointToB.h"

#include "SceneRig.h"

#include <algorithm>

namespace qor::soak {

double DrawnJointToB(const Mechanism& m, const LinkageFrames& frames) {
    // Each link runs along its frame's x axis from the frame's origin.
    const Vec3 b = test::SceneB(m);
    const Vec3 end2 = frames.Link2Frame->WorldTransform().Apply({m.L2, 0, 0});
    const Vec3 end3 = frames.Link3Frame->WorldTransform().Apply({m.L3, 0, 0});
    return std::max(Length(end2 - b), Length(end3 - b));
}

} // namespace qor::soak
