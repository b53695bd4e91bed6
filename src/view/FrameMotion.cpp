// Motion below a frame.
#include "view/FrameMotion.h"

#include "engine/Frame.h"

namespace qor {

bool CountsAsMoving(const D3DVECTOR& velocity, D3DVALUE rotationAngle) {
    return velocity.x + velocity.y + velocity.z != 0.0f || rotationAngle != 0.0f;
}

bool AnyDescendantMoves(IDirect3DRMFrame* frame, IDirect3DRMFrame* reference) {
    if (frame == nullptr) {
        return false;
    }
    RefPtr<IDirect3DRMFrameArray> children;
    if (Failed(frame->GetChildren(children)) || !children) {
        return false;
    }
    for (std::uint32_t i = 0; i < children->GetSize(); ++i) {
        RefPtr<IDirect3DRMFrame> child;
        // Results are not examined: a child that cannot be read is skipped, and motion that cannot
        // be read counts as none.
        (void)children->GetElement(i, child);
        if (!child) {
            continue;
        }
        D3DVECTOR velocity;
        (void)child->GetVelocity(reference, &velocity, true);
        D3DVECTOR axis;
        D3DVALUE angle = 0;
        (void)child->GetRotation(reference, &axis, &angle);
        if (CountsAsMoving(velocity, angle) || AnyDescendantMoves(child.get(), reference)) {
            return true;
        }
    }
    return false;
}

} // namespace qor
