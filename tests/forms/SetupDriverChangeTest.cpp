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

#include <functional>
#include <memory>

namespace qortest {
namespace {

using namespace qor;

// A view host whose drivers all fail from the moment the test says so.
class FailingView : public TD3dView {
public:
    bool failing = false;

protected:
    HRESULT CreateDeviceFromClipper(const GUID* driver, int width, int height) override {
        return failing ? D3DRMERR_BADDEVICE
                       : TD3dView::CreateDeviceFromClipper(driver, width, height);
    }
};

// The main window's arrangement: a view host filling a window, one viewport control
// "VideoPort" filling the host, orthographic with front 0.1, back 5000 and field 14.
class DriverChange : public testing::Test {
protected:
    DriverChange() {
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        view = new FailingView;
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

    QPoint DriverAt(int row) {
        auto* drivers = Find<QListWidget>(&form, "lbDrivers");
        return drivers->visualItemRect(drivers->item(row)).center();
    }
    QWidget* DriverList() { return Find<QListWidget>(&form, "lbDrivers")->viewport(); }

    // A press and release, then the double click, as a person double-clicks. The click shows
    // the entry's text in the memo, also on the entry already selected.
    void DoubleClickDriver(int row) {
        QTest::mouseClick(DriverList(), Qt::LeftButton, {}, DriverAt(row));
        QTest::mouseDClick(DriverList(), Qt::LeftButton, {}, DriverAt(row));
    }

    // Edits line 2 of the memo between the click and the double click, so that the double
    // click meets the edited text.
    void DoubleClickDriverWithGuidLine(int row, const std::function<QString(QString)>& edit) {
        QTest::mouseClick(DriverList(), Qt::LeftButton, {}, DriverAt(row));
        auto* memo = Find<QPlainTextEdit>(&form, "DriversMemo");
        QStringList lines = memo->toPlainText().split('\n');
        lines[1] = edit(lines[1]);
        memo->setPlainText(lines.join('\n'));
        QTest::mouseDClick(DriverList(), Qt::LeftButton, {}, DriverAt(row));
    }

    NoEngineObjectLeft noLeak;
    MessageBoxRecorder boxes;
    QWidget window;
    FailingView* view = nullptr;
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
    // The serial, not the address: a new device may be allocated where the old one stood.
    const std::uint64_t before = view->Device->Serial();

    ShowPage("tsDrivers");
    DoubleClickDriver(1);

    ASSERT_TRUE(view->Device);
    EXPECT_NE(view->Device->Serial(), before);
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

// After a device-page change the list selects entry 0 again while the memo still shows the
// driver chosen before; a double click on entry 0 makes the device of entry 0.
TEST_F(DriverChange, ADoubleClickUsesTheDriverClickedEvenWhenItWasSelected) {
    Open();
    ShowPage("tsDrivers");
    QTest::mouseClick(DriverList(), Qt::LeftButton, {}, DriverAt(1));
    ShowPage("tsRMDevice");
    auto* quality = Find<QComboBox>(&form, "QualityCombo");
    quality->setCurrentIndex(quality->findText("FLAT"));
    ShowPage("tsDrivers");
    ASSERT_EQ(Find<QListWidget>(&form, "lbDrivers")->currentRow(), 0);
    ASSERT_TRUE(Find<QPlainTextEdit>(&form, "DriversMemo")->toPlainText().startsWith("Mono"));

    DoubleClickDriver(0);

    ASSERT_TRUE(view->Device);
    EXPECT_EQ(view->Device->GetColorModel(), D3DCOLOR_RGB);
    EXPECT_TRUE(Find<QPlainTextEdit>(&form, "DriversMemo")->toPlainText().startsWith("RGB"));
}

// When neither the chosen nor the default driver gives a device, the dialog holds nothing
// that pointed into the old one: its pages are empty and disabled, and Cancel still closes it.
TEST_F(DriverChange, NoDeviceAfterTheChangeLeavesNothingToActOn) {
    Open();
    ShowPage("tsRMViewports");
    ASSERT_EQ(Find<QListWidget>(&form, "lbVports")->count(), 1);
    ShowPage("tsDrivers");
    view->failing = true;

    DoubleClickDriver(1);

    EXPECT_FALSE(view->Device);
    EXPECT_EQ(boxes.Shown().size(), 1u) << "the chosen driver's failure";
    EXPECT_EQ(Find<QListWidget>(&form, "lbVports")->count(), 0);
    EXPECT_EQ(Find<QListWidget>(&form, "lbDrivers")->count(), 0);
    EXPECT_FALSE(Find<QTabWidget>(&form, "PageControl")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(&form, "btnOK")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(&form, "btnSave")->isEnabled());
    QTest::mouseClick(Find<QPushButton>(&form, "btnCancel"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.isVisible(); }));

    // The view gets a device again with the next driver change, its settings carried across.
    view->failing = false;
    view->CreateDevice(nullptr);
    ASSERT_TRUE(view->Device);
    EXPECT_EQ(Viewport()->GetProjection(), D3DRMPROJECT_ORTHOGRAPHIC);
    EXPECT_FLOAT_EQ(Viewport()->GetField(), 14);
}

TEST_F(DriverChange, AMemoLineThatIsNoGuidChangesNothing) {
    Open();
    ShowPage("tsDrivers");
    const IDirect3DRMDevice* before = view->Device.get();
    DoubleClickDriverWithGuidLine(0, [](const QString&) { return QString("{not a GUID}"); });
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
    const std::uint64_t before = view->Device->Serial();
    DoubleClickDriverWithGuidLine(0, [](const QString& line) { return line.toLower(); });
    ASSERT_TRUE(view->Device);
    EXPECT_NE(view->Device->Serial(), before);
    EXPECT_EQ(view->Device->GetColorModel(), D3DCOLOR_RGB);
    EXPECT_TRUE(boxes.Texts().isEmpty());
}

} // namespace
} // namespace qortest
