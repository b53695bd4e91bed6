// The render-state page: a list of state=value lines, composed from the state table and applied
// to the device's Direct3D device in one go.
#include "forms/FrmSetup.h"

#include "engine/RetainedMode.h"
#include "forms/FrmSetupTables.h"
#include "platform/NumberText.h"
#include "view/D3dUtil.h"

#include <QComboBox>
#include <QListWidget>
#include <QSignalBlocker>

namespace qor {

void TSetupForm::FillRenderStateTypes() {
    const QSignalBlocker quiet(RSTypeCombo);
    for (const RenderStateRow& row : RenderStateTable()) {
        RSTypeCombo->addItem(QString::fromLatin1(row.type), row.values);
    }
    RSTypeCombo->setCurrentIndex(-1);
}

void TSetupForm::RSTypeComboClick() {
    if (RSTypeCombo->currentIndex() < 0) {
        return;
    }
    RSValCombo->clear();
    RSValCombo->addItems(RSTypeCombo->currentData().toStringList());
    RSValCombo->setCurrentIndex(-1);
}

QStringList TSetupForm::RenderStateLines() const {
    QStringList lines;
    for (int i = 0; i < lbRS->count(); ++i) {
        lines.append(lbRS->item(i)->text());
    }
    return lines;
}

void TSetupForm::btnAddClick() {
    // Without a chosen state there is nothing to name the line after.
    if (RSTypeCombo->currentIndex() < 0) {
        return;
    }
    const QString name = NamePart(RSTypeCombo->currentText());
    QStringList values;
    for (int i = 0; i < RSValCombo->count(); ++i) {
        values.append(RSValCombo->itemText(i));
    }
    const QString valueName =
        RSValCombo->currentIndex() < 0 ? QString() : NamePart(RSValCombo->currentText());
    const QString value = ValueOfName(values, valueName);
    const QStringList lines = WithNameValue(RenderStateLines(), name, value);
    lbRS->clear();
    lbRS->addItems(lines);
}

void TSetupForm::btnDeleteClick() {
    const QList<QListWidgetItem*> selected = lbRS->selectedItems();
    if (selected.isEmpty()) {
        return;
    }
    delete selected.front();
    lbRS->clearSelection();
}

void TSetupForm::btnExecClick() {
    if (!D3DDevice) {
        return;
    }
    QStringList types;
    for (int i = 0; i < RSTypeCombo->count(); ++i) {
        types.append(RSTypeCombo->itemText(i));
    }
    for (const QString& line : RenderStateLines()) {
        const QString name = NamePart(line);
        const int value = TextToInteger(ValuePart(line));
        const int state = TextToInteger(ValueOfName(types, name));
        // The results are not examined: a state the device refuses stays as it was, and the next
        // line still goes.
        (void)ExecuteRenderState(D3DDevice.get(), static_cast<std::uint32_t>(state),
                                 static_cast<std::uint32_t>(value));
    }
    RedrawScene();
}

} // namespace qor
