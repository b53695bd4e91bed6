// The part of the main window that a long run exercises, without its widgets: the two
// mechanism records, the parameter dialog made once and reused, the view taken down and made
// again for each new construction in the main window's order, the idle pass and the read-outs.
// The view is the offscreen stand-in for the view host, at a small device size.
#pragma once

#include "SceneRig.h"

#include "forms/FrmConstrParamSet.h"
#include "scene/MechanismScene.h"

#include <QString>

#include <array>
#include <memory>

namespace qor::soak {

class SoakWindow {
public:
    SoakWindow(const QString& models, int width, int height);
    ~SoakWindow();
    SoakWindow(const SoakWindow&) = delete;
    SoakWindow& operator=(const SoakWindow&) = delete;

    // A new construction with the dialog's own default entries accepted by its OK button: the
    // old view taken down, a fresh one made, the steps zeroed, the dialog, the scene built.
    // False when the dialog did not accept both mechanisms or no device could be made.
    bool NewConstruction();
    // Every link check box ticked and "+" chosen for each, then the run toggle pressed.
    void TurnAllLinks();
    // One idle pass: both running mechanisms advanced, one engine tick when render is set (it
    // renders a frame), the angle read-outs shown.
    void IdlePass(bool render);
    // The larger of both mechanisms' DrawnJointToB.
    double JointToB() const;
    // Lets go of the scene's frames, then of the view's engine objects in the view host's order.
    void DestroyView();

private:
    bool CreateView();
    void ShowAngles();

    QString models_;
    int width_;
    int height_;
    Mechanism mechanism1_;
    Mechanism mechanism2_;
    bool ParamsAccepted_ = false;
    // The read-outs as the main window's labels would show them.
    std::array<QString, 8> angleTexts_;
    std::array<QString, 6> pointBTexts_;
    PointBReadout showB1_;
    PointBReadout showB2_;
    TConstructionParamForm ConstructionParamForm_;
    MechanismScene scene_;
    std::unique_ptr<test::SceneRig> view_;
};

} // namespace qor::soak
