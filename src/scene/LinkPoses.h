// Keeping the link frames of a mechanism in step with its solved state: the pose after every
// solve, the initial pose, and one advance of a running mechanism.
#pragma once

#include "kinematics/Mechanism.h"
#include "kinematics/Solver.h"
#include "scene/SceneFrames.h"

namespace qor {

// The angle in the plane at which link 3's frame must point so that its far joint, L3 along the
// frame's x axis, lands on B: the direction from Joint43 to B (reversed for a negative L3). This
// is Ksi, except while the solver's guard keeps a stale Ksi near 180 degrees; when B and Joint43
// coincide no direction exists and Ksi is kept.
double DrawnLink3Angle(const Mechanism& m);

// Sets the frame's turn relative to its parent to the mechanism angle (a growing angle is a
// negative turn about y), after the wall mechanism's stand-up turn about x for the frames that
// hang from the wall itself: it stands their y axes, about which the links turn, normal to the
// wall, and links 2 and 3 inherit it. The position stays.
void AlignLinkFrame(IDirect3DRMFrame& frame, double angle, bool standUp);

// Sets each of the mechanism's four link frames to exactly the turn, relative to its parent, that
// the solved angles call for: links 1 and 4 at Fi and Gamma (standing up from the wall for the
// vertical mechanism), links 2 and 3 relative to them, so that the drawn links 2 and 3 meet at B
// whatever the wrap of a driven angle or the guard on Ksi did. The frames are never turned by a
// step's change: such turns add up their rounding over many steps, miss the wrap and the guard,
// and the drawn joints drift apart. Does nothing when the mechanism has no link frames (no
// scene).
void UpdateLinkPoses(const Mechanism& m, const LinkageFrames& frames);

// The first solve and pose of both mechanisms after the scene was built, mechanism 1 first: the
// links, created along their parents' x axes, take the solved initial angles. The steps are not
// used and stay as they are.
void InitialPose(Mechanism& m1, const LinkageFrames& frames1, const PointBReadout& showB1,
                 Mechanism& m2, const LinkageFrames& frames2, const PointBReadout& showB2);

// One advance of a running mechanism: its steps added to the driven angles, the position solved
// (B shown through showB) and the link frames posed. A stopped mechanism is left alone.
void AdvanceMechanism(Mechanism& m, const LinkageFrames& frames, const PointBReadout& showB);

} // namespace qor
