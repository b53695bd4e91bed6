// Whether anything below a frame moves: the test that lets an idle loop stop rendering while
// the scene stands still.
#pragma once

#include "engine/Types.h"

namespace qor {

class IDirect3DRMFrame;

// One frame's motion as the view host judges it: the sum of the three velocity components
// differs from 0, or the rotation angle per time unit does. Velocity components that cancel out
// count as still.
bool CountsAsMoving(const D3DVECTOR& velocity, D3DVALUE rotationAngle);

// Depth first, stopping at the first moving descendant of frame (the frame itself is not
// tested); velocities (rotation included) and rotations are taken relative to reference.
// False for a null frame.
bool AnyDescendantMoves(IDirect3DRMFrame* frame, IDirect3DRMFrame* reference);

} // namespace qor
