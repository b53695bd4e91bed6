// Where the parts of the scene stand, in scene units (centimetres): the floor board and the wall,
// the pivots of both mechanisms on them, and the quarter turns that stand frames up.
#pragma once

#include "engine/Types.h"

#include <numbers>

namespace qor {

// The floor board's origin in the scene; the wall stands at the same point.
inline constexpr double kFloorX = 5.5;
inline constexpr double kFloorZ = 2.0;
// Pivot 1 of the floor mechanism lies this far in front of the wall (towards the camera).
inline constexpr double kFloorPivotZ = -9.5;
// Pivot 1 of the wall mechanism lies this high above the floor, and this far before the wall.
inline constexpr double kWallPivotY = 1.0;
inline constexpr double kWallPivotZ = -0.2;
// How far each link frame lifts the next link above the frame it hangs on.
inline constexpr double kFloorLift = 0.1;
inline constexpr double kWallLift = 0.2;

// -pi/2 as the engine takes it (-1.5707964): the turn about x that stands the wall mechanism's
// driven link frames up, and the turn about y of every axes frame.
inline constexpr D3DVALUE kMinusQuarterTurn = static_cast<D3DVALUE>(-std::numbers::pi / 2);

} // namespace qor
