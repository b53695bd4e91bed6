// The frame in which the drawings of a mechanism's plane live: a child of the mechanism's base
// (the floor or the wall), placed at pivot 1 and turned like link 1's frame at angle 0. A point
// of the plane (first, second coordinate) lies at (first, lift, second) in it, so the drawings
// move with their plane when it is tilted and with the scene when it spins.
#pragma once

#include "engine/Frame.h"
#include "engine/Math3d.h"
#include "engine/RefPtr.h"
#include "kinematics/Mechanism.h"

namespace qor {

class IDirect3DRM;

// Made under link 1's parent, at link 1's place. Null when the engine refuses the frame.
RefPtr<IDirect3DRMFrame> NewPlaneFrame(IDirect3DRM* engine, IDirect3DRMFrame& link1Frame,
                                       MechanismPlane plane);

// The height above the plane frame at which links 2 and 3 turn, and so where B moves.
double CouplerLift(MechanismPlane plane);

// A point of the mechanism's own coordinates (as the solver gives them) in the plane frame, at
// the coupler's height.
Vec3 PlaneFramePoint(MechanismPlane plane, const Point3& p);

} // namespace qor
