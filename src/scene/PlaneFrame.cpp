#include "scene/PlaneFrame.h"

#include "engine/Engine.h"
#include "kinematics/Solver.h"
#include "scene/LinkPoses.h"
#include "scene/SceneLayout.h"

namespace qor {

RefPtr<IDirect3DRMFrame> NewPlaneFrame(IDirect3DRM* engine, IDirect3DRMFrame& link1Frame,
                                       MechanismPlane plane) {
    IDirect3DRMFrame* base = link1Frame.Parent();
    RefPtr<IDirect3DRMFrame> frame;
    D3DVECTOR pivot;
    if (Failed(engine->CreateFrame(base, frame)) || Failed(link1Frame.GetPosition(base, &pivot)) ||
        Failed(frame->SetPosition(base, pivot.x, pivot.y, pivot.z))) {
        return frame;
    }
    AlignLinkFrame(*frame, 0, plane == MechanismPlane::Vertical);
    return frame;
}

double CouplerLift(MechanismPlane plane) {
    return plane == MechanismPlane::Horizontal ? kFloorLift : kWallLift;
}

Vec3 PlaneFramePoint(MechanismPlane plane, const Point3& p) {
    return {p.x, CouplerLift(plane), SecondPlaneCoordinate(plane, p)};
}

} // namespace qor
