// The settings dialog as a whole: its engine object, the device it works on, activation and
// hiding, and the three buttons.
#include "forms/FrmSetup.h"

#include "engine/RetainedMode.h"
#include "forms/FrmSetupUpDown.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTabWidget>

#include <utility>

namespace qor {

TSetupForm::TSetupForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SetupForm"));
    setWindowTitle(QStringLiteral("Настройки изображения"));
    // A fixed dialog whose title bar holds only the close box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    CreateControls();
    setFixedSize(445, 318);
    ConnectHandlers();

    Direct3DRMCreate(RMEngine);
    if (!RMEngine) {
        PageControl->setEnabled(false);
        return;
    }
    FillRenderStateTypes();
}

// The state types' value lists live in the combo's items and go with it.
TSetupForm::~TSetupForm() {
    ReleaseDevices();
    RMEngine.reset();
}

void TSetupForm::ConnectHandlers() {
    const auto command = [this](auto handler) {
        return [this, handler] { RunCommand([this, handler] { (this->*handler)(); }); };
    };
    connect(btnOK, &QPushButton::clicked, this, command(&TSetupForm::btnOKClick));
    connect(btnCancel, &QPushButton::clicked, this, command(&TSetupForm::btnCancelClick));
    connect(btnSave, &QPushButton::clicked, this, command(&TSetupForm::btnSaveClick));

    connect(cbDither, &QCheckBox::toggled, this, command(&TSetupForm::cbDitherClick));
    const auto comboChange = [&](QComboBox* combo, void (TSetupForm::*handler)()) {
        connect(combo, &QComboBox::currentIndexChanged, this, command(handler));
    };
    comboChange(QualityCombo, &TSetupForm::QualityComboClick);
    comboChange(ShadeCombo, &TSetupForm::ShadeComboClick);
    comboChange(LightCombo, &TSetupForm::LightComboClick);
    comboChange(FillCombo, &TSetupForm::FillComboClick);
    comboChange(TextureCombo, &TSetupForm::TextureComboClick);
    connect(udShades, &TUpDown::Click, this,
            [this](bool up) { RunCommand([this, up] { udShadesClick(up); }); });

    connect(lbVports, &QListWidget::currentRowChanged, this, command(&TSetupForm::lbVportsClick));
    // Turning a radio button on, or the check box either way, counts as a click.
    for (QRadioButton* button : {rbPerspective, rbOrthographic}) {
        connect(button, &QRadioButton::toggled, this, [this, button](bool on) {
            if (on) {
                RunCommand([this, button] { AnyVportClick(button); });
            }
        });
    }
    connect(cbScale, &QCheckBox::toggled, this,
            [this] { RunCommand([this] { AnyVportClick(cbScale); }); });
    for (QLineEdit* edit : {edField, edFront, edBack, edLeft, edRight, edTop, edBottom}) {
        edit->installEventFilter(this);
    }

    comboChange(RSTypeCombo, &TSetupForm::RSTypeComboClick);
    connect(btnAdd, &QPushButton::clicked, this, command(&TSetupForm::btnAddClick));
    connect(btnDelete, &QPushButton::clicked, this, command(&TSetupForm::btnDeleteClick));
    connect(btnExecute, &QPushButton::clicked, this, command(&TSetupForm::btnExecClick));

    // Every click on an entry shows its text, also on the entry already selected: after a
    // device-page change the list selects entry 0 while the memo may still show another driver.
    connect(lbDrivers, &QListWidget::currentRowChanged, this, command(&TSetupForm::lbDriversClick));
    connect(lbDrivers, &QListWidget::itemClicked, this, command(&TSetupForm::lbDriversClick));
    connect(lbDrivers, &QListWidget::itemDoubleClicked, this,
            command(&TSetupForm::lbDriversDblClick));
}

void TSetupForm::AcquireDevice() {
    if (!RMEngine) {
        return;
    }
    RMDevice.reset();
    RefPtr<IDirect3DRMDeviceArray> devices;
    RMEngine->GetDevices(devices);
    if (devices && devices->GetSize() > 0) {
        devices->GetElement(0, RMDevice);
    }
}

void TSetupForm::AcquireD3DDevice() {
    if (!RMDevice) {
        return;
    }
    D3DDevice.reset();
    RMDevice->GetDirect3DDevice(D3DDevice);
}

void TSetupForm::RedrawScene() {
    if (RMDevice && RMEngine) {
        RMEngine->Tick(0.0f);
    }
}

void TSetupForm::MarkChanged() {
    Changed = true;
    btnOK->setEnabled(true);
    btnSave->setEnabled(true);
}

void TSetupForm::ResetDialog() {
    TakeSnapshot();
    RefreshDevicePage();
    lbDriversClick();
    btnOK->setEnabled(false);
    btnSave->setEnabled(false);
}

void TSetupForm::ReleaseDevices() {
    D3DDevice.reset();
    RMDevice.reset();
    // The viewport entries point at viewports without holding them: the device re-created
    // after this may come without them, or not come at all.
    CurrentVport = nullptr;
    {
        const QSignalBlocker quiet(lbVports);
        lbVports->clear();
    }
    FreeSnapshot();
    lbDrivers->clear();
}

void TSetupForm::FormActivate() {
    FreeSnapshot();
    Changed = false;
    PageControl->setCurrentWidget(tsRMDevice);
    ResetDialog();
}

void TSetupForm::FormHide() {
    ReleaseDevices();
}

void TSetupForm::btnOKClick() {
    CloseDialog(Accepted);
    RedrawScene();
}

void TSetupForm::btnSaveClick() {
    TakeSnapshot();
    SaveToIni();
    btnSave->setEnabled(false);
}

void TSetupForm::btnCancelClick() {
    if (Changed) {
        RestoreSnapshot();
    }
    AnyVportClick(btnCancel);
    CloseDialog(Rejected);
    RedrawScene();
}

void TSetupForm::CloseDialog(int result) {
    QMetaObject::invokeMethod(
        this, [this, result] { done(result); }, Qt::QueuedConnection);
}

bool TSetupForm::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::WindowActivate:
        if (!std::exchange(resuming_, false)) {
            RunCommand([this] { FormActivate(); });
        }
        break;
    case QEvent::WindowDeactivate: {
        // The window that takes over is already the active one.
        const QWidget* next = QApplication::activeWindow();
        resuming_ = next == nullptr || qobject_cast<const QMessageBox*>(next) != nullptr;
        break;
    }
    default:
        break;
    }
    return QDialog::event(event);
}

void TSetupForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) {
        return;
    }
    resuming_ = false;
    if (screen() != nullptr) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen()->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TSetupForm::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous()) {
        FormHide();
    }
}

void TSetupForm::keyPressEvent(QKeyEvent* event) {
    // Escape is "Отменить", not the close box: the user expects it to undo.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        btnCancel->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TSetupForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const bool plane =
                watched == edLeft || watched == edRight || watched == edTop || watched == edBottom;
            RunCommand([this, watched, plane] {
                if (plane) {
                    AnyPlaneKeyPress(watched, '\r');
                } else {
                    VPortKeyPress(watched, '\r');
                }
            });
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace qor
