#include "CsvReader.h"

namespace qor::test {

std::optional<CsvRecords> ReadCsv(std::string_view text, char separator) {
    CsvRecords records;
    std::vector<std::string> record;
    std::string field;
    std::size_t i = 0;
    const auto endField = [&] {
        record.push_back(field);
        field.clear();
    };
    const auto endRecord = [&] {
        endField();
        records.push_back(record);
        record.clear();
    };
    while (i < text.size()) {
        if (text[i] == '"' && field.empty()) {
            // A quoted field runs to the next quote that is not doubled.
            for (++i;; ++i) {
                if (i >= text.size()) {
                    return std::nullopt;
                }
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        field += '"';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i];
            }
            if (i < text.size() && text[i] != separator && text[i] != '\r' && text[i] != '\n') {
                return std::nullopt;
            }
            continue;
        }
        if (text[i] == separator) {
            endField();
        } else if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            endRecord();
            ++i;
        } else if (text[i] == '\n') {
            endRecord();
        } else {
            field += text[i];
        }
        ++i;
    }
    if (!field.empty() || !record.empty()) {
        endRecord();
    }
    return records;
}

} // namespace qor::test
