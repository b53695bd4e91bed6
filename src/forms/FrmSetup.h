// TSetupForm: the modal image-settings dialog. It works on the view host's device through an
// engine object of its own and changes the device and its viewports live: the device page
// (quality, dither, shades, texture filter), the viewport page (projection, scaling, clipping,
// field, view plane), the render-state page (forced Direct3D states) and the drivers page
// (capabilities, re-creating the device with another driver). "Отменить" writes back the
// snapshot taken on activation, "Сохранить" exports the settings to the INI file.
//
// The dialog's code is split by page: FrmSetup.cpp (the dialog, its buttons and life),
// FrmSetupLayout.cpp (the controls), FrmSetupDevicePage.cpp, FrmSetupViewportPage.cpp,
// FrmSetupRenderStatePage.cpp, FrmSetupDriversPage.cpp and FrmSetupSnapshot.cpp.
#pragma once

#include "engine/RefPtr.h"
#include "forms/FrmSetupIni.h"
#include "forms/TranslatedTexts.h"
#include "view/TVportData.h"

#include <QDialog>
#include <QString>

#include <cstdint>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace qor {

class IDirect3DDevice;
class IDirect3DRM;
class IDirect3DRMDevice;
class IDirect3DRMViewport;
class TD3dView;
class TUpDown;
struct QualityGroup;

class TSetupForm : public QDialog {
    Q_OBJECT

public:
    explicit TSetupForm(QWidget* parent = nullptr);
    ~TSetupForm() override;
    TSetupForm(const TSetupForm&) = delete;
    TSetupForm& operator=(const TSetupForm&) = delete;

    // The main window's view host, whose device a driver change re-creates. Not owned.
    void SetView(TD3dView* view) { View = view; }

    // Where Save writes; empty (the default) means SettingsFilePath().
    void SetSettingsFileName(const QString& fileName) { settingsFileName_ = fileName; }

protected:
    bool event(QEvent* event) override;
    // A change of language shows every text again in the new language.
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Building the controls (FrmSetupLayout.cpp).
    void CreateControls();
    QWidget* CreateDevicePage();
    QWidget* CreateViewportPage();
    QWidget* CreateRenderStatePage();
    QWidget* CreateDriversPage();
    QWidget* CreateButtonRow();
    void ConnectHandlers();

    // The dialog as a whole (FrmSetup.cpp).
    void AcquireDevice();
    void AcquireD3DDevice();
    void RedrawScene();
    void MarkChanged();
    void ResetDialog();
    void ReleaseDevices();
    void FormActivate();
    void FormHide();
    void btnOKClick();
    void btnCancelClick();
    void btnSaveClick();
    // Ends the modal loop once the running handler has returned, as the dialog's buttons do.
    void CloseDialog(int result);

    // Device page (FrmSetupDevicePage.cpp).
    void RefreshDevicePage();
    void cbDitherClick();
    void QualityComboClick();
    void ShadeComboClick();
    void LightComboClick();
    void FillComboClick();
    void TextureComboClick();
    void udShadesClick(bool up);
    // The quality word with one combo's bits replaced by its selected item.
    void BitComboClick(const QComboBox* combo, const QualityGroup& group);
    // After a device-page change: redraw, refill, and mark the dialog changed.
    void DevicePageChanged();

    // Viewport page (FrmSetupViewportPage.cpp).
    void FillVportList();
    void ShowVport();
    void lbVportsClick();
    void AnyVportClick(const QObject* sender);
    void VPortKeyPress(const QObject* sender, int key);
    void AnyPlaneKeyPress(const QObject* sender, int key);
    // The viewport of the selected entry, or null.
    IDirect3DRMViewport* SelectedVport() const;

    // Render-state page (FrmSetupRenderStatePage.cpp).
    void FillRenderStateTypes();
    void RSTypeComboClick();
    void btnAddClick();
    void btnDeleteClick();
    void btnExecClick();
    QStringList RenderStateLines() const;

    // Drivers page (FrmSetupDriversPage.cpp).
    void FillDriverList();
    void lbDriversClick();
    void lbDriversDblClick();

    // Snapshot and settings file (FrmSetupSnapshot.cpp).
    void TakeSnapshot();
    void RestoreSnapshot();
    void FreeSnapshot();
    void SaveToIni();

    // Engine objects. RMEngine lives as long as the dialog; RMDevice and D3DDevice are held
    // between activation and hiding.
    RefPtr<IDirect3DRM> RMEngine;
    RefPtr<IDirect3DRMDevice> RMDevice;
    RefPtr<IDirect3DDevice> D3DDevice;
    IDirect3DRMViewport* CurrentVport = nullptr; // not counted
    TD3dView* View = nullptr;
    bool Changed = false;
    bool Updating = false;

    // The snapshot that Cancel writes back.
    SavedDeviceSettings SavedDevice;
    std::vector<TVportData> SavedVports;

    QString settingsFileName_;
    // Every text of the dialog and the language it is shown in.
    TranslatedTexts texts_{"qor::TSetupForm"};
    // Set when the dialog lost activation to a message box of its own or to another program:
    // coming back from those is no new activation of the dialog.
    bool resuming_ = false;

    QTabWidget* PageControl = nullptr;
    QWidget* tsRMDevice = nullptr;
    QWidget* tsRMViewports = nullptr;
    QWidget* tsRenderState = nullptr;
    QWidget* tsDrivers = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnSave = nullptr;
    QLabel* laSettingsFile = nullptr; // where the last Save wrote

    // Device page.
    QLabel* laBufs = nullptr;
    QLabel* laTrigs = nullptr;
    QLabel* laWidth = nullptr;
    QLabel* laHeight = nullptr;
    QLabel* laVports = nullptr;
    QCheckBox* cbCull = nullptr;
    QCheckBox* cbHide = nullptr;
    QRadioButton* rbMono = nullptr;
    QRadioButton* rbRGB = nullptr;
    QCheckBox* cbDither = nullptr;
    QLabel* laShd = nullptr;
    TUpDown* udShades = nullptr;
    QComboBox* QualityCombo = nullptr;
    QComboBox* ShadeCombo = nullptr;
    QComboBox* LightCombo = nullptr;
    QComboBox* FillCombo = nullptr;
    QComboBox* TextureCombo = nullptr;

    // Viewport page.
    QListWidget* lbVports = nullptr;
    QLabel* laVWidth = nullptr;
    QLabel* laVHeight = nullptr;
    QLabel* laXOffset = nullptr;
    QLabel* laYOffset = nullptr;
    QRadioButton* rbPerspective = nullptr;
    QRadioButton* rbOrthographic = nullptr;
    QCheckBox* cbScale = nullptr;
    QLineEdit* edField = nullptr;
    QLineEdit* edFront = nullptr;
    QLineEdit* edBack = nullptr;
    QLineEdit* edLeft = nullptr;
    QLineEdit* edRight = nullptr;
    QLineEdit* edTop = nullptr;
    QLineEdit* edBottom = nullptr;

    // Render-state page.
    QComboBox* RSTypeCombo = nullptr;
    QComboBox* RSValCombo = nullptr;
    QListWidget* lbRS = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnDelete = nullptr;
    QPushButton* btnExecute = nullptr;

    // Drivers page.
    QListWidget* lbDrivers = nullptr;
    QPlainTextEdit* DriversMemo = nullptr;
};

} // namespace qor
