#include "forms/DialogFrame.h"

#include <QKeyEvent>
#include <QObject>
#include <QScreen>
#include <QWidget>

#include <utility>

namespace qor {

namespace {

// Belongs to the control it watches.
class EnterKeyFilter : public QObject {
public:
    EnterKeyFilter(QWidget* control, std::function<void()> command)
        : QObject(control), command_(std::move(command)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                RunCommand(command_);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> command_;
};

} // namespace

void CentreOnScreen(QWidget* window) {
    if (window->screen() == nullptr) {
        return;
    }
    QRect frame = window->frameGeometry();
    frame.moveCenter(window->screen()->availableGeometry().center());
    window->move(frame.topLeft());
}

void OnEnterKey(QWidget* control, std::function<void()> command) {
    control->installEventFilter(new EnterKeyFilter(control, std::move(command)));
}

} // namespace qor
