// A benchmark runs unattended: a message box the program would show is printed instead, so that
// it can neither block the run nor pass unseen.
#pragma once

#include "platform/MessageBox.h"

#include <cstdio>

namespace qor::bench {

inline void PrintMessageBoxes() {
    SetMessageBoxHandler([](const MessageBoxRequest& box) {
        std::fprintf(stderr, "qor-bench: %s %s\n", qPrintable(box.caption),
                     qPrintable(box.text.trimmed()));
        return MsgResult::Ok;
    });
}

} // namespace qor::bench
