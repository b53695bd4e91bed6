// The cycle of a drive: the positions a mechanism passes through, computed ahead with the solver
// the animation uses, from its current state until its driven angles come round again.
#pragma once

#include "kinematics/Mechanism.h"

#include <vector>

namespace qor {

// The longest cycle computed: the drive is followed for at most this many positions.
constexpr int MaxCycleSteps = 100000;

// Which driven links turn, by their steps.
enum class DrivenLinks {
    None,  // dFi and dGamma are both 0: nothing moves
    Link1, // only link 1 turns (dFi)
    Link4, // only link 4 turns (dGamma)
    Both,  // links 1 and 4 both turn
};

DrivenLinks DrivenLinksOf(const Mechanism& m);

// One position of the cycle, as the record holds it right after its solve.
struct CycleRow {
    int Step = 0;    // 0 for the state the cycle starts from, then one per advance
    double Fi = 0.0; // the four angles, radians
    double Psi = 0.0;
    double Ksi = 0.0;
    double Gamma = 0.0;
    Point3 Joint12; // the moving points, in the mechanism's scene coordinates
    Point3 B;
    Point3 Joint43;
    double Transmission = 0.0; // the transmission angle at B, radians (see TransmissionAngle)
};

struct Cycle {
    Mechanism Start;                       // the record the cycle starts from: parameters and drive
    DrivenLinks Drive = DrivenLinks::None; // None: no rows
    bool Closed = false;        // the driven angles came round again within the step limit
    int RepeatsFrom = -1;       // when closed: the row the next advance would repeat, else -1
    std::vector<CycleRow> Rows; // every position before the repeat, or up to the step limit
};

// Follows the drive of a copy of `current`: row 0 is the current state as it is (the animation's
// record is always solved), and every further row is one advance exactly as the running program
// makes it, AccumulateAngles then SolvePosition, so the rows are bit for bit the positions the
// animation will show. It stops before the first pair (Fi, Gamma) that is a pair already
// recorded (equal, or apart by no more than the rounding of the steps, see AnglePairIndex), or
// after maxSteps rows. Rows before RepeatsFrom are a lead-in that the drive never comes back to
// (a start off the cycle); the rest is the cycle proper.
// Without a driven link the result has no rows.
Cycle ComputeCycle(const Mechanism& current, int maxSteps = MaxCycleSteps);

} // namespace qor
