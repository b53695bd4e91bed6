// The models of the scene, each in the frame that the scene places it in.
#pragma once

#include "Mesh.h"

#include <string>

namespace qor::modelgen {

// A link of the given length in centimetres: a flat bar along x from its pivot at the origin
// to its far joint at (length, 0, 0), with rounded ends and a pin along y at each joint.
Mesh LinkModel(int length);

// The hinge at point B: a drum on an axle along y, centred on the origin.
Mesh HingeModel(const std::string& name, Rgb colour);

// A set of axes with arrowheads. In the model's own coordinates the lime x arrow points along
// -z, the blue y arrow along +y and the red z arrow along -x: the scene turns every axes frame
// by -90 degrees about y, which brings them to +x, +y and -z of the floor or wall, the
// directions in which the read-outs xB, yB and zB (B's z negated) grow.
enum class AxesStyle { Mechanism, World };
Mesh AxesModel(AxesStyle style);

// The floor: a board whose top face is the plane y = 0, covered with the centimetre grid.
Mesh FloorModel(const std::string& texture);

// The wall: a slab whose front face is the plane z = 0, covered with the centimetre grid,
// standing on the floor's line and reaching down through the floor's thickness.
Mesh WallModel(const std::string& texture);

} // namespace qor::modelgen
