// The main window's 3D view: making and taking down the view host, and the commands that look
// at the construction from another place, spin it, tilt its planes and zoom.
#include "forms/FrmMain.h"

#include "engine/RetainedMode.h"
#include "forms/FrmMainCaptions.h"
#include "forms/SelectComboItem.h"
#include "kinematics/Angles.h"
#include "platform/IdleHook.h"
#include "platform/MessageBox.h"
#include "platform/NumberText.h"
#include "view/TD3dView.h"
#include "view/TVport.h"

#include <QAction>
#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <iterator>

namespace qor {
namespace {

struct Viewpoint {
    D3DVECTOR direction;
    D3DVECTOR up;
    D3DVECTOR position;
};

// The view selector's entries in order: by default, from above, from the front, at an angle.
constexpr Viewpoint kViewpoints[] = {
    {{0, -0.8f, 1.0f}, {0, 1.0f, 0}, {6.0f, 10.0f, -10.0f}},
    {{0, -1.0f, 0}, {0, 0, 1.0f}, {5.5f, 10.0f, 0}},
    {{0, 0, 1.0f}, {0, 1.0f, 0}, {5.5f, 5.0f, -10.0f}},
    {{12.0f, -11.0f, 20.0f}, {0, 1.0f, 0}, {-7.0f, 15.0f, -20.0f}},
};

// Partial turns of a plane tilt, each one drawn.
constexpr int kTiltSteps = 10;

const char* const kMissingData = QT_TRANSLATE_NOOP("qor::TMainForm", "Отсутствуют данные !");

} // namespace

void TMainForm::CreateView() {
    ParamsAccepted_ = false;
    ViewHost = new TD3dView(ViewHostArea);
    ViewHost->setObjectName(QStringLiteral("ViewHost"));
    ViewHostArea->layout()->addWidget(ViewHost);
    VideoPort = new TVport(ViewHost);
    VideoPort->setObjectName(QStringLiteral("VideoPort"));
    VideoPort->SetAlign(TAlign::Client);
    ViewHost->CreateDevice(nullptr);
    if (IDirect3DRMViewport* viewport = VideoPort->Viewport.get()) {
        // The results are not examined: these settings are always taken.
        (void)viewport->SetProjection(D3DRMPROJECT_ORTHOGRAPHIC);
        (void)viewport->SetFront(0.1f);
        (void)viewport->SetBack(5000.0f);
        (void)viewport->SetField(14.0f);
    }
    if (ViewHost->Device) {
        // The result is not examined: flat quality is always taken.
        (void)ViewHost->Device->SetQuality(D3DRMRENDER_FLAT);
    }
    if (ViewHost->Engine) {
        RefPtr<IDirect3DRMFrame> camera;
        // The result is not examined: a frame is always made.
        (void)ViewHost->Engine->CreateFrame(ViewHost->SceneFrame.get(), camera);
        VideoPort->SelectCamera(camera.get(), true);
    }
    SelectComboItem(ProjectionsCombo, texts_.Tr(kDefaultViewEntry));
}

void TMainForm::DestroyView() {
    RemoveIdleHandler();
    scene_.ReleaseFrames();
    delete ViewHost;
    ViewHost = nullptr;
    VideoPort = nullptr;
}

void TMainForm::ProjectionsComboChange() {
    const int entry = ProjectionsCombo->currentIndex();
    if (VideoPort == nullptr || !VideoPort->Viewport || entry < 0 ||
        entry >= static_cast<int>(std::size(kViewpoints)) ||
        ProjectionsCombo->currentText() != ProjectionsCombo->itemText(entry)) {
        return;
    }
    RefPtr<IDirect3DRMFrame> camera;
    // Without a camera the camera stays null, which ends the command.
    (void)VideoPort->Viewport->GetCamera(camera);
    if (!camera) {
        return;
    }
    RefPtr<IDirect3DRMFrame> parent;
    // The results are not examined, as for every view command: the camera, its parent and the
    // viewpoints are the program's own.
    (void)camera->GetParent(parent);
    const Viewpoint& view = kViewpoints[entry];
    (void)camera->SetOrientation(parent.get(), view.direction.x, view.direction.y, view.direction.z,
                                 view.up.x, view.up.y, view.up.z);
    (void)camera->SetPosition(parent.get(), view.position.x, view.position.y, view.position.z);
    RequestFrame();
}

void TMainForm::bbRotateSceneClick() {
    const bool start =
        Shows(bbRotateScene, kRotateSceneCaption) && Shows(pmnRotateScene, kRotateSceneCaption);
    RemoveIdleHandler();
    const SceneFrames& frames = scene_.Frames();
    if (frames.FloorFrame && ViewHost != nullptr) {
        // The result is not examined: the turn is about a fixed axis at a fixed speed.
        (void)frames.FloorFrame->SetRotation(ViewHost->SceneFrame.get(), 0, 1.0f, 0,
                                             start ? 0.01f : 0.0f);
    }
    const char* caption = start ? kStopSceneCaption : kRotateSceneCaption;
    texts_.Text(bbRotateScene, caption);
    texts_.Text(pmnRotateScene, caption);
    InstallIdlePass();
}

void TMainForm::ShowRadians() {
    edRad->setText(RealToFixedText(static_cast<double>(DegToRad(TextToReal(edGrad->text())))));
}

void TMainForm::edGradKeyPress() {
    ShowRadians();
    bbRotatePlane->setFocus();
}

void TMainForm::bbRotatePlaneClick() {
    if (edGrad->text() != QStringLiteral("0")) {
        ShowRadians();
    }
    if (!rbHorizontal->isChecked() && !rbVertical->isChecked()) {
        ShowMessageBox(this, tr("Пожалуйста, выберите плоскость которую\nнужно повернуть !"),
                       tr(kMissingData), MsgIcon::Warning, MsgButtons::Ok);
        return;
    }
    if (edRad->text() == QStringLiteral("0")) {
        ShowMessageBox(this, tr("Пожалуйста, введите угол поворота !"), tr(kMissingData),
                       MsgIcon::Warning, MsgButtons::Ok);
        edGrad->setFocus();
        return;
    }
    const auto theta = static_cast<D3DVALUE>(-TextToReal(edRad->text()));
    const SceneFrames& frames = scene_.Frames();
    if (!frames.FloorFrame || !frames.WallFrame) {
        return;
    }
    const bool floor = rbHorizontal->isChecked();
    // The results are not examined: a turn the engine refuses (an angle that is no number) leaves
    // the plane where it stood.
    for (int step = 0; step < kTiltSteps; ++step) {
        if (floor) {
            (void)frames.FloorFrame->AddRotation(D3DRMCOMBINE_BEFORE, 1.0f, 0, 0,
                                                 theta / kTiltSteps);
            (void)frames.WallFrame->AddRotation(D3DRMCOMBINE_BEFORE, 1.0f, 0, 0,
                                                -theta / kTiltSteps);
        } else {
            (void)frames.WallFrame->AddRotation(D3DRMCOMBINE_BEFORE, 1.0f, 0, 0,
                                                theta / kTiltSteps);
        }
        RenderStep();
    }
}

void TMainForm::sbZoomInClick() {
    if (VideoPort != nullptr && VideoPort->Viewport) {
        // The result is not examined: a field that the viewport refuses leaves the zoom as it was.
        (void)VideoPort->Viewport->SetField(VideoPort->Viewport->GetField() - 1.0f);
        RequestFrame();
    }
}

void TMainForm::sbZoomOutClick() {
    if (VideoPort != nullptr && VideoPort->Viewport) {
        // The result is not examined, as for zooming in.
        (void)VideoPort->Viewport->SetField(VideoPort->Viewport->GetField() + 1.0f);
        RequestFrame();
    }
}

} // namespace qor
