// The 3D scene of both linkages: built from the model set into the view host's empty scene,
// moved step by step with the mechanisms, and let go when the view is taken down. The main
// window owns one; so does the benchmark, which runs the same code without a window.
#pragma once

#include "kinematics/Mechanism.h"
#include "kinematics/Solver.h"
#include "scene/CircleConstruction.h"
#include "scene/CouplerPath.h"
#include "scene/SceneFrames.h"

#include <QString>

#include <array>

namespace qor {

class IDirect3DRM;

class MechanismScene {
public:
    // The records and the read-outs of B stay the caller's and must outlive the scene; the
    // read-outs are called on every solve (they may be empty).
    MechanismScene(Mechanism& mechanism1, Mechanism& mechanism2, const PointBReadout& showB1,
                   const PointBReadout& showB2);
    MechanismScene(const MechanismScene&) = delete;
    MechanismScene& operator=(const MechanismScene&) = delete;

    // Where the models are read from; empty (the default) means ModelSetRoot() at build time.
    void SetModelSetRoot(const QString& root) { modelSetRoot_ = root; }

    // Fills the view host's empty scene: the light, the floor and the wall, both linkages with
    // their hinges and axes, the world axes; places the camera and brings both mechanisms into
    // their initial pose, and draws the analysis drawings that are shown. A model that cannot be
    // loaded is reported by its box and missing from the picture; its frame is still made and
    // placed, so the construction always stands.
    void BuildScene(IDirect3DRM* engine, IDirect3DRMFrame* scene, IDirect3DRMFrame* camera);

    // One advance of each running mechanism, mechanism 1 first; the circle constructions shown
    // follow. A path is not built again on a step, except when its mechanism reaches the last
    // position of a path that did not close: it is then drawn on from there. Without a scene
    // the mechanisms are solved and no frame is touched.
    void AdvanceRunning();

    // The analysis drawings of both mechanisms, off until asked for: off, no engine object of
    // theirs exists. They are drawn whenever a scene is built while they are on.
    void ShowCouplerPaths(bool shown);
    void ShowCircleConstructions(bool shown);
    bool CouplerPathsShown() const { return pathsShown_; }
    bool CircleConstructionsShown() const { return circlesShown_; }
    // A link of the mechanism was ticked or cleared or its direction changed: its path, if
    // shown, is drawn again for the new drive.
    void DriveChanged(const Mechanism& m);
    // Mechanism 1's (index 0) and mechanism 2's (index 1) drawings.
    const CouplerPath& Path(int index) const { return paths_[static_cast<std::size_t>(index)]; }
    const CircleConstruction& Circles(int index) const {
        return circles_[static_cast<std::size_t>(index)];
    }

    // Lets the analysis drawings go, then releases the frame references in the order the view is
    // taken down (see SceneFrames.h).
    void ReleaseFrames();

    bool HasScene() const { return frames_.FloorFrame != nullptr; }
    const SceneFrames& Frames() const { return frames_; }

private:
    void LoadSetModel(IDirect3DRM* engine, IDirect3DRMFrame* frame, const QString& file) const;
    void LoadLinkModels(IDirect3DRM* engine, const LinkageFrames& frames, const Mechanism& m) const;
    void BuildFloorMechanism(IDirect3DRM* engine);
    void BuildWallMechanism(IDirect3DRM* engine);
    void BuildAxes(IDirect3DRM* engine);
    void BuildPath(int index);
    void BuildCircles(int index);
    Mechanism& MechanismAt(int index) { return index == 0 ? mechanism1_ : mechanism2_; }
    const LinkageFrames& LinkageAt(int index) const {
        return index == 0 ? frames_.Mechanism1 : frames_.Mechanism2;
    }

    Mechanism& mechanism1_;
    Mechanism& mechanism2_;
    const PointBReadout& showB1_;
    const PointBReadout& showB2_;
    QString modelSetRoot_;
    QString root_; // the set in use while a scene is built
    SceneFrames frames_;
    IDirect3DRM* engine_ = nullptr; // the view host's, while a scene exists
    bool pathsShown_ = false;
    bool circlesShown_ = false;
    std::array<CouplerPath, 2> paths_;
    std::array<CircleConstruction, 2> circles_;
};

} // namespace qor
