// The 3D scene of both linkages: built from the model set into the view host's empty scene,
// moved step by step with the mechanisms, and let go when the view is taken down. The main
// window owns one; so does the benchmark, which runs the same code without a window.
#pragma once

#include "kinematics/Mechanism.h"
#include "kinematics/Solver.h"
#include "scene/SceneFrames.h"

#include <QString>

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
    // their initial pose. A model that cannot be loaded is reported by its box and missing from
    // the picture; its frame is still made and placed, so the construction always stands.
    void BuildScene(IDirect3DRM* engine, IDirect3DRMFrame* scene, IDirect3DRMFrame* camera);

    // One advance of each running mechanism, mechanism 1 first. Without a scene the mechanisms
    // are solved and no frame is touched.
    void AdvanceRunning();

    // Releases the frame references in the order the view is taken down (see SceneFrames.h).
    void ReleaseFrames() { ReleaseSceneFrames(frames_); }

    bool HasScene() const { return frames_.FloorFrame != nullptr; }
    const SceneFrames& Frames() const { return frames_; }

private:
    void LoadSetModel(IDirect3DRM* engine, IDirect3DRMFrame* frame, const QString& file) const;
    void LoadLinkModels(IDirect3DRM* engine, const LinkageFrames& frames, const Mechanism& m) const;
    void BuildFloorMechanism(IDirect3DRM* engine);
    void BuildWallMechanism(IDirect3DRM* engine);
    void BuildAxes(IDirect3DRM* engine);

    Mechanism& mechanism1_;
    Mechanism& mechanism2_;
    const PointBReadout& showB1_;
    const PointBReadout& showB2_;
    QString modelSetRoot_;
    QString root_; // the set in use while a scene is built
    SceneFrames frames_;
};

} // namespace qor
