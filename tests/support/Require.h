// Engine calls that set up what a test, a picture or a benchmark looks at: each one must succeed.
// One that fails throws, naming where it was made and its result code; GoogleTest reports the
// exception as a failure of the test that made the call, and any other program ends with it.
#pragma once

#include "engine/Results.h"
#include "view/ResultCodeNames.h"

#include <source_location>
#include <stdexcept>
#include <string>

namespace qor::test {

inline void Require(HRESULT code, std::source_location where = std::source_location::current()) {
    if (Failed(code)) {
        throw std::runtime_error(std::string(where.file_name()) + ":" +
                                 std::to_string(where.line()) + ": an engine call failed with " +
                                 HResultToText(code).toStdString());
    }
}

} // namespace qor::test
