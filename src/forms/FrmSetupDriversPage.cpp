// The drivers page: the drivers the engine offers with their capabilities, and a double click
// that re-creates the view host's device with the chosen driver.
#include "forms/FrmSetup.h"

#include "engine/Guid.h"
#include "forms/FrmSetupDriverText.h"
#include "platform/MessageBox.h"
#include "view/DXEnum.h"
#include "view/TD3dView.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>

namespace qor {

void TSetupForm::FillDriverList() {
    const QSignalBlocker quiet(lbDrivers);
    lbDrivers->clear();
    EnumerateDrivers();
    const std::vector<DriverListEntry>* drivers = DriverList();
    if (drivers == nullptr) {
        return;
    }
    for (const DriverListEntry& entry : *drivers) {
        if (!entry.Desc) {
            continue;
        }
        auto* item = new QListWidgetItem(entry.Desc->Name);
        item->setData(Qt::UserRole, DriverCapabilityText(entry.Key, *entry.Desc));
        lbDrivers->addItem(item);
    }
    lbDrivers->setCurrentRow(0);
}

void TSetupForm::lbDriversClick() {
    if (lbDrivers->count() == 0 || lbDrivers->currentItem() == nullptr) {
        return;
    }
    DriversMemo->setPlainText(
        lbDrivers->currentItem()->data(Qt::UserRole).toStringList().join(u'\n'));
}

void TSetupForm::lbDriversDblClick() {
    if (View == nullptr) {
        return;
    }
    const QString line = DriversMemo->toPlainText().split(u'\n').value(1);
    const std::optional<GUID> driver = TextToGuid(line.trimmed());
    if (!driver) {
        ShowMessageBox(this,
                       tr("Во второй строке описания драйвера должен стоять его GUID, "
                          "а там «%1».\nУстройство не пересоздано.")
                           .arg(line),
                       tr("Ошибка !"), MsgIcon::Warning);
        return;
    }
    ReleaseDevices();
    View->CreateDevice(&*driver);
    ResetDialog();
    RedrawScene();
    AnyVportClick(lbDrivers);
}

} // namespace qor
