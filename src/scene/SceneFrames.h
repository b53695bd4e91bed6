// The frames of the scene that the main window keeps: one counted reference to each, null while
// no scene exists. The scene root holds the frames too; releasing these references leaves the
// frames to the scene, which the view host destroys.
#pragma once

#include "engine/Frame.h"
#include "engine/RefPtr.h"

namespace qor {

// One linkage: its four links, the hinge at point B and the axes at link 1's pivot.
struct LinkageFrames {
    RefPtr<IDirect3DRMFrame> Link1Frame; // hangs from the floor or the wall at pivot 1
    RefPtr<IDirect3DRMFrame> Link2Frame; // child of Link1Frame, at link 1's moving end
    RefPtr<IDirect3DRMFrame> Link3Frame; // child of Link4Frame, at link 4's moving end
    RefPtr<IDirect3DRMFrame> Link4Frame; // hangs from the floor or the wall at pivot 4
    RefPtr<IDirect3DRMFrame> HingeBFrame;
    RefPtr<IDirect3DRMFrame> AxesFrame;

    bool HasLinks() const { return Link1Frame && Link2Frame && Link3Frame && Link4Frame; }
};

struct SceneFrames {
    RefPtr<IDirect3DRMFrame> FloorFrame;
    RefPtr<IDirect3DRMFrame> WallFrame; // child of FloorFrame
    RefPtr<IDirect3DRMFrame> WorldAxesFrame;
    LinkageFrames Mechanism1; // horizontal, on the floor
    LinkageFrames Mechanism2; // vertical, before the wall
};

// Releases every reference, each exactly once, in the order the view is taken down: the links
// by number, mechanism 1's before mechanism 2's; the hinges; the wall, then the floor; both
// mechanisms' axes, then the world axes. Null references are skipped; all are null afterwards.
void ReleaseSceneFrames(SceneFrames& frames);

} // namespace qor
