#include "analysis/CycleCsv.h"

#include "analysis/CycleColumns.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <ostream>

namespace qor {
namespace {

// Longer than any shortest round-trip double ("-2.2250738585072014e-308" is 24 characters).
constexpr std::size_t NumberBufferSize = 32;

// The table is written in pieces of about this size, so that a long cycle needs no text of its
// own size in memory.
constexpr std::size_t ChunkSize = 1 << 16;

struct Separators {
    char field;
    char decimal;
};

Separators SeparatorsOf(CsvStyle style) {
    return style == CsvStyle::Semicolon ? Separators{';', ','} : Separators{',', '.'};
}

void AppendHeader(std::string& out, Separators s) {
    const std::size_t start = out.size();
    out += CycleCsvHeader;
    std::replace(out.begin() + static_cast<std::ptrdiff_t>(start), out.end(), ',', s.field);
    out += '\n';
}

void AppendRow(std::string& out, const CycleRow& row, Separators s) {
    std::array<char, NumberBufferSize> text{};
    const auto step = std::to_chars(text.data(), text.data() + text.size(), row.Step);
    out.append(text.data(), step.ptr);
    for (int column = 1; column < CycleColumnCount; ++column) {
        out += s.field;
        AppendCsvNumber(out, ColumnValue(row, static_cast<CycleColumn>(column)), s.decimal);
    }
    out += '\n';
}

} // namespace

void AppendCsvNumber(std::string& out, double value, char decimalPoint) {
    std::array<char, NumberBufferSize> text{};
    // Adding 0.0 turns -0 into 0 and leaves every other value as it is.
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value + 0.0);
    const std::size_t start = out.size();
    out.append(text.data(), result.ptr);
    if (decimalPoint != '.') {
        std::replace(out.begin() + static_cast<std::ptrdiff_t>(start), out.end(), '.',
                     decimalPoint);
    }
}

std::string CycleCsv(const Cycle& cycle, CsvStyle style) {
    const Separators s = SeparatorsOf(style);
    std::string out;
    out.reserve((cycle.Rows.size() + 1) * 8 * 24);
    AppendHeader(out, s);
    for (const CycleRow& row : cycle.Rows) {
        AppendRow(out, row, s);
    }
    return out;
}

void WriteCycleCsv(std::ostream& out, const Cycle& cycle, CsvStyle style) {
    const Separators s = SeparatorsOf(style);
    std::string chunk;
    chunk.reserve(ChunkSize + 512);
    AppendHeader(chunk, s);
    for (const CycleRow& row : cycle.Rows) {
        AppendRow(chunk, row, s);
        if (chunk.size() >= ChunkSize) {
            out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
            chunk.clear();
        }
    }
    out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
}

} // namespace qor
