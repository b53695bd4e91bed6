// What the program's dialogs share around their contents: their title bars, their place on the
// screen, and how their buttons and keys run commands.
#pragma once

#include "platform/MessageBox.h"

#include <Qt>

#include <functional>

class QWidget;

namespace qor {

// A fixed dialog whose title bar holds only the close box.
inline constexpr Qt::WindowFlags kCloseBoxOnly = Qt::Dialog | Qt::CustomizeWindowHint |
                                                 Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                                 Qt::WindowCloseButtonHint;
// A title bar with no buttons at all.
inline constexpr Qt::WindowFlags kNoTitleButtons =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

// Moves the window, frame included, to the middle of its screen's free area. Called when the
// program shows it, not when the window system shows it again.
void CentreOnScreen(QWidget* window);

// A handler of the form as a user command: an exception it raises stops it and is shown, and
// the program goes on (RunCommand).
template <class Form> std::function<void()> Command(Form* form, void (Form::*handler)()) {
    return [form, handler] { RunCommand([form, handler] { (form->*handler)(); }); };
}

// Runs the command as a user command every time Return or Enter is pressed in the control; the
// key still reaches the control afterwards.
void OnEnterKey(QWidget* control, std::function<void()> command);

} // namespace qor
