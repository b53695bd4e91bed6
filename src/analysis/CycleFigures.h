// The figures a designer checks on a cycle: how much the linkage has to spare, how well it
// transmits, where B goes and how long the drive takes to come round.
#pragma once

#include "analysis/Cycle.h"
#include "kinematics/Mechanism.h"

#include <optional>

namespace qor {

// How much longer the coupler links are than the largest gap they may have to bridge:
// L2 + L3 - (L1 + L4 + sqrt(a² + b²)), in centimetres. It is at least 0 exactly when the sum
// part of the closing rule holds; like that rule it counts L1 and L4 by their magnitudes.
double ClosingMargin(const Mechanism& m);

// A transmission angle of the cycle (radians) and the first row where it occurs.
struct TransmissionExtreme {
    double Angle = 0.0;
    int Step = 0;
};

// The smallest rectangle of the mechanism's plane that holds B over the cycle.
struct PlaneRange {
    double MinFirst = 0.0; // first plane coordinate (x)
    double MaxFirst = 0.0;
    double MinSecond = 0.0; // second plane coordinate (z on the floor, y on the wall)
    double MaxSecond = 0.0;
};

struct CycleFigures {
    double ClosingMargin = 0.0;
    int CycleLength = 0; // rows from the start to the repeat (or to the step limit)
    // The rest needs at least one row: empty when nothing is driven.
    std::optional<TransmissionExtreme> SmallestTransmission;
    std::optional<TransmissionExtreme> LargestTransmission;
    std::optional<PlaneRange> RangeOfB;
};

CycleFigures FiguresOf(const Cycle& cycle);

} // namespace qor
