#include "analysis/CycleFigures.h"

#include "kinematics/Solver.h"

#include <algorithm>
#include <cmath>

namespace qor {

double ClosingMargin(const Mechanism& m) {
    const double pivotDistance = std::sqrt(m.a * m.a + m.b * m.b);
    return m.L2 + m.L3 - (std::fabs(m.L1) + std::fabs(m.L4) + pivotDistance);
}

CycleFigures FiguresOf(const Cycle& cycle) {
    CycleFigures figures;
    figures.ClosingMargin = ClosingMargin(cycle.Start);
    figures.CycleLength = static_cast<int>(cycle.Rows.size());
    if (cycle.Rows.empty()) {
        return figures;
    }
    const MechanismPlane plane = cycle.Start.Plane;
    const CycleRow& first = cycle.Rows.front();
    TransmissionExtreme smallest{first.Transmission, first.Step};
    TransmissionExtreme largest = smallest;
    const double second = SecondPlaneCoordinate(plane, first.B);
    PlaneRange range{first.B.x, first.B.x, second, second};
    for (const CycleRow& row : cycle.Rows) {
        if (row.Transmission < smallest.Angle) {
            smallest = {row.Transmission, row.Step};
        }
        if (row.Transmission > largest.Angle) {
            largest = {row.Transmission, row.Step};
        }
        const double y = SecondPlaneCoordinate(plane, row.B);
        range.MinFirst = std::min(range.MinFirst, row.B.x);
        range.MaxFirst = std::max(range.MaxFirst, row.B.x);
        range.MinSecond = std::min(range.MinSecond, y);
        range.MaxSecond = std::max(range.MaxSecond, y);
    }
    figures.SmallestTransmission = smallest;
    figures.LargestTransmission = largest;
    figures.RangeOfB = range;
    return figures;
}

} // namespace qor
