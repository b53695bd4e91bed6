// Between a design (the dialog's numbers, angles in degrees) and the program's Mechanism records
// (angles and steps in radians).
#pragma once

#include "design/Design.h"
#include "kinematics/Mechanism.h"

namespace qor {

// The step a drive gives a link: 0 when off, +velocity for "+", -velocity for "-".
double StepOf(LinkDrive drive, double velocity);

// A record as the parameter dialog's OK makes it from these values (DegToRad of the velocities
// and the initial angles, which become Fi and Gamma), every other state at 0 and not running,
// and the steps dFi and dGamma set from the drives.
Mechanism MechanismOf(const MechanismDesign& design, MechanismPlane plane);

// The degrees that an angle in radians was made from: the shortest decimal whose DegToRad gives
// back exactly `radians`, so 30 degrees, once in radians, comes back as 30 and not as
// 30.000000000000004. When no decimal does, RadToDeg of the value.
double DegreesOf(double radians);

// The design of a record whose Fi and Gamma are still the initial angles (as the dialog left
// them, before any step), with the drives as the window shows them. A drive is given apart from
// the steps because a ticked link with a step of 0 is still "+" or "-". The record's lengths
// must be whole numbers within the 32-bit range, as the dialog makes them; anything else throws
// std::invalid_argument.
MechanismDesign DesignOf(const Mechanism& record, LinkDrive link1, LinkDrive link4);

} // namespace qor
