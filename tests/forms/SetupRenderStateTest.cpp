// The render-state page, worked through its widgets: composing the list, deleting, and applying
// it to the device, which changes the picture.
#include "SetupFixture.h"

#include "../support/Require.h"
#include "engine/RetainedMode.h"

namespace qortest {
namespace {

using qor::test::At;

TEST_F(SetupDialog, RenderStatePageStartsWithTheTableAndNothingChosen) {
    Open();
    ShowPage("tsRenderState");
    auto* types = Get<QComboBox>("RSTypeCombo");
    ASSERT_EQ(types->count(), 4);
    EXPECT_EQ(types->itemText(0), "D3DRENDERSTATE_CULLMODE=22");
    EXPECT_EQ(types->itemText(3), "D3DRENDERSTATE_ZFUNC=23");
    EXPECT_EQ(types->currentIndex(), -1);
    EXPECT_EQ(Get<QComboBox>("RSValCombo")->count(), 0);
    EXPECT_TRUE(Lines("lbRS").isEmpty());
    Choose("RSTypeCombo", "D3DRENDERSTATE_ZENABLE=7");
    auto* values = Get<QComboBox>("RSValCombo");
    ASSERT_EQ(values->count(), 2);
    EXPECT_EQ(values->itemText(0), "TRUE=1");
    EXPECT_EQ(values->itemText(1), "FALSE(def)=0");
    EXPECT_EQ(values->currentIndex(), -1);
}

TEST_F(SetupDialog, AStateKeepsOneLineReplacedInPlace) {
    Open();
    ShowPage("tsRenderState");
    AddState("D3DRENDERSTATE_CULLMODE=22", "D3DCULL_NONE=1");
    EXPECT_EQ(Lines("lbRS"), QStringList({"D3DRENDERSTATE_CULLMODE=1"}));
    AddState("D3DRENDERSTATE_ZFUNC=23", "D3DCMP_ALWAYS=8");
    AddState("D3DRENDERSTATE_CULLMODE=22", "D3DCULL_CW=2");
    EXPECT_EQ(Lines("lbRS"), QStringList({"D3DRENDERSTATE_CULLMODE=2", "D3DRENDERSTATE_ZFUNC=8"}));
    // A type chosen anew has no value chosen; adding it so removes that type's line.
    Choose("RSTypeCombo", "D3DRENDERSTATE_ZENABLE=7");
    AddState("D3DRENDERSTATE_CULLMODE=22", "");
    EXPECT_EQ(Lines("lbRS"), QStringList({"D3DRENDERSTATE_ZFUNC=8"}));
    // Composing the list is no change of the device.
    EXPECT_FALSE(Enabled("btnOK"));
    EXPECT_FALSE(Enabled("btnSave"));
}

TEST_F(SetupDialog, AddWithoutAStateAddsNoLine) {
    Open();
    ShowPage("tsRenderState");
    Click("btnAdd");
    EXPECT_TRUE(Lines("lbRS").isEmpty());
}

TEST_F(SetupDialog, DeleteRemovesOnlyTheSelectedLine) {
    Open();
    ShowPage("tsRenderState");
    AddState("D3DRENDERSTATE_CULLMODE=22", "D3DCULL_NONE=1");
    AddState("D3DRENDERSTATE_ZENABLE=7", "TRUE=1");
    Click("btnDelete");
    EXPECT_EQ(Lines("lbRS").size(), 2);
    ClickListItem("lbRS", 0);
    Click("btnDelete");
    EXPECT_EQ(Lines("lbRS"), QStringList({"D3DRENDERSTATE_ZENABLE=1"}));
    Click("btnDelete");
    EXPECT_EQ(Lines("lbRS"), QStringList({"D3DRENDERSTATE_ZENABLE=1"}));
}

// A white quad turned away from the camera: the engine culls its back face.
class ApplyStates : public SetupDialog {
public:
    ApplyStates() {
        qor::test::Require(scene.viewport->SetProjection(qor::D3DRMPROJECT_PERSPECTIVE));
        qor::test::Require(scene.viewport->SetFront(1));
        qor::test::Require(scene.viewport->SetBack(100));
        qor::test::Require(scene.viewport->SetField(0.5f));
        qor::test::Require(scene.device->SetQuality(qor::D3DRMRENDER_UNLITFLAT));
        qor::test::XMaterial white;
        white.diffuse = {1, 1, 1, 1};
        quad = scene.AddModel(qor::test::QuadX(0, white), 0, 0, 5);
        qor::test::Require(quad->AddRotation(qor::D3DRMCOMBINE_BEFORE, 0, 1, 0, 3.14159265f));
    }

    QColor Centre() { return At(scene.device->GrabImage(), kWidth / 2, kHeight / 2); }

    qor::RefPtr<qor::IDirect3DRMFrame> quad;
};

TEST_F(ApplyStates, CullingOffShowsTheBackFace) {
    Open();
    qor::test::Require(scene.engine->Tick(0));
    ASSERT_EQ(Centre(), QColor(Qt::black));
    ShowPage("tsRenderState");
    AddState("D3DRENDERSTATE_CULLMODE=22", "D3DCULL_NONE=1");
    EXPECT_EQ(Centre(), QColor(Qt::black)) << "composing alone applies nothing";
    Click("btnExecute");
    EXPECT_EQ(Centre(), QColor(Qt::white)) << "Apply redraws the scene with the new state";
    EXPECT_FALSE(Enabled("btnOK"));
    EXPECT_FALSE(Enabled("btnSave"));
}

TEST_F(ApplyStates, CancelDoesNotUndoAppliedStates) {
    Open();
    ShowPage("tsRenderState");
    AddState("D3DRENDERSTATE_CULLMODE=22", "D3DCULL_NONE=1");
    Click("btnExecute");
    Click("btnCancel");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.isVisible(); }));
    qor::test::Require(scene.engine->Tick(0));
    EXPECT_EQ(Centre(), QColor(Qt::white));
}

} // namespace
} // namespace qortest
