// The program's start-up and its one run: everything from the title to the end of the message
// loop, with the application object already made.
#pragma once

#include "platform/Language.h"

#include <QString>

#include <memory>
#include <optional>

namespace qor {

class TMainForm;

// Installs the language (the one given, else the one the user chose last), sets the title and
// the icon, creates the main window with its parameter dialog and shows the window maximized,
// then opens the design file when one is named. The message loop is the caller's.
std::unique_ptr<TMainForm> StartMainWindow(const QString& designFile = {},
                                           std::optional<Language> language = {});

// StartMainWindow, then the message loop until the window closes. An exception that escapes is
// shown with the standard exception display. Returns the program's exit code, which is always 0.
int RunProgram(const QString& designFile = {}, std::optional<Language> language = {});

} // namespace qor
