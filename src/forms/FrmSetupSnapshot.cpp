// The snapshot that "Отменить" writes back, and the export of the settings to the INI file.
#include "forms/FrmSetup.h"

#include "engine/RetainedMode.h"
#include "forms/FrmSetupIni.h"
#include "platform/AppPaths.h"
#include "platform/IniFile.h"
#include "view/D3dUtil.h"

#include <QDir>
#include <QLabel>

namespace qor {

void TSetupForm::TakeSnapshot() {
    if (!RMDevice) {
        AcquireDevice();
    }
    if (!RMDevice) {
        return;
    }
    SavedDevice.Dither = RMDevice->GetDither() ? 1 : 0;
    SavedDevice.Shades = RMDevice->GetShades();
    SavedDevice.Quality = static_cast<std::int32_t>(RMDevice->GetQuality());
    SavedDevice.TexQuality = static_cast<std::int8_t>(RMDevice->GetTextureQuality());
    FreeSnapshot();
    RefPtr<IDirect3DRMViewportArray> viewports;
    // The results are not examined: without a list, or without an element, the snapshot holds the
    // viewports it could read.
    (void)RMDevice->GetViewports(viewports);
    if (!viewports) {
        return;
    }
    for (std::uint32_t i = 0; i < viewports->GetSize(); ++i) {
        RefPtr<IDirect3DRMViewport> viewport;
        (void)viewports->GetElement(i, viewport);
        SavedVports.emplace_back(viewport.get());
    }
}

void TSetupForm::RestoreSnapshot() {
    if (!RMDevice) {
        return;
    }
    // The results are not examined: every value came from the device itself.
    (void)RMDevice->SetDither(SavedDevice.Dither != 0);
    (void)RMDevice->SetShades(SavedDevice.Shades);
    (void)RMDevice->SetQuality(static_cast<D3DRMRENDERQUALITY>(SavedDevice.Quality));
    (void)RMDevice->SetTextureQuality(SavedDevice.TexQuality);
    for (TVportData& data : SavedVports) {
        data.ApplyToOwn();
    }
}

void TSetupForm::FreeSnapshot() {
    SavedVports.clear();
}

void TSetupForm::SaveToIni() {
    const QString fileName = settingsFileName_.isEmpty() ? SettingsFilePath() : settingsFileName_;
    MakeSettingsFolder(fileName);
    std::vector<SavedViewportSettings> viewports;
    for (const TVportData& data : SavedVports) {
        viewports.push_back({ObjectName(data.Viewport), data});
    }
    // A key that cannot be written ends the save there with IniWriteError ("Unable to write to
    // <file>"); the keys before it stay written.
    for (const IniEntry& entry : SettingsEntries(SavedDevice, viewports, RenderStateLines())) {
        WriteProfileString(entry.Section, entry.Key, entry.Value, fileName);
    }
    // The file may have gone to the configuration folder: say where.
    const QString shown = QDir::toNativeSeparators(fileName);
    texts_.Set(laSettingsFile, TextPart::Text, QT_TR_NOOP("Сохранено в %1"),
               [this, shown](const QString& text) {
                   laSettingsFile->setText(laSettingsFile->fontMetrics().elidedText(
                       text.arg(shown), Qt::ElideMiddle, laSettingsFile->width()));
               });
    laSettingsFile->setToolTip(shown);
}

} // namespace qor
