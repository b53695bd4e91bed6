// TSetupForm: the modal image-settings dialog, opened from the main window's settings command.
// For now it is the dialog's frame: its caption, its size and its three buttons, each of which
// closes it. Its pages (device, viewport, render states, drivers) come with the render-settings
// work, which also gives it the main window's view host.
#pragma once

#include <QDialog>

class QPushButton;
class QShowEvent;

namespace qor {

class TSetupForm : public QDialog {
    Q_OBJECT

public:
    explicit TSetupForm(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnSave = nullptr;
};

} // namespace qor
