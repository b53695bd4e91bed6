// The viewport page, worked through its widgets: the list of viewports, the numbers it shows,
// Enter in the edit boxes, the projection and scaling controls, and the decimal separator.
#include "SetupFixture.h"

#include "../support/Require.h"
#include "engine/RetainedMode.h"
#include "platform/DecimalSeparator.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

namespace qortest {
namespace {

TEST_F(SetupDialog, ViewportPageShowsTheViewportWithTwoDecimals) {
    Open();
    ShowPage("tsRMViewports");
    EXPECT_EQ(Lines("lbVports"), QStringList({"VideoPort"}));
    EXPECT_EQ(Get<QLabel>("laVWidth")->text(), "150");
    EXPECT_EQ(Get<QLabel>("laVHeight")->text(), "100");
    EXPECT_EQ(Get<QLabel>("laXOffset")->text(), "0");
    EXPECT_EQ(Get<QLabel>("laYOffset")->text(), "0");
    EXPECT_TRUE(Get<QRadioButton>("rbOrthographic")->isChecked());
    EXPECT_FALSE(Get<QRadioButton>("rbPerspective")->isChecked());
    EXPECT_TRUE(Get<QCheckBox>("cbScale")->isChecked());
    EXPECT_EQ(Get<QLineEdit>("edFront")->text(), "0.10");
    EXPECT_EQ(Get<QLineEdit>("edBack")->text(), "5000.00");
    EXPECT_EQ(Get<QLineEdit>("edField")->text(), "14.00");
    EXPECT_EQ(Get<QLineEdit>("edLeft")->text(), "-21.00");
    EXPECT_EQ(Get<QLineEdit>("edRight")->text(), "21.00");
    EXPECT_EQ(Get<QLineEdit>("edBottom")->text(), "-14.00");
    EXPECT_EQ(Get<QLineEdit>("edTop")->text(), "14.00");
}

TEST_F(SetupDialog, UnnamedViewportsAreListedByIndex) {
    qor::RefPtr<qor::IDirect3DRMViewport> second;
    qor::RefPtr<qor::IDirect3DRMViewport> third;
    qor::test::Require(
        scene.engine->CreateViewport(scene.device.get(), scene.camera.get(), 0, 0, 50, 40, second));
    qor::test::Require(scene.engine->CreateViewport(scene.device.get(), scene.camera.get(), 10, 20,
                                                    30, 30, third));
    qor::test::Require(scene.viewport->SetName(nullptr));
    qor::test::Require(third->SetName("Side"));
    Open();
    ShowPage("tsRMViewports");
    EXPECT_EQ(Lines("lbVports"), QStringList({"NONAME_0", "NONAME_1", "Side"}));
    EXPECT_EQ(Get<QLabel>("laVports")->text(), "3");
    ClickListItem("lbVports", 2);
    EXPECT_EQ(Get<QLabel>("laXOffset")->text(), "10");
    EXPECT_EQ(Get<QLabel>("laYOffset")->text(), "20");
    EXPECT_EQ(Get<QLabel>("laVWidth")->text(), "30");
    // Showing the perspective viewport turns its radio button on, which counts as a click.
    EXPECT_TRUE(Get<QRadioButton>("rbPerspective")->isChecked());
    EXPECT_TRUE(Enabled("btnOK"));
    // The selection survives the refill after a device-page change.
    Choose("QualityCombo", "FLAT");
    EXPECT_EQ(Get<QListWidget>("lbVports")->currentRow(), 2);
}

struct EditCase {
    std::string name;
    std::string edit;
    QString typed;
    QString shown;
    float front;
    float back;
    float field;
    QString message; // empty: none
};

class EditEnter : public testing::TestWithParam<EditCase> {};

TEST_P(EditEnter, SetsTheViewportOrSaysWhy) {
    struct Dialog : SetupDialog {
        void TestBody() override {}
    } dialog;
    const EditCase& c = GetParam();
    dialog.Open();
    dialog.ShowPage("tsRMViewports");
    dialog.Type(c.edit, c.typed);
    EXPECT_EQ(dialog.Get<QLineEdit>(c.edit)->text(), c.shown);
    EXPECT_FLOAT_EQ(dialog.scene.viewport->GetFront(), c.front);
    EXPECT_FLOAT_EQ(dialog.scene.viewport->GetBack(), c.back);
    EXPECT_FLOAT_EQ(dialog.scene.viewport->GetField(), c.field);
    const QStringList expected = c.message.isEmpty() ? QStringList() : QStringList{c.message};
    EXPECT_EQ(dialog.boxes.Texts(), expected);
    EXPECT_EQ(dialog.Enabled("btnOK"), c.message.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, EditEnter,
    testing::Values(EditCase{"front_with_a_point", "edFront", "0.5", "0.50", 0.5f, 5000, 14, ""},
                    EditCase{"front_with_a_comma_is_no_number", "edFront", "0,5", "0.10", 0.1f,
                             5000, 14, "'0,5' is not a valid floating point value"},
                    EditCase{"back_of_100", "edBack", "100", "100.00", 0.1f, 100, 14, ""},
                    EditCase{"field", "edField", "2.25", "2.25", 0.1f, 5000, 2.25f, ""},
                    EditCase{"empty_text", "edBack", "", "5000.00", 0.1f, 5000, 14,
                             "'' is not a valid floating point value"},
                    EditCase{"beyond_single_precision", "edBack", "1e300", "5000.00", 0.1f, 5000,
                             14, "'1e300' is not a valid floating point value"}),
    [](const auto& info) { return info.param.name; });

TEST_F(SetupDialog, AFieldTheEngineRefusesShowsTheOldOneAgain) {
    Open();
    ShowPage("tsRMViewports");
    Type("edField", "-3");
    EXPECT_EQ(Get<QLineEdit>("edField")->text(), "14.00");
    EXPECT_FLOAT_EQ(scene.viewport->GetField(), 14);
}

TEST_F(SetupDialog, EnterInAnUnchangedBoxDoesNothing) {
    Open();
    ShowPage("tsRMViewports");
    auto* front = Get<QLineEdit>("edFront");
    front->setFocus();
    QTest::keyClick(front, Qt::Key_Return);
    EXPECT_FALSE(Enabled("btnOK"));
    EXPECT_TRUE(form.isVisible());
}

TEST_F(SetupDialog, EnterInAPlaneBoxSetsAllFour) {
    Open();
    ShowPage("tsRMViewports");
    qor::test::Require(scene.viewport->SetUniformScaling(false));
    auto* left = Get<QLineEdit>("edLeft");
    left->setText("-5");
    Get<QLineEdit>("edRight")->setText("6");
    Get<QLineEdit>("edBottom")->setText("-7");
    left->setFocus();
    Type("edTop", "8");
    qor::D3DVALUE l = 0, r = 0, b = 0, t = 0;
    qor::test::Require(scene.viewport->GetPlane(&l, &r, &b, &t));
    EXPECT_FLOAT_EQ(l, -5);
    EXPECT_FLOAT_EQ(r, 6);
    EXPECT_FLOAT_EQ(b, -7);
    EXPECT_FLOAT_EQ(t, 8);
    EXPECT_TRUE(Enabled("btnOK"));
}

TEST_F(SetupDialog, APlaneBoxThatIsNoNumberSetsNoneOfThem) {
    Open();
    ShowPage("tsRMViewports");
    Get<QLineEdit>("edLeft")->setText("-5");
    Get<QLineEdit>("edRight")->setText("x");
    Type("edTop", "8");
    EXPECT_EQ(boxes.Texts(), QStringList({"'x' is not a valid floating point value"}));
    qor::D3DVALUE l = 0, r = 0, b = 0, t = 0;
    qor::test::Require(scene.viewport->GetPlane(&l, &r, &b, &t));
    EXPECT_FLOAT_EQ(l, -21);
    EXPECT_FLOAT_EQ(t, 14);
    EXPECT_EQ(Get<QLineEdit>("edLeft")->text(), "-21.00");
    EXPECT_EQ(Get<QLineEdit>("edRight")->text(), "21.00");
}

TEST_F(SetupDialog, ScalingAndProjectionSetOnlyTheirOwnSetting) {
    Open();
    ShowPage("tsRMViewports");
    Click("cbScale");
    EXPECT_FALSE(scene.viewport->GetUniformScaling());
    EXPECT_EQ(scene.viewport->GetProjection(), qor::D3DRMPROJECT_ORTHOGRAPHIC);
    Click("rbPerspective");
    EXPECT_EQ(scene.viewport->GetProjection(), qor::D3DRMPROJECT_PERSPECTIVE);
    EXPECT_FALSE(scene.viewport->GetUniformScaling());
}

TEST_F(SetupDialog, ShowingAViewportMakesThePointTheSeparatorForGood) {
    qor::SetDecimalSeparator(u',');
    Open();
    EXPECT_EQ(qor::DecimalSeparator(), u'.');
    form.close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.isVisible(); }));
    EXPECT_EQ(qor::DecimalSeparator(), u'.');
}

} // namespace
} // namespace qortest
