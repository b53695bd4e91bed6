// Names of the engine's result codes, and the text shown for a result code in failure messages.
#pragma once

#include <QString>

#include <cstdint>
#include <span>

namespace qor {

struct ResultCodeNameEntry {
    quint16 key;
    const char* name;
};

// The whole name table, by strictly ascending key.
std::span<const ResultCodeNameEntry> ResultCodeNameTable();

// The symbolic name filed under a key of the result-code name table, or an empty text when the
// table has no entry for the key. A result code's key is its low 16 bits minus 5, modulo 65536.
QString ResultCodeName(quint16 key);

// The text for a result code: "Ошибок нет" for 0, else the code's name from the table, else
// " строка результата HRESULT не найдена".
QString HResultToText(std::int32_t code);

} // namespace qor
