#include "SoakWindow.h"

#include "JointToB.h"

#include "kinematics/Angles.h"
#include "kinematics/Stepping.h"
#include "platform/NumberText.h"
#include "support/Require.h"
#include "view/D3dUtil.h"

#include <QPushButton>

#include <algorithm>

namespace qor::soak {

namespace {

PointBReadout ShowInto(std::array<QString, 6>& texts, std::size_t first) {
    return [&texts, first](double x, double y, double z) {
        texts[first] = RealToFixedText(x);
        texts[first + 1] = RealToFixedText(y);
        texts[first + 2] = RealToFixedText(z);
    };
}

} // namespace

SoakWindow::SoakWindow(const QString& models, int width, int height)
    : models_(models), width_(width), height_(height), showB1_(ShowInto(pointBTexts_, 0)),
      showB2_(ShowInto(pointBTexts_, 3)),
      ConstructionParamForm_(mechanism1_, mechanism2_, ParamsAccepted_),
      scene_(mechanism1_, mechanism2_, showB1_, showB2_) {
    mechanism1_.Plane = MechanismPlane::Horizontal;
    mechanism2_.Plane = MechanismPlane::Vertical;
    scene_.SetModelSetRoot(models_);
}

SoakWindow::~SoakWindow() {
    DestroyView();
}

bool SoakWindow::NewConstruction() {
    DestroyView();
    if (!CreateView()) {
        return false;
    }
    // Unticking the link check boxes zeroes the steps; links 2 and 3 start from unturned.
    for (Mechanism* m : {&mechanism1_, &mechanism2_}) {
        m->dFi = 0;
        m->dGamma = 0;
        m->Psi = 0.0;
        m->Ksi = 0.0;
    }
    // The dialog's OK on its default entries; its acceptance also sets the steps, which the
    // window zeroes again until a link is ticked.
    ConstructionParamForm_.findChild<QPushButton*>(QStringLiteral("bbOK"))->click();
    for (Mechanism* m : {&mechanism1_, &mechanism2_}) {
        m->dFi = 0;
        m->dGamma = 0;
    }
    if (!ParamsAccepted_) {
        return false;
    }
    StopMechanism(mechanism1_);
    StopMechanism(mechanism2_);
    scene_.BuildScene(view_->engine.get(), view_->scene.get(), view_->camera.get());
    return true;
}

bool SoakWindow::CreateView() {
    ParamsAccepted_ = false;
    view_ = std::make_unique<test::SceneRig>(width_, height_);
    return view_->Ok();
}

void SoakWindow::DestroyView() {
    scene_.ReleaseFrames();
    if (!view_) {
        return;
    }
    // The viewport lets go of its camera, the frame that the main window handed it.
    view_->viewport.reset();
    view_->device.reset();
    view_->camera.reset();
    ClearFrame(view_->scene.get());
    view_->scene.reset();
    view_->engine.reset();
    view_->clipper.reset();
    view_.reset();
}

void SoakWindow::TurnAllLinks() {
    for (Mechanism* m : {&mechanism1_, &mechanism2_}) {
        m->dFi = m->Velocity1;
        m->dGamma = m->Velocity4;
        m->Running = true;
    }
}

void SoakWindow::IdlePass(bool render) {
    scene_.AdvanceRunning();
    if (render) {
        test::Require(view_->engine->Tick(1));
    }
    ShowAngles();
}

void SoakWindow::ShowAngles() {
    const Mechanism* mechanisms[] = {&mechanism1_, &mechanism2_};
    for (std::size_t k = 0; k < 2; ++k) {
        const Mechanism& m = *mechanisms[k];
        const double angles[] = {m.Fi, m.Psi, m.Ksi, m.Gamma};
        for (std::size_t i = 0; i < 4; ++i) {
            angleTexts_[4 * k + i] = RealToFixedText(static_cast<double>(RadToDeg(angles[i])));
        }
    }
}

double SoakWindow::JointToB() const {
    return std::max(DrawnJointToB(mechanism1_, scene_.Frames().Mechanism1),
                    DrawnJointToB(mechanism2_, scene_.Frames().Mechanism2));
}

} // namespace qor::soak
