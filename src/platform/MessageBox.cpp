#include "platform/MessageBox.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace qor {
namespace {

MessageBoxHandler& CurrentHandler() {
    static MessageBoxHandler handler;
    return handler;
}

QMessageBox::Icon ToQt(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::None:
        return QMessageBox::NoIcon;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Warning:
        return QMessageBox::Warning;
    case MsgIcon::Error:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

std::vector<MsgResult> ButtonsOf(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::Ok:
        return {MsgResult::Ok};
    case MsgButtons::YesNo:
        return {MsgResult::Yes, MsgResult::No};
    case MsgButtons::OkCancel:
        return {MsgResult::Ok, MsgResult::Cancel};
    case MsgButtons::YesNoCancel:
        return {MsgResult::Yes, MsgResult::No, MsgResult::Cancel};
    case MsgButtons::SaveDiscardCancel:
        return {MsgResult::Save, MsgResult::Discard, MsgResult::Cancel};
    }
    return {MsgResult::Ok};
}

const char* ButtonSource(MsgResult result) {
    switch (result) {
    case MsgResult::Ok:
        return QT_TRANSLATE_NOOP("qor::MessageBox", "ОК");
    case MsgResult::Yes:
        return QT_TRANSLATE_NOOP("qor::MessageBox", "Да");
    case MsgResult::No:
        return QT_TRANSLATE_NOOP("qor::MessageBox", "Нет");
    case MsgResult::Cancel:
        return QT_TRANSLATE_NOOP("qor::MessageBox", "Отмена");
    case MsgResult::Save:
        return QT_TRANSLATE_NOOP("qor::MessageBox", "Сохранить");
    case MsgResult::Discard:
        return QT_TRANSLATE_NOOP("qor::MessageBox", "Не сохранять");
    }
    return "";
}

QString ButtonText(MsgResult result) {
    return QCoreApplication::translate("qor::MessageBox", ButtonSource(result));
}

QMessageBox::ButtonRole RoleOf(MsgResult result) {
    switch (result) {
    case MsgResult::Ok:
        return QMessageBox::AcceptRole;
    case MsgResult::Yes:
        return QMessageBox::YesRole;
    case MsgResult::No:
        return QMessageBox::NoRole;
    case MsgResult::Cancel:
        return QMessageBox::RejectRole;
    case MsgResult::Save:
        return QMessageBox::AcceptRole;
    case MsgResult::Discard:
        return QMessageBox::DestructiveRole;
    }
    return QMessageBox::AcceptRole;
}

MsgResult ShowOnScreen(const MessageBoxRequest& request) {
    QMessageBox box(ToQt(request.icon), request.caption, request.text, QMessageBox::NoButton,
                    request.owner);
    const std::vector<MsgResult> results = ButtonsOf(request.buttons);
    std::vector<QAbstractButton*> buttons;
    for (MsgResult result : results) {
        buttons.push_back(box.addButton(ButtonText(result), RoleOf(result)));
    }
    box.setDefaultButton(qobject_cast<QPushButton*>(buttons.front()));
    box.setEscapeButton(buttons.back());
    box.exec();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (box.clickedButton() == buttons[i]) {
            return results[i];
        }
    }
    return results.back();
}

} // namespace

MsgResult ShowMessageBox(QWidget* owner, const QString& text, const QString& caption, MsgIcon icon,
                         MsgButtons buttons) {
    const MessageBoxRequest request{owner, text, caption, icon, buttons};
    if (CurrentHandler()) {
        return CurrentHandler()(request);
    }
    return ShowOnScreen(request);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    MessageBoxHandler previous = std::move(CurrentHandler());
    CurrentHandler() = std::move(handler);
    return previous;
}

void ShowException(const std::exception& error) {
    ShowMessageBox(nullptr, QString::fromUtf8(error.what()), QStringLiteral("QOR"), MsgIcon::Error,
                   MsgButtons::Ok);
}

void RunCommand(const std::function<void()>& command) {
    try {
        command();
    } catch (const std::exception& error) {
        ShowException(error);
    }
}

MessageBoxRecorder::MessageBoxRecorder() {
    previous_ = SetMessageBoxHandler([this](const MessageBoxRequest& request) {
        shown_.push_back(request);
        if (answers_.empty()) {
            return ButtonsOf(request.buttons).front();
        }
        const MsgResult answer = answers_.front();
        answers_.pop_front();
        return answer;
    });
}

MessageBoxRecorder::~MessageBoxRecorder() {
    SetMessageBoxHandler(std::move(previous_));
}

QStringList MessageBoxRecorder::Texts() const {
    QStringList texts;
    for (const MessageBoxRequest& request : shown_) {
        texts << request.text;
    }
    return texts;
}

} // namespace qor
