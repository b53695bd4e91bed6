// The columns of a cycle's table: what the window's table, its plots and the CSV show of a row.
#pragma once

#include "analysis/Cycle.h"

namespace qor {

// In the order of the table and the CSV.
enum class CycleColumn {
    Step,
    Fi, // the four angles in degrees, RadToDeg as the read-outs compute them
    Psi,
    Ksi,
    Gamma,
    xB, // B in centimetres as the read-outs show it: on the floor x, 0 and the second plane
    yB, // coordinate negated; on the wall x, the second plane coordinate and 0
    zB,
    Transmission, // the transmission angle in degrees
};

constexpr int CycleColumnCount = 9;

// The value a row shows in a column; the step as a double.
double ColumnValue(const CycleRow& row, CycleColumn column);

} // namespace qor
