#include "scene/SceneFrames.h"

namespace qor {

void ReleaseSceneFrames(SceneFrames& frames) {
    LinkageFrames& m1 = frames.Mechanism1;
    LinkageFrames& m2 = frames.Mechanism2;
    for (auto link : {&LinkageFrames::Link1Frame, &LinkageFrames::Link2Frame,
                      &LinkageFrames::Link3Frame, &LinkageFrames::Link4Frame}) {
        (m1.*link).reset();
        (m2.*link).reset();
    }
    m1.HingeBFrame.reset();
    m2.HingeBFrame.reset();
    frames.WallFrame.reset();
    frames.FloorFrame.reset();
    m1.AxesFrame.reset();
    m2.AxesFrame.reset();
    frames.WorldAxesFrame.reset();
}

} // namespace qor
