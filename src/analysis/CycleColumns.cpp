#include "analysis/CycleColumns.h"

#include "kinematics/Angles.h"

namespace qor {
namespace {

double Degrees(double radians) {
    return static_cast<double>(RadToDeg(radians));
}

} // namespace

double ColumnValue(const CycleRow& row, CycleColumn column) {
    switch (column) {
    case CycleColumn::Step:
        return row.Step;
    case CycleColumn::Fi:
        return Degrees(row.Fi);
    case CycleColumn::Psi:
        return Degrees(row.Psi);
    case CycleColumn::Ksi:
        return Degrees(row.Ksi);
    case CycleColumn::Gamma:
        return Degrees(row.Gamma);
    case CycleColumn::xB:
        return row.B.x;
    case CycleColumn::yB:
        return row.B.y;
    // The read-outs show z with its sign reversed (LocatePointB).
    case CycleColumn::zB:
        return -row.B.z;
    case CycleColumn::Transmission:
        return Degrees(row.Transmission);
    }
    return 0.0;
}

} // namespace qor
