// The device page: what the device reports, and its quality word, dither, shades and texture
// filter, each set live.
#include "forms/FrmSetup.h"

#include "engine/RetainedMode.h"
#include "forms/FrmSetupTables.h"
#include "forms/FrmSetupUpDown.h"
#include "forms/SelectComboItem.h"
#include "platform/NumberText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>

namespace qor {

namespace {

void SelectByWord(QComboBox* combo, const QualityGroup& group, D3DRMRENDERQUALITY word) {
    SelectComboItem(combo, ItemForWord(group, word).value_or(QString()));
}

// The value of the group's item that the combo has selected, or nothing.
std::optional<std::uint32_t> SelectedValue(const QComboBox* combo, const QualityGroup& group) {
    for (const QualityItem& item : group.items) {
        if (IsComboItemSelected(combo, QString::fromLatin1(item.text))) {
            return item.value;
        }
    }
    return std::nullopt;
}

} // namespace

void TSetupForm::RefreshDevicePage() {
    AcquireDevice();
    if (!RMDevice) {
        PageControl->setEnabled(false);
        return;
    }
    Updating = true;
    FillVportList();
    AcquireD3DDevice();
    FillDriverList();
    PageControl->setEnabled(true);

    laBufs->setText(QString::number(RMDevice->GetBufferCount()));
    laTrigs->setText(QString::number(RMDevice->GetTrianglesDrawn()));
    laWidth->setText(QString::number(RMDevice->GetWidth()));
    laHeight->setText(QString::number(RMDevice->GetHeight()));
    RefPtr<IDirect3DRMViewportArray> viewports;
    // Without a list the count stays as it was.
    (void)RMDevice->GetViewports(viewports);
    if (viewports) {
        laVports->setText(QString::number(viewports->GetSize()));
    }

    const std::uint32_t wireframe = RMDevice->GetWireframeOptions();
    cbCull->setChecked((wireframe & D3DRMWIREFRAME_CULL) != 0);
    cbHide->setChecked((wireframe & D3DRMWIREFRAME_HIDDENLINE) != 0);
    rbMono->setChecked(RMDevice->GetColorModel() == D3DCOLOR_MONO);
    rbRGB->setChecked(RMDevice->GetColorModel() == D3DCOLOR_RGB);
    cbDither->setChecked(RMDevice->GetDither());
    laShd->setText(QString::number(RMDevice->GetShades()));

    const D3DRMRENDERQUALITY quality = RMDevice->GetQuality();
    SelectByWord(QualityCombo, QualityItems(), quality);
    SelectByWord(ShadeCombo, ShadeItems(), quality);
    SelectByWord(LightCombo, LightItems(), quality);
    SelectByWord(FillCombo, FillItems(), quality);
    const D3DRMTEXTUREQUALITY texture = RMDevice->GetTextureQuality();
    SelectComboItem(TextureCombo, TextureItems().value(texture));
    Updating = false;
}

void TSetupForm::DevicePageChanged() {
    RedrawScene();
    RefreshDevicePage();
    MarkChanged();
}

void TSetupForm::cbDitherClick() {
    if (!RMDevice || Updating) {
        return;
    }
    // The results of the device page's settings are not examined: the page shows the device's
    // own settings again right after, so a value the device refuses shows as not taken.
    (void)RMDevice->SetDither(cbDither->isChecked());
    DevicePageChanged();
}

void TSetupForm::QualityComboClick() {
    if (!RMDevice || Updating) {
        return;
    }
    if (const auto word = SelectedValue(QualityCombo, QualityItems())) {
        (void)RMDevice->SetQuality(*word);
    }
    DevicePageChanged();
}

void TSetupForm::BitComboClick(const QComboBox* combo, const QualityGroup& group) {
    if (!RMDevice || Updating) {
        return;
    }
    D3DRMRENDERQUALITY quality = RMDevice->GetQuality();
    if (const auto bits = SelectedValue(combo, group)) {
        quality = WithGroupBits(quality, group, *bits);
    }
    (void)RMDevice->SetQuality(quality);
    DevicePageChanged();
}

void TSetupForm::ShadeComboClick() {
    BitComboClick(ShadeCombo, ShadeItems());
}

void TSetupForm::LightComboClick() {
    BitComboClick(LightCombo, LightItems());
}

void TSetupForm::FillComboClick() {
    BitComboClick(FillCombo, FillItems());
}

void TSetupForm::TextureComboClick() {
    if (!RMDevice || Updating) {
        return;
    }
    if (TextureCombo->currentIndex() >= 0) {
        (void)RMDevice->SetTextureQuality(TextureCombo->currentIndex());
    }
    DevicePageChanged();
}

void TSetupForm::udShadesClick(bool up) {
    if (!RMDevice) {
        return;
    }
    const int shades = ShadesAfterClick(TextToInteger(laShd->text()), up);
    (void)RMDevice->SetShades(static_cast<std::uint32_t>(shades));
    MarkChanged();
    RedrawScene();
    RefreshDevicePage();
}

} // namespace qor
