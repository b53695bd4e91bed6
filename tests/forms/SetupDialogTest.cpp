// The settings dialog as a whole and its device page, worked through the widgets: what opening
// shows, which changes enable "ОК" and "Сохранить", the quality combos, the shades arrows, and
// what "Отменить", "ОК" and the close box leave on the device.
#include "SetupFixture.h"

#include "../support/Require.h"
#include "forms/FrmSetupUpDown.h"

#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QTimer>

#include <functional>

namespace qortest {
namespace {

using qor::TUpDown;

TEST_F(SetupDialog, OpensOnTheDevicePageShowingTheDevice) {
    Open();
    EXPECT_EQ(form.windowTitle(), "Настройки изображения");
    EXPECT_EQ(form.size(), QSize(445, 318));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(Get<QTabWidget>("PageControl")->currentWidget(), Get<QWidget>("tsRMDevice"));
    EXPECT_TRUE(Enabled("PageControl"));
    EXPECT_EQ(Get<QLabel>("laBufs")->text(), "1");
    EXPECT_EQ(Get<QLabel>("laWidth")->text(), "150");
    EXPECT_EQ(Get<QLabel>("laHeight")->text(), "100");
    EXPECT_EQ(Get<QLabel>("laVports")->text(), "1");
    EXPECT_EQ(Get<QLabel>("laShd")->text(), "32");
    EXPECT_TRUE(Get<QCheckBox>("cbDither")->isChecked());
    EXPECT_TRUE(Get<QCheckBox>("cbCull")->isChecked());
    EXPECT_FALSE(Get<QCheckBox>("cbHide")->isChecked());
    EXPECT_TRUE(Get<QRadioButton>("rbRGB")->isChecked());
    EXPECT_FALSE(Get<QRadioButton>("rbMono")->isChecked());
    EXPECT_EQ(Get<QComboBox>("QualityCombo")->currentText(), "GOURAUD");
    EXPECT_EQ(Get<QComboBox>("TextureCombo")->currentText(), "NEAREST");
}

TEST_F(SetupDialog, WithoutAnyDeviceEveryPageIsDisabled) {
    scene.viewport.reset();
    scene.device.reset();
    Open();
    EXPECT_FALSE(Enabled("PageControl"));
    EXPECT_FALSE(Enabled("btnOK"));
    Click("btnCancel");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form.isVisible(); }));
}

struct FirstChange {
    std::string name;
    std::function<void(SetupDialog&)> change;
};

// Each row is one kind of change a user can make first.
class FirstChangeTest : public testing::TestWithParam<FirstChange> {};

TEST_P(FirstChangeTest, EnablesOKAndSave) {
    struct Dialog : SetupDialog {
        void TestBody() override {}
    } dialog;
    dialog.Open();
    EXPECT_FALSE(dialog.Enabled("btnOK"));
    EXPECT_FALSE(dialog.Enabled("btnSave"));
    GetParam().change(dialog);
    EXPECT_TRUE(dialog.Enabled("btnOK"));
    EXPECT_TRUE(dialog.Enabled("btnSave"));
}

INSTANTIATE_TEST_SUITE_P(
    Changes, FirstChangeTest,
    testing::Values(
        FirstChange{"dither", [](SetupDialog& d) { d.Click("cbDither"); }},
        FirstChange{"quality", [](SetupDialog& d) { d.Choose("QualityCombo", "FLAT"); }},
        FirstChange{"fill", [](SetupDialog& d) { d.Choose("FillCombo", "WIREFRAME"); }},
        FirstChange{"texture", [](SetupDialog& d) { d.Choose("TextureCombo", "LINEAR"); }},
        FirstChange{
            "shades",
            [](SetupDialog& d) { QTest::keyClick(d.Get<QWidget>("udShades"), Qt::Key_Up); }},
        FirstChange{"projection",
                    [](SetupDialog& d) {
                        d.ShowPage("tsRMViewports");
                        d.Click("rbPerspective");
                    }},
        FirstChange{"back_distance",
                    [](SetupDialog& d) {
                        d.ShowPage("tsRMViewports");
                        d.Type("edBack", "100");
                    }}),
    [](const auto& info) { return info.param.name; });

TEST_F(SetupDialog, ChoosingFlatShadeOnGouraudGivesTheFlatWord) {
    qor::test::Require(scene.device->SetQuality(0x89));
    Open();
    Choose("ShadeCombo", "FLAT");
    EXPECT_EQ(scene.device->GetQuality(), 0x88u);
    EXPECT_EQ(Get<QComboBox>("QualityCombo")->currentText(), "FLAT");
    EXPECT_EQ(Get<QComboBox>("LightCombo")->currentText(), "ON");
    EXPECT_EQ(Get<QComboBox>("FillCombo")->currentText(), "SOLID");
}

TEST_F(SetupDialog, ALitWireframeWordIsNoQualityItem) {
    qor::test::Require(scene.device->SetQuality(0x48));
    Open();
    EXPECT_EQ(Get<QComboBox>("QualityCombo")->currentIndex(), -1);
    EXPECT_EQ(Get<QComboBox>("ShadeCombo")->currentText(), "FLAT");
    EXPECT_EQ(Get<QComboBox>("LightCombo")->currentText(), "ON");
    EXPECT_EQ(Get<QComboBox>("FillCombo")->currentText(), "WIREFRAME");
    // The refresh itself set nothing: the word is as it was.
    EXPECT_EQ(scene.device->GetQuality(), 0x48u);
    EXPECT_FALSE(Enabled("btnOK"));
}

TEST_F(SetupDialog, BitCombosChangeOnlyTheirBits) {
    qor::test::Require(scene.device->SetQuality(0x89));
    Open();
    Choose("LightCombo", "OFF");
    EXPECT_EQ(scene.device->GetQuality(), 0x81u);
    Choose("FillCombo", "POINTS");
    EXPECT_EQ(scene.device->GetQuality(), 0x01u);
    EXPECT_EQ(Get<QComboBox>("QualityCombo")->currentIndex(), -1);
    Choose("QualityCombo", "WIREFRAME");
    EXPECT_EQ(scene.device->GetQuality(), 0x40u);
    EXPECT_EQ(Get<QComboBox>("ShadeCombo")->currentText(), "FLAT");
    EXPECT_EQ(Get<QComboBox>("LightCombo")->currentText(), "OFF");
    EXPECT_EQ(Get<QComboBox>("FillCombo")->currentText(), "WIREFRAME");
    Choose("TextureCombo", "LINEARMIPLINEAR");
    EXPECT_EQ(scene.device->GetTextureQuality(), 5);
    Click("cbDither");
    EXPECT_FALSE(scene.device->GetDither());
}

struct ShadesSequence {
    std::string name;
    std::uint32_t start;
    std::vector<Qt::Key> keys;
    std::uint32_t expected;
    bool changed;
};

class ShadesArrows : public testing::TestWithParam<ShadesSequence> {};

TEST_P(ShadesArrows, FollowTheUpDownPosition) {
    struct Dialog : SetupDialog {
        void TestBody() override {}
    } dialog;
    const ShadesSequence& c = GetParam();
    qor::test::Require(dialog.scene.device->SetShades(c.start));
    dialog.Open();
    auto* arrows = dialog.Get<TUpDown>("udShades");
    for (Qt::Key key : c.keys) {
        QTest::keyClick(arrows, key);
    }
    EXPECT_EQ(dialog.scene.device->GetShades(), c.expected);
    EXPECT_EQ(dialog.Get<QLabel>("laShd")->text(), QString::number(c.expected));
    EXPECT_EQ(dialog.Enabled("btnOK"), c.changed);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, ShadesArrows,
    testing::Values(
        ShadesSequence{"up_doubles", 32, {Qt::Key_Up}, 64, true},
        ShadesSequence{"up_at_4096_stays_but_counts_as_a_change", 4096, {Qt::Key_Up}, 4096, true},
        ShadesSequence{"down_in_a_fresh_dialog_does_nothing", 32, {Qt::Key_Down}, 32, false},
        ShadesSequence{"down_after_up_halves", 32, {Qt::Key_Up, Qt::Key_Down}, 32, true},
        ShadesSequence{"down_never_more_often_than_up",
                       64,
                       {Qt::Key_Up, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down},
                       64,
                       true},
        ShadesSequence{"up_from_3_then_down_twice_stops_at_3",
                       3,
                       {Qt::Key_Up, Qt::Key_Up, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down},
                       3,
                       true},
        ShadesSequence{"odd_numbers_halve_down", 5, {Qt::Key_Up, Qt::Key_Down}, 5, true}),
    [](const auto& info) { return info.param.name; });

TEST_F(SetupDialog, CancelRestoresTheSnapshotButKeepsTheChosenProjection) {
    Open();
    Choose("QualityCombo", "WIREFRAME");
    Click("cbDither");
    ShowPage("tsRMViewports");
    Type("edFront", "5");
    Type("edField", "3");
    EXPECT_FLOAT_EQ(scene.viewport->GetFront(), 5);
    Click("rbPerspective");
    EXPECT_EQ(scene.viewport->GetProjection(), qor::D3DRMPROJECT_PERSPECTIVE);
    Click("btnCancel");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.isVisible(); }));
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_EQ(scene.device->GetQuality(), qor::D3DRMRENDER_GOURAUD);
    EXPECT_TRUE(scene.device->GetDither());
    EXPECT_FLOAT_EQ(scene.viewport->GetFront(), 0.1f);
    EXPECT_FLOAT_EQ(scene.viewport->GetField(), 14);
    EXPECT_EQ(scene.viewport->GetProjection(), qor::D3DRMPROJECT_PERSPECTIVE);
}

TEST_F(SetupDialog, CancelAfterSaveReturnsToTheSavedState) {
    Open();
    Choose("QualityCombo", "FLAT");
    Click("btnSave");
    EXPECT_FALSE(Enabled("btnSave"));
    EXPECT_TRUE(Enabled("btnOK"));
    Choose("QualityCombo", "PHONG");
    Click("btnCancel");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.isVisible(); }));
    EXPECT_EQ(scene.device->GetQuality(), qor::D3DRMRENDER_FLAT);
}

TEST_F(SetupDialog, EscapeIsCancel) {
    Open();
    Choose("QualityCombo", "FLAT");
    QTest::keyClick(&form, Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.isVisible(); }));
    EXPECT_EQ(scene.device->GetQuality(), qor::D3DRMRENDER_GOURAUD);
}

struct Keeping {
    std::string name;
    std::function<void(SetupDialog&)> close;
    int result;
};

class KeepingClose : public testing::TestWithParam<Keeping> {};

TEST_P(KeepingClose, KeepsEveryChange) {
    struct Dialog : SetupDialog {
        void TestBody() override {}
    } dialog;
    dialog.Open();
    dialog.Choose("QualityCombo", "FLAT");
    dialog.ShowPage("tsRMViewports");
    dialog.Type("edBack", "100");
    GetParam().close(dialog);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.form.isVisible(); }));
    EXPECT_EQ(dialog.form.result(), GetParam().result);
    EXPECT_EQ(dialog.scene.device->GetQuality(), qor::D3DRMRENDER_FLAT);
    EXPECT_FLOAT_EQ(dialog.scene.viewport->GetBack(), 100);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, KeepingClose,
    testing::Values(Keeping{"ok", [](SetupDialog& d) { d.Click("btnOK"); }, QDialog::Accepted},
                    Keeping{"close_box", [](SetupDialog& d) { d.form.close(); },
                            QDialog::Rejected}),
    [](const auto& info) { return info.param.name; });

TEST_F(SetupDialog, HidingLetsGoOfTheDevice) {
    const qor::RefPtr<qor::IDirect3DRMDevice> device = scene.device;
    Open();
    Click("btnCancel");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.isVisible(); }));
    // Only the scene's reference, the viewport's and the copy above remain.
    scene.viewport.reset();
    scene.device.reset();
    EXPECT_EQ(device->AddRef(), 2u);
    device->Release();
}

// Activation from another window of the program is a new start: a new snapshot, and "ОК" and
// "Сохранить" disabled. Coming back from a message box over the dialog is not.
TEST_F(SetupDialog, ReturningFromAMessageBoxKeepsTheChanges) {
    Open();
    Choose("QualityCombo", "FLAT");
    // The standard exception display owns its box by the application, not by the dialog.
    QMessageBox box(QMessageBox::Warning, "QOR", "A box", QMessageBox::Ok);
    QTimer::singleShot(0, &box, [&box] {
        EXPECT_TRUE(QTest::qWaitForWindowActive(&box));
        box.accept();
    });
    box.exec();
    // Without a window manager nothing hands the focus back by itself.
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_TRUE(Enabled("btnOK"));
    Click("btnCancel");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.isVisible(); }));
    EXPECT_EQ(scene.device->GetQuality(), qor::D3DRMRENDER_GOURAUD);
}

TEST_F(SetupDialog, ActivationFromAnotherWindowTakesANewSnapshot) {
    Open();
    Choose("QualityCombo", "FLAT");
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_FALSE(Enabled("btnOK"));
    EXPECT_FALSE(Enabled("btnSave"));
    Choose("QualityCombo", "PHONG");
    Click("btnCancel");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.isVisible(); }));
    EXPECT_EQ(scene.device->GetQuality(), qor::D3DRMRENDER_FLAT);
}

} // namespace
} // namespace qortest
