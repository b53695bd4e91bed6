// Every message box of the program goes through ShowMessageBox, so that tests can answer the
// boxes and list what was shown (MessageBoxRecorder). The buttons speak the program's language,
// whatever the locale.
#pragma once

#include <QString>

#include <deque>
#include <exception>
#include <functional>
#include <vector>

class QWidget;

namespace qor {

enum class MsgIcon {
    None,
    Information,
    Warning, // the exclamation mark
    Error,
    Question,
};

enum class MsgButtons {
    Ok,                // "ОК"
    YesNo,             // "Да", "Нет"
    OkCancel,          // "ОК", "Отмена"
    YesNoCancel,       // "Да", "Нет", "Отмена"
    SaveDiscardCancel, // "Сохранить", "Не сохранять", "Отмена"
};

enum class MsgResult {
    Ok,
    Yes,
    No,
    Cancel,
    Save,
    Discard,
};

struct MessageBoxRequest {
    QWidget* owner = nullptr; // null: owned by the application, not by a window
    QString text;
    QString caption;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
};

using MessageBoxHandler = std::function<MsgResult(const MessageBoxRequest&)>;

// Shows a modal message box and returns the button pressed. Closing the box without a button
// counts as the last button of the set (OK, No or Cancel).
MsgResult ShowMessageBox(QWidget* owner, const QString& text, const QString& caption,
                         MsgIcon icon = MsgIcon::None, MsgButtons buttons = MsgButtons::Ok);

// Replaces the box shown on screen; an empty handler restores it. Returns the previous handler.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

// The application's standard display of an exception that ended a command: a box with the
// program's title "QOR", an error icon and the exception's text.
void ShowException(const std::exception& error);

// Runs one user command; an exception it raises stops the command and is shown with
// ShowException, and the program goes on.
void RunCommand(const std::function<void()>& command);

// While alive, answers every message box instead of the user and records it. Answers are taken
// from the queue in order; when the queue is empty, the first button of the box is pressed.
class MessageBoxRecorder {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    void Answer(MsgResult result) { answers_.push_back(result); }
    const std::vector<MessageBoxRequest>& Shown() const { return shown_; }
    QStringList Texts() const;
    void Clear() { shown_.clear(); }

private:
    MessageBoxHandler previous_;
    std::vector<MessageBoxRequest> shown_;
    std::deque<MsgResult> answers_;
};

} // namespace qor
