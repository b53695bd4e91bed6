// The settings dialog as a whole: its engine object, the device it works on, activation and
// hiding, and the three buttons.
#include "forms/FrmSetup.h"

#include "engine/RetainedMode.h"
#include "forms/DialogFrame.h"
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
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTabWidget>

#include <utility>

namespace qor {

TSetupForm::TSetupForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SetupForm"));
    texts_.WindowTitle(this, QT_TR_NOOP("Настройки изображения"));
    setWindowFlags(kCloseBoxOnly);
    CreateControls();
    setFixedSize(445, 318);
    ConnectHandlers();

    // Without an engine the pointer stays null, which the next lines look at.
    (void)Direct3DRMCreate(RMEngine);
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
    connect(btnOK, &QPushButton::clicked, this, Command(this, &TSetupForm::btnOKClick));
    connect(btnCancel, &QPushButton::clicked, this, Command(this, &TSetupForm::btnCancelClick));
    connect(btnSave, &QPushButton::clicked, this, Command(this, &TSetupForm::btnSaveClick));

    connect(cbDither, &QCheckBox::toggled, this, Command(this, &TSetupForm::cbDitherClick));
    const auto comboChange = [&](QComboBox* combo, void (TSetupForm::*handler)()) {
        connect(combo, &QComboBox::currentIndexChanged, this, Command(this, handler));
    };
    comboChange(QualityCombo, &TSetupForm::QualityComboClick);
    comboChange(ShadeCombo, &TSetupForm::ShadeComboClick);
    comboChange(LightCombo, &TSetupForm::LightComboClick);
    comboChange(FillCombo, &TSetupForm::FillComboClick);
    comboChange(TextureCombo, &TSetupForm::TextureComboClick);
    connect(udShades, &TUpDown::Click, this,
            [this](bool up) { RunCommand([this, up] { udShadesClick(up); }); });

    connect(lbVports, &QListWidget::currentRowChanged, this,
            Command(this, &TSetupForm::lbVportsClick));
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
    // Enter in an entry sets what it holds; the key still reaches the entry afterwards.
    for (QLineEdit* edit : {edField, edFront, edBack}) {
        OnEnterKey(edit, [this, edit] { VPortKeyPress(edit, '\r'); });
    }
    for (QLineEdit* edit : {edLeft, edRight, edTop, edBottom}) {
        OnEnterKey(edit, [this, edit] { AnyPlaneKeyPress(edit, '\r'); });
    }

    comboChange(RSTypeCombo, &TSetupForm::RSTypeComboClick);
    connect(btnAdd, &QPushButton::clicked, this, Command(this, &TSetupForm::btnAddClick));
    connect(btnDelete, &QPushButton::clicked, this, Command(this, &TSetupForm::btnDeleteClick));
    connect(btnExecute, &QPushButton::clicked, this, Command(this, &TSetupForm::btnExecClick));

    // Every click on an entry shows its text, also on the entry already selected: after a
    // device-page change the list selects entry 0 while the memo may still show another driver.
    connect(lbDrivers, &QListWidget::currentRowChanged, this,
            Command(this, &TSetupForm::lbDriversClick));
    connect(lbDrivers, &QListWidget::itemClicked, this, Command(this, &TSetupForm::lbDriversClick));
    connect(lbDrivers, &QListWidget::itemDoubleClicked, this,
            Command(this, &TSetupForm::lbDriversDblClick));
}

void TSetupForm::AcquireDevice() {
    if (!RMEngine) {
        return;
    }
    RMDevice.reset();
    RefPtr<IDirect3DRMDeviceArray> devices;
    // The results are not examined: without a device the pointer stays null, and the dialog has
    // nothing to work on.
    (void)RMEngine->GetDevices(devices);
    if (devices && devices->GetSize() > 0) {
        (void)devices->GetElement(0, RMDevice);
    }
}

void TSetupForm::AcquireD3DDevice() {
    if (!RMDevice) {
        return;
    }
    D3DDevice.reset();
    // Without one the pointer stays null, and the render states cannot be applied.
    (void)RMDevice->GetDirect3DDevice(D3DDevice);
}

void TSetupForm::RedrawScene() {
    if (RMDevice && RMEngine) {
        // The result is not examined: a tick of 0 always renders.
        (void)RMEngine->Tick(0.0f);
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

void TSetupForm::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        texts_.Retranslate();
        RetranslateToolkitButtons(this);
    }
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
    CentreOnScreen(this);
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

} // namespace qor
