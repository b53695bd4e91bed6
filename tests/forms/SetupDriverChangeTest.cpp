// A double click on the drivers page re-creates the view host's device: the viewport settings
// survive, the applied render states do not, and a memo whose second line is no GUID changes
// nothing.
#include "SetupFixture.h"

#include "../support/Require.h"
#include "engine/RetainedMode.h"
#include "forms/FrmSetup.h"
#include "platform/MessageBox.h"
#include "view/D3dvcs.h"

#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <memory>

namespace qortest {
namespace {

using namespace qor;

// The main window's arrangement: a view host filling a window, one viewport control
// "VideoPort" filling the host, orthographic with front 0.1, back 5000 and field 14.
class DriverChange : public testing::Test {
protected:
    DriverChange() {
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        view = new TD3dView;
        layout->addWidget(view);
        auto* vport = new TVport(view);
        vport->setObjectName("VideoPort");
        vport->SetAlign(TAlign::Client);
        window.resize(200, 150);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        view->CreateDevice(nullptr);
        IDirect3DRMViewport* viewport = Viewport();
        qor::test::Require(viewport->SetProjection(D3DRMPROJECT_ORTHOGRAPHIC));
        qor::test::Require(viewport->SetFront(0.1f));
        qor::test::Require(viewport->SetBack(5000));
        qor::test::Require(viewport->SetField(14));
        form.SetView(view);
    }

    IDirect3DRMViewport* Viewport() const {
        const auto& viewports = view->Device->Viewports();
        EXPECT_EQ(viewports.size(), 1u);
        return viewports.empty() ? nullptr : viewports.front();
    }

    void Open() {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    void ShowPage(const char* name) {
        auto* pages = Find<QTabWidget>(&form, "PageControl");
        const int index = pages->indexOf(Find<QWidget>(&form, name));
        QTest::mouseClick(pages->tabBar(), Qt::LeftButton, {},
                          pages->tabBar()->tabRect(index).center());
    }

    // A press and release, then the double click, as a person double-clicks; a click on the
    // entry already selected leaves the memo as it is.
    void DoubleClickDriver(int row) {
        auto* drivers = Find<QListWidget>(&form, "lbDrivers");
        const QPoint at = drivers->visualItemRect(drivers->item(row)).center();
        QTest::mouseClick(drivers->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(drivers->viewport(), Qt::LeftButton, {}, at);
    }

    NoEngineObjectLeft noLeak;
    MessageBoxRecorder boxes;
    QWidget window;
    TD3dView* view = nullptr;
    TSetupForm form;
};

TEST_F(DriverChange, KeepsTheViewportSettingsAndDropsTheAppliedStates) {
    Open();
    ShowPage("tsRenderState");
    auto* types = Find<QComboBox>(&form, "RSTypeCombo");
    types->setCurrentIndex(types->findText("D3DRENDERSTATE_CULLMODE=22"));
    auto* values = Find<QComboBox>(&form, "RSValCombo");
    values->setCurrentIndex(values->findText("D3DCULL_NONE=1"));
    QTest::mouseClick(Find<QPushButton>(&form, "btnAdd"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>(&form, "btnExecute"), Qt::LeftButton);
    ASSERT_EQ(view->Device->States().Effective(D3DRENDERSTATE_CULLMODE), 1u);
    const IDirect3DRMDevice* before = view->Device.get();

    ShowPage("tsDrivers");
    DoubleClickDriver(1);

    ASSERT_TRUE(view->Device);
    EXPECT_NE(view->Device.get(), before);
    EXPECT_EQ(view->Device->GetColorModel(), D3DCOLOR_MONO);
    EXPECT_TRUE(Find<QRadioButton>(&form, "rbMono")->isChecked());
    IDirect3DRMViewport* viewport = Viewport();
    EXPECT_EQ(viewport->GetProjection(), D3DRMPROJECT_ORTHOGRAPHIC);
    EXPECT_FLOAT_EQ(viewport->GetFront(), 0.1f);
    EXPECT_FLOAT_EQ(viewport->GetBack(), 5000);
    EXPECT_FLOAT_EQ(viewport->GetField(), 14);
    EXPECT_NE(view->Device->States().Effective(D3DRENDERSTATE_CULLMODE), 1u);
    // The projection of the viewport page is applied again, which counts as a change.
    EXPECT_TRUE(Find<QPushButton>(&form, "btnOK")->isEnabled());
    EXPECT_TRUE(Find<QPushButton>(&form, "btnSave")->isEnabled());
    EXPECT_TRUE(boxes.Texts().isEmpty());
    // Cancel now returns to the new device's snapshot: the driver stays.
    QTest::mouseClick(Find<QPushButton>(&form, "btnCancel"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.isVisible(); }));
    EXPECT_EQ(view->Device->GetColorModel(), D3DCOLOR_MONO);
}

TEST_F(DriverChange, AMemoLineThatIsNoGuidChangesNothing) {
    Open();
    ShowPage("tsDrivers");
    auto* memo = Find<QPlainTextEdit>(&form, "DriversMemo");
    QStringList lines = memo->toPlainText().split('\n');
    lines[1] = "{not a GUID}";
    memo->setPlainText(lines.join('\n'));
    const IDirect3DRMDevice* before = view->Device.get();
    DoubleClickDriver(0);
    EXPECT_EQ(view->Device.get(), before);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].caption, "Ошибка !");
    EXPECT_EQ(boxes.Shown()[0].icon, MsgIcon::Warning);
    EXPECT_TRUE(boxes.Shown()[0].text.contains("{not a GUID}"));
    EXPECT_FALSE(Find<QPushButton>(&form, "btnOK")->isEnabled());
}

TEST_F(DriverChange, AnEditedGuidOfTheSameDriverRecreatesTheDevice) {
    Open();
    ShowPage("tsDrivers");
    auto* memo = Find<QPlainTextEdit>(&form, "DriversMemo");
    QStringList lines = memo->toPlainText().split('\n');
    lines[1] = lines[1].toLower();
    memo->setPlainText(lines.join('\n'));
    const IDirect3DRMDevice* before = view->Device.get();
    DoubleClickDriver(0);
    ASSERT_TRUE(view->Device);
    EXPECT_NE(view->Device.get(), before);
    EXPECT_EQ(view->Device->GetColorModel(), D3DCOLOR_RGB);
    EXPECT_TRUE(boxes.Texts().isEmpty());
}

} // namespace
} // namespace qortest
