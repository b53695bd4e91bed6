// Driving the real main window as a person would for the benchmarks: the window made active, and
// a new construction with the parameter dialog's default values accepted by its "ОК" button.
#pragma once

#include <chrono>
#include <functional>

namespace qor {
class TMainForm;
}

namespace qor::bench {

// Processes events until the form is the application's active window, for at most five seconds.
// False when it never became active.
bool ActivateAndWait(TMainForm& form);

// Starts a new construction from the event loop and presses "ОК" in the parameter dialog as soon
// as the dialog shows. pressed is called with the moment right before the press; done once the
// new construction has returned. The caller runs the event loop.
void MakeDefaultConstruction(TMainForm& form,
                             std::function<void(std::chrono::steady_clock::time_point)> pressed,
                             std::function<void()> done);

} // namespace qor::bench
