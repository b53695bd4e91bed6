#include "scene/LinkPoses.h"

#include "engine/Math3d.h"
#include "kinematics/Stepping.h"
#include "scene/SceneLayout.h"

#include <cmath>

namespace qor {

namespace {

constexpr Vec3 kXAxis{1, 0, 0};
constexpr Vec3 kYAxis{0, 1, 0};

} // namespace

void AlignLinkFrame(IDirect3DRMFrame& frame, double angle, bool standUp) {
    Mat3 turn = RotationMatrix(kYAxis, -angle);
    if (standUp) {
        turn = RotationMatrix(kXAxis, kMinusQuarterTurn) * turn;
    }
    const Vec3 z = turn.Column(2);
    const Vec3 y = turn.Column(1);
    const auto f = [](double v) { return static_cast<D3DVALUE>(v); };
    // The result is not examined: the directions are unit vectors, which the engine always takes.
    (void)frame.SetOrientation(frame.Parent(), f(z.x), f(z.y), f(z.z), f(y.x), f(y.y), f(y.z));
}

double DrawnLink3Angle(const Mechanism& m) {
    const double first = m.B.x - m.Joint43.x;
    const double second =
        SecondPlaneCoordinate(m.Plane, m.B) - SecondPlaneCoordinate(m.Plane, m.Joint43);
    if ((first == 0.0 && second == 0.0) || m.L3 == 0.0) {
        return m.Ksi;
    }
    return std::atan2(second / m.L3, first / m.L3);
}

void UpdateLinkPoses(const Mechanism& m, const LinkageFrames& frames) {
    if (!frames.HasLinks()) {
        return;
    }
    // Links 2 and 3 are set relative to links 1 and 4, which carry them.
    const bool standUp = m.Plane == MechanismPlane::Vertical;
    AlignLinkFrame(*frames.Link1Frame, m.Fi, standUp);
    AlignLinkFrame(*frames.Link2Frame, m.Psi - m.Fi, false);
    AlignLinkFrame(*frames.Link4Frame, m.Gamma, standUp);
    AlignLinkFrame(*frames.Link3Frame, DrawnLink3Angle(m) - m.Gamma, false);
}

void InitialPose(Mechanism& m1, const LinkageFrames& frames1, const PointBReadout& showB1,
                 Mechanism& m2, const LinkageFrames& frames2, const PointBReadout& showB2) {
    SolvePosition(m1, showB1);
    UpdateLinkPoses(m1, frames1);
    SolvePosition(m2, showB2);
    UpdateLinkPoses(m2, frames2);
}

void AdvanceMechanism(Mechanism& m, const LinkageFrames& frames, const PointBReadout& showB) {
    if (!m.Running) {
        return;
    }
    AccumulateAngles(m);
    SolvePosition(m, showB);
    UpdateLinkPoses(m, frames);
}

} // namespace qor
