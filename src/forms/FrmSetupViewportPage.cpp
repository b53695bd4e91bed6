// The viewport page: every viewport of the device, and the selected one's projection, scaling,
// clipping planes, field and view plane, set live.
#include "forms/FrmSetup.h"

#include "engine/RetainedMode.h"
#include "platform/DecimalSeparator.h"
#include "platform/MessageBox.h"
#include "platform/NumberText.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>

#include <cmath>
#include <vector>

namespace qor {

namespace {

constexpr int kEnterKey = 13;

QString PageNumber(float value) {
    return RealToFixedText(value, 15, u'.');
}

// The typed text as the single-precision value a viewport takes. A text whose value has no
// finite single-precision form is refused like any other text that is not a number.
float EditValue(const QLineEdit* edit) {
    const auto value = static_cast<float>(TextToReal(edit->text()));
    if (!std::isfinite(value)) {
        throw ConversionError(QStringLiteral("'%1' is not a valid floating point value")
                                  .arg(edit->text())
                                  .toStdString());
    }
    return value;
}

} // namespace

IDirect3DRMViewport* TSetupForm::SelectedVport() const {
    const QListWidgetItem* item = lbVports->currentItem();
    // Without the device the entries' viewports may be gone.
    if (item == nullptr || !RMDevice) {
        return nullptr;
    }
    return static_cast<IDirect3DRMViewport*>(item->data(Qt::UserRole).value<void*>());
}

void TSetupForm::FillVportList() {
    if (!RMDevice) {
        return;
    }
    const QSignalBlocker quiet(lbVports);
    const int remembered = lbVports->currentRow();
    lbVports->clear();
    CurrentVport = nullptr;
    RefPtr<IDirect3DRMViewportArray> viewports;
    // The results are not examined: without a list the page stays empty; a name that cannot be
    // read leaves the entry unnamed.
    (void)RMDevice->GetViewports(viewports);
    if (!viewports || viewports->GetSize() == 0) {
        return;
    }
    for (std::uint32_t i = 0; i < viewports->GetSize(); ++i) {
        RefPtr<IDirect3DRMViewport> viewport;
        (void)viewports->GetElement(i, viewport);
        std::vector<char> name(256, '\0');
        auto size = static_cast<std::uint32_t>(name.size());
        (void)viewport->GetName(&size, name.data());
        auto* item = new QListWidgetItem(size > 1 ? QString::fromUtf8(name.data())
                                                  : QStringLiteral("NONAME_%1").arg(i));
        item->setData(Qt::UserRole, QVariant::fromValue(static_cast<void*>(viewport.get())));
        lbVports->addItem(item);
    }
    // The selection survives by index; an index past the new end falls back to the first.
    lbVports->setCurrentRow(remembered >= 0 && remembered < lbVports->count() ? remembered : 0);
    ShowVport();
}

void TSetupForm::ShowVport() {
    if (lbVports->count() == 0) {
        return;
    }
    CurrentVport = SelectedVport();
    if (CurrentVport == nullptr) {
        return;
    }
    SetDecimalSeparator(u'.');
    IDirect3DRMViewport* viewport = CurrentVport;
    laXOffset->setText(QString::number(viewport->GetX()));
    laYOffset->setText(QString::number(viewport->GetY()));
    laVWidth->setText(QString::number(viewport->GetWidth()));
    laVHeight->setText(QString::number(viewport->GetHeight()));
    if (viewport->GetProjection() == D3DRMPROJECT_PERSPECTIVE) {
        rbPerspective->setChecked(true);
    } else if (viewport->GetProjection() == D3DRMPROJECT_ORTHOGRAPHIC) {
        rbOrthographic->setChecked(true);
    }
    cbScale->setChecked(viewport->GetUniformScaling());
    edBack->setText(PageNumber(viewport->GetBack()));
    edFront->setText(PageNumber(viewport->GetFront()));
    edField->setText(PageNumber(viewport->GetField()));
    D3DVALUE left = 0;
    D3DVALUE right = 0;
    D3DVALUE bottom = 0;
    D3DVALUE top = 0;
    // The result is not examined: the plane of a live viewport is always there.
    (void)viewport->GetPlane(&left, &right, &bottom, &top);
    edLeft->setText(PageNumber(left));
    edRight->setText(PageNumber(right));
    edBottom->setText(PageNumber(bottom));
    edTop->setText(PageNumber(top));
}

void TSetupForm::lbVportsClick() {
    ShowVport();
}

void TSetupForm::AnyVportClick(const QObject* sender) {
    if (Updating || lbVports->count() == 0 || SelectedVport() == nullptr) {
        return;
    }
    CurrentVport = SelectedVport();
    // The results of the viewport page's settings are not examined: the page shows the
    // viewport's own settings again right after, so a value it refuses shows as not taken.
    if (rbPerspective->isChecked()) {
        (void)CurrentVport->SetProjection(D3DRMPROJECT_PERSPECTIVE);
    } else if (rbOrthographic->isChecked()) {
        (void)CurrentVport->SetProjection(D3DRMPROJECT_ORTHOGRAPHIC);
    }
    if (sender == cbScale) {
        (void)CurrentVport->SetUniformScaling(cbScale->isChecked());
    }
    RedrawScene();
    ShowVport();
    MarkChanged();
}

void TSetupForm::VPortKeyPress(const QObject* sender, int key) {
    if (key != kEnterKey) {
        return;
    }
    const auto* edit = qobject_cast<const QLineEdit*>(sender);
    if (edit == nullptr || !edit->isModified() || lbVports->count() == 0 ||
        SelectedVport() == nullptr) {
        return;
    }
    CurrentVport = SelectedVport();
    SetDecimalSeparator(u'.');
    try {
        const float value = EditValue(edit);
        if (edit == edBack) {
            (void)CurrentVport->SetBack(value);
        } else if (edit == edFront) {
            (void)CurrentVport->SetFront(value);
        } else if (edit == edField) {
            (void)CurrentVport->SetField(value);
        }
        MarkChanged();
    } catch (const ConversionError& error) {
        ShowException(error);
    }
    RedrawScene();
    ShowVport();
}

void TSetupForm::AnyPlaneKeyPress(const QObject*, int key) {
    if (key != kEnterKey || lbVports->count() == 0 || SelectedVport() == nullptr) {
        return;
    }
    CurrentVport = SelectedVport();
    SetDecimalSeparator(u'.');
    try {
        const float left = EditValue(edLeft);
        const float right = EditValue(edRight);
        const float bottom = EditValue(edBottom);
        const float top = EditValue(edTop);
        (void)CurrentVport->SetPlane(left, right, bottom, top);
        MarkChanged();
    } catch (const ConversionError& error) {
        ShowException(error);
    }
    RedrawScene();
    ShowVport();
}

} // namespace qor
