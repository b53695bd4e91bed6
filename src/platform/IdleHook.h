// The application's idle hook: one handler, called whenever the event loop has nothing left to
// do, in the main loop and in the nested loops of modal dialogs alike.
//
// The handler receives `done`, set to true before each call. Left true, the hook waits until the
// next event arrives from outside the program's own drawing and then calls the handler once more
// after that event. Set to false, the handler is called again as soon as the queue is empty.
#pragma once

#include <functional>

namespace qor {

using IdleHandler = std::function<void(bool& done)>;

// Installs `handler`, replacing any handler installed before; the first pass follows as soon as
// the queue is empty. An empty handler removes the hook. Needs the QApplication.
void InstallIdleHandler(IdleHandler handler);

// Removes the handler: no pass runs until one is installed again.
void RemoveIdleHandler();

// A waiting hook runs its next pass as soon as the queue is empty, as if an event had come: for
// changes the program makes itself, without an event from outside.
void WakeIdleHandler();

bool IdleHandlerInstalled();

} // namespace qor
