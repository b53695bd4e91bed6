// The program's start-up and its one run: everything from the title to the end of the message
// loop, with the application object already made.
#pragma once

namespace qor {

// Sets the title, creates the main window and the parameter dialog, shows the window maximized
// and runs the message loop until the window closes. An exception that escapes is shown with the
// standard exception display. Returns the program's exit code, which is always 0.
int RunProgram();

} // namespace qor
