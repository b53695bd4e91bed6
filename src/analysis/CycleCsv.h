// The cycle as a table of text: a header row, then one row per position, in full precision.
#pragma once

#include "analysis/Cycle.h"

#include <iosfwd>
#include <string>
#include <string_view>

namespace qor {

enum class CsvStyle {
    Comma,     // "," between fields, "." as the decimal point (the default)
    Semicolon, // ";" between fields, "," as the decimal point, for spreadsheets in such locales
};

// The header row, the same in every language of the interface, with "," between the names (";"
// in the semicolon style). Columns: the step; Fi, Psi, Ksi and Gamma in degrees; B as the
// read-outs show it, in centimetres (floor: x, 0 and the second plane coordinate negated; wall:
// x, the second plane coordinate and 0); the transmission angle in degrees.
constexpr std::string_view CycleCsvHeader =
    "step,Fi_deg,Psi_deg,Ksi_deg,Gamma_deg,xB_cm,yB_cm,zB_cm,transmission_deg";

// Appends the shortest text that reads back as the same double, with the given decimal point;
// -0 is written as 0.
void AppendCsvNumber(std::string& out, double value, char decimalPoint);

// The whole table, one "\n"-ended line per row. Degrees are RadToDeg of the angle, as the
// read-outs compute them. A cycle without rows gives the header alone.
std::string CycleCsv(const Cycle& cycle, CsvStyle style = CsvStyle::Comma);
void WriteCycleCsv(std::ostream& out, const Cycle& cycle, CsvStyle style = CsvStyle::Comma);

} // namespace qor
