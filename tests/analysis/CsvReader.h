// A small reader of RFC 4180 text, to read the cycle's table back the way a spreadsheet would.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor::test {

using CsvRecords = std::vector<std::vector<std::string>>;

// Records end with "\r\n" or "\n" (the last one may end with the text). A field in double quotes
// may hold the separator, line breaks and doubled quotes. Nothing when a quote is left open or
// text follows a closing quote.
std::optional<CsvRecords> ReadCsv(std::string_view text, char separator);

} // namespace qor::test
