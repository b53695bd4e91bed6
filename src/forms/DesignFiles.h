// Design files as the main window opens and saves them: a fault of the file and a fault of the
// design inside it come out as one Russian message that names the file.
#pragma once

#include "design/Design.h"

#include <QString>

#include <optional>
#include <variant>

namespace qor {

// The design in the file, or the message that says why there is none: "Не удаётся открыть
// «/home/u/a.qor»: строка 7: L2 ≠ L3". A file over 1 MiB is refused before it is read.
std::variant<Design, QString> ReadDesignFile(const QString& path);

// Writes the design to the file atomically; the message when that failed.
std::optional<QString> WriteDesignFile(const QString& path, const Design& design);

} // namespace qor
