// An offscreen stand-in for the view host, as the main window sets it up for a scene: an
// engine, a device of the default driver, a scene root with the host's grey ambient light, and
// a viewport seen from a fresh camera, orthographic with front 0.1, back 5000 and field 14, the
// device in flat quality. Also the default parameters of both mechanisms and where a point of a
// mechanism's plane lies in the scene, worked out from the scene's layout.
#pragma once

#include "engine/Math3d.h"
#include "engine/RetainedMode.h"
#include "kinematics/Mechanism.h"
#include "scene/SceneFrames.h"

#include <QPointF>

namespace qor::test {

class SceneRig {
public:
    // Without OpenGL (width or height 0) there is no device and no viewport.
    SceneRig(int width = 0, int height = 0);
    // False when a device was asked for and could not be made.
    bool Ok() const;

    // The pixel (x right, y down, from the top left corner) at which the program's camera
    // shows a point of the scene on this viewport: worked out here from the camera's place
    // (5, 10, -10), its view along (0, -0.8, 1) with up (0, 1, 0) and the field of 14, not read
    // back from the engine.
    QPointF PixelOf(Vec3 scenePoint) const;

    RefPtr<IDirect3DRM> engine;
    RefPtr<IDirectDrawClipper> clipper;
    RefPtr<IDirect3DRMDevice> device;
    RefPtr<IDirect3DRMFrame> scene;
    RefPtr<IDirect3DRMFrame> camera;
    RefPtr<IDirect3DRMViewport> viewport;

private:
    bool wantsDevice_ = false;
};

// Where the program's default camera shows a scene point on a viewport of width x height pixels.
QPointF PixelOfDefaultView(Vec3 scenePoint, double width, double height);

// The parameter dialog's defaults: a = 3, b = 0, L1 = 3, L2 = L3 = 6, L4 = 3, steps of 1 degree,
// initial angles 0.
Mechanism DefaultMechanism(MechanismPlane plane);

// Where a point of a mechanism's plane (first, second coordinate relative to pivot 1) lies in
// the scene when the floor and the wall stand as built, lifted above its base by lift: for the
// floor mechanism the floor board is at (5.5, 0, 2), pivot 1 at (-a/2, 0.1, -9.5) on it, and the
// plane's second axis is the floor's z; for the wall mechanism pivot 1 is at (-a/2, 1.0, -0.2)
// on the wall, the second axis is the wall's y, and a lift moves towards the camera (-z).
Vec3 ScenePointOf(const Mechanism& m, double first, double second, double lift);

// Where the scene should show B: lifted by two link offsets (link 2 and link 3 hang one offset
// above the driven links, which hang one offset above their base).
Vec3 SceneB(const Mechanism& m);

// How far the drawn joints of a mechanism lie from where the solver puts them: the far ends of
// links 2 and 3 from B, and the far ends of links 1 and 4, lifted as the next link hangs, from
// the origins of links 2 and 3. Valid while the floor and the wall stand as built.
double JointError(const Mechanism& m, const LinkageFrames& f);

// How far apart the drawn links are at their joints, wherever the floor and the wall stand: the
// far ends of links 2 and 3 (both at B), and the lifted far ends of links 1 and 4 from the
// origins of links 2 and 3.
double JoinGap(const Mechanism& m, const LinkageFrames& f);

} // namespace qor::test
