// Keeping the link frames of a mechanism in step with its solved state: the turn of each step,
// the initial pose, and one advance of a running mechanism.
#pragma once

#include "engine/Types.h"
#include "kinematics/Mechanism.h"
#include "kinematics/Solver.h"
#include "scene/SceneFrames.h"

#include <numbers>

namespace qor {

// -pi/2 as the engine takes it (-1.5707964): the turn about x that stands the wall mechanism's
// driven link frames up, and the turn about y of every axes frame.
inline constexpr D3DVALUE kMinusQuarterTurn = static_cast<D3DVALUE>(-std::numbers::pi / 2);

// The angle in the plane at which link 3's frame must point so that its far joint, L3 along the
// frame's x axis, lands on B: the direction from Joint43 to B (reversed for a negative L3). This
// is Ksi, except while the solver's guard keeps a stale Ksi near 180 degrees; when B and Joint43
// coincide no direction exists and Ksi is kept.
double DrawnLink3Angle(const Mechanism& m);

// Turns the mechanism's four link frames by one step's change of the angles: six turns about
// the frames' own y axes, link 1 by -dFi, link 2 by +dFi and -(Psi - PsiPrev), link 3 by +dGamma
// and -(Ksi - KsiPrev), link 4 by -dGamma. Then sets each link frame's turn relative to its
// parent to exactly what the solved angles call for, so that the drawn links 2 and 3 meet at B
// whatever the wrap of a driven angle, the guard on Ksi or the rounding of many steps did.
// Does nothing when the mechanism has no link frames (no scene).
void UpdateLinkPoses(const Mechanism& m, const LinkageFrames& frames);

// The first solve and pose of both mechanisms after the scene was built: the links, created
// along their parents' x axes, turn by the whole initial angles. Leaves every step at 0.
void InitialPose(Mechanism& m1, const LinkageFrames& frames1, const PointBReadout& showB1,
                 Mechanism& m2, const LinkageFrames& frames2, const PointBReadout& showB2);

// One advance of a running mechanism: its steps added to the driven angles, the position solved
// (B shown through showB) and the link frames posed. A stopped mechanism is left alone.
void AdvanceMechanism(Mechanism& m, const LinkageFrames& frames, const PointBReadout& showB);

} // namespace qor
