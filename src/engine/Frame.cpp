// Frames: hierarchy, placement with cached world transforms, and motion.
#include "engine/Frame.h"

#include "engine/Light.h"
#include "engine/Visual.h"

#include <algorithm>
#include <cmath>

namespace qor {

namespace {

// Frames with a velocity or a rotation; Tick moves exactly these.
std::vector<IDirect3DRMFrame*>& MovingFrames() {
    static std::vector<IDirect3DRMFrame*> frames;
    return frames;
}

D3DVECTOR ToD3d(Vec3 v) {
    return {static_cast<D3DVALUE>(v.x), static_cast<D3DVALUE>(v.y), static_cast<D3DVALUE>(v.z)};
}

bool IsFinite(std::initializer_list<D3DVALUE> values) {
    return std::all_of(values.begin(), values.end(), [](D3DVALUE v) { return std::isfinite(v); });
}

template <class T> HRESULT RemoveFirst(std::vector<RefPtr<T>>& items, T* item) {
    if (item == nullptr) {
        return D3DRMERR_BADOBJECT;
    }
    const auto found = std::find_if(items.begin(), items.end(),
                                    [item](const RefPtr<T>& p) { return p.get() == item; });
    if (found == items.end()) {
        return D3DRMERR_NOTFOUND;
    }
    items.erase(found);
    return D3DRM_OK;
}

template <class T>
HRESULT MakeArray(const std::vector<RefPtr<T>>& items, RefPtr<ObjectArray<T>>& out) {
    out = MakeRef<ObjectArray<T>>(items);
    return D3DRM_OK;
}

} // namespace

IDirect3DRMFrame::~IDirect3DRMFrame() {
    if (moving_) {
        std::vector<IDirect3DRMFrame*>& frames = MovingFrames();
        frames.erase(std::find(frames.begin(), frames.end(), this));
    }
    for (const RefPtr<IDirect3DRMFrame>& child : children_) {
        child->parent_ = nullptr;
        child->Invalidate();
    }
}

HRESULT IDirect3DRMFrame::AddChild(IDirect3DRMFrame* child) {
    if (child == nullptr) {
        return D3DRMERR_BADOBJECT;
    }
    if (child->IsAncestorOf(this)) {
        return D3DRMERR_BADVALUE;
    }
    if (child->parent_ == this) {
        return D3DRM_OK;
    }
    const RefPtr<IDirect3DRMFrame> keep(child);
    // The child is one of its parent's: taking it out cannot fail.
    if (child->parent_ != nullptr) {
        (void)child->parent_->DeleteChild(child);
    }
    child->parent_ = this;
    child->Invalidate();
    children_.push_back(keep);
    return D3DRM_OK;
}

HRESULT IDirect3DRMFrame::DeleteChild(IDirect3DRMFrame* child) {
    if (child == nullptr) {
        return D3DRMERR_BADOBJECT;
    }
    if (child->parent_ != this) {
        return D3DRMERR_NOTFOUND;
    }
    const RefPtr<IDirect3DRMFrame> keep(child);
    child->parent_ = nullptr;
    child->Invalidate();
    return RemoveFirst(children_, child);
}

HRESULT IDirect3DRMFrame::GetChildren(RefPtr<IDirect3DRMFrameArray>& children) const {
    return MakeArray(children_, children);
}

HRESULT IDirect3DRMFrame::GetParent(RefPtr<IDirect3DRMFrame>& parent) const {
    parent = RefPtr<IDirect3DRMFrame>(parent_);
    return D3DRM_OK;
}

HRESULT IDirect3DRMFrame::GetScene(RefPtr<IDirect3DRMFrame>& scene) {
    scene = RefPtr<IDirect3DRMFrame>(Root());
    return D3DRM_OK;
}

HRESULT IDirect3DRMFrame::AddLight(IDirect3DRMLight* light) {
    if (light == nullptr) {
        return D3DRMERR_BADOBJECT;
    }
    lights_.emplace_back(light);
    return D3DRM_OK;
}

HRESULT IDirect3DRMFrame::DeleteLight(IDirect3DRMLight* light) {
    return RemoveFirst(lights_, light);
}

HRESULT IDirect3DRMFrame::GetLights(RefPtr<IDirect3DRMLightArray>& lights) const {
    return MakeArray(lights_, lights);
}

HRESULT IDirect3DRMFrame::AddVisual(IDirect3DRMVisual* visual) {
    if (visual == nullptr) {
        return D3DRMERR_BADOBJECT;
    }
    visuals_.emplace_back(visual);
    return D3DRM_OK;
}

HRESULT IDirect3DRMFrame::DeleteVisual(IDirect3DRMVisual* visual) {
    return RemoveFirst(visuals_, visual);
}

HRESULT IDirect3DRMFrame::GetVisuals(RefPtr<IDirect3DRMVisualArray>& visuals) const {
    return MakeArray(visuals_, visuals);
}

HRESULT IDirect3DRMFrame::SetPosition(IDirect3DRMFrame* reference, D3DVALUE x, D3DVALUE y,
                                      D3DVALUE z) {
    if (!IsFinite({x, y, z})) {
        return D3DRMERR_BADVALUE;
    }
    const Vec3 world = WorldOf(reference).Apply({x, y, z});
    RigidTransform local = local_;
    local.translation = Inverse(ParentWorld()).Apply(world);
    SetLocal(local);
    return D3DRM_OK;
}

HRESULT IDirect3DRMFrame::GetPosition(IDirect3DRMFrame* reference, D3DVECTOR* position) {
    if (position == nullptr) {
        return D3DRMERR_BADVALUE;
    }
    *position = ToD3d(Inverse(WorldOf(reference)).Apply(WorldTransform().translation));
    return D3DRM_OK;
}

HRESULT IDirect3DRMFrame::SetOrientation(IDirect3DRMFrame* reference, D3DVALUE dx, D3DVALUE dy,
                                         D3DVALUE dz, D3DVALUE ux, D3DVALUE uy, D3DVALUE uz) {
    if (!IsFinite({dx, dy, dz, ux, uy, uz})) {
        return D3DRMERR_BADVALUE;
    }
    const Vec3 z = Normalized({dx, dy, dz});
    const Vec3 up{ux, uy, uz};
    const Vec3 y = Normalized(up - Dot(up, z) * z);
    if (Length(z) == 0 || Length(y) == 0) {
        return D3DRMERR_BADVALUE;
    }
    const Mat3 inReference = Mat3::FromColumns(Cross(y, z), y, z);
    RigidTransform local = local_;
    local.rotation = Transposed(ParentWorld().rotation) * (AxesOf(reference) * inReference);
    SetLocal(local);
    return D3DRM_OK;
}

HRESULT IDirect3DRMFrame::GetOrientation(IDirect3DRMFrame* reference, D3DVECTOR* dir,
                                         D3DVECTOR* up) {
    if (dir == nullptr || up == nullptr) {
        return D3DRMERR_BADVALUE;
    }
    const Mat3 inReference = Transposed(AxesOf(reference)) * WorldTransform().rotation;
    *dir = ToD3d(inReference.Column(2));
    *up = ToD3d(inReference.Column(1));
    return D3DRM_OK;
}

HRESULT IDirect3DRMFrame::AddRotation(D3DRMCOMBINETYPE combine, D3DVALUE x, D3DVALUE y, D3DVALUE z,
                                      D3DVALUE theta) {
    const Vec3 axis = Normalized({x, y, z});
    if (!IsFinite({x, y, z, theta}) || Length(axis) == 0) {
        return D3DRMERR_BADVALUE;
    }
    const Mat3 turn = RotationMatrix(axis, theta);
    RigidTransform local = local_;
    switch (combine) {
    case D3DRMCOMBINE_BEFORE:
        local.rotation = Orthonormalized(local.rotation * turn);
        break;
    case D3DRMCOMBINE_AFTER:
        local.rotation = Orthonormalized(turn * local.rotation);
        local.translation = turn * local.translation;
        break;
    case D3DRMCOMBINE_REPLACE:
        local = {turn, {}};
        break;
    default:
        return D3DRMERR_BADVALUE;
    }
    SetLocal(local);
    return D3DRM_OK;
}

HRESULT IDirect3DRMFrame::Transform(D3DVECTOR* world, const D3DVECTOR* local) {
    if (world == nullptr || local == nullptr) {
        return D3DRMERR_BADVALUE;
    }
    *world = ToD3d(WorldTransform().Apply({local->x, local->y, local->z}));
    return D3DRM_OK;
}

HRESULT IDirect3DRMFrame::InverseTransform(D3DVECTOR* local, const D3DVECTOR* world) {
    if (world == nullptr || local == nullptr) {
        return D3DRMERR_BADVALUE;
    }
    *local = ToD3d(Inverse(WorldTransform()).Apply({world->x, world->y, world->z}));
    return D3DRM_OK;
}

HRESULT IDirect3DRMFrame::SetRotation(IDirect3DRMFrame* reference, D3DVALUE x, D3DVALUE y,
                                      D3DVALUE z, D3DVALUE theta) {
    const Vec3 axis = Normalized({x, y, z});
    if (!IsFinite({x, y, z, theta}) || (Length(axis) == 0 && theta != 0)) {
        return D3DRMERR_BADVALUE;
    }
    rotationAxis_ = Transposed(ParentWorld().rotation) * (AxesOf(reference) * axis);
    rotationSpeed_ = theta;
    UpdateMotionRegistration();
    return D3DRM_OK;
}

HRESULT IDirect3DRMFrame::GetRotation(IDirect3DRMFrame* reference, D3DVECTOR* axis,
                                      D3DVALUE* theta) {
    if (axis == nullptr || theta == nullptr) {
        return D3DRMERR_BADVALUE;
    }
    *axis = ToD3d(Transposed(AxesOf(reference)) * (ParentWorld().rotation * rotationAxis_));
    *theta = static_cast<D3DVALUE>(rotationSpeed_);
    return D3DRM_OK;
}

HRESULT IDirect3DRMFrame::SetVelocity(IDirect3DRMFrame* reference, D3DVALUE x, D3DVALUE y,
                                      D3DVALUE z) {
    if (!IsFinite({x, y, z})) {
        return D3DRMERR_BADVALUE;
    }
    velocity_ = Transposed(ParentWorld().rotation) * (AxesOf(reference) * Vec3{x, y, z});
    UpdateMotionRegistration();
    return D3DRM_OK;
}

HRESULT IDirect3DRMFrame::GetVelocity(IDirect3DRMFrame* reference, D3DVECTOR* velocity,
                                      bool withRotation) {
    if (velocity == nullptr) {
        return D3DRMERR_BADVALUE;
    }
    const Vec3 origin = WorldTransform().translation;
    Vec3 world = ParentWorld().rotation * velocity_;
    for (const IDirect3DRMFrame* a = parent_; a != nullptr; a = a->parent_) {
        const Mat3 axes = a->ParentWorld().rotation;
        world = world + axes * a->velocity_;
        if (withRotation && a->rotationSpeed_ != 0) {
            const Vec3 omega = a->rotationSpeed_ * (axes * a->rotationAxis_);
            world = world + Cross(omega, origin - a->WorldTransform().translation);
        }
    }
    *velocity = ToD3d(Transposed(AxesOf(reference)) * world);
    return D3DRM_OK;
}

HRESULT IDirect3DRMFrame::SetSceneBackgroundRGB(D3DVALUE red, D3DVALUE green, D3DVALUE blue) {
    if (!IsFinite({red, green, blue})) {
        return D3DRMERR_BADVALUE;
    }
    Root()->background_ = {std::clamp(red, 0.0f, 1.0f), std::clamp(green, 0.0f, 1.0f),
                           std::clamp(blue, 0.0f, 1.0f)};
    return D3DRM_OK;
}

D3DCOLOR IDirect3DRMFrame::GetSceneBackground() const {
    const IDirect3DRMFrame* root = this;
    while (root->parent_ != nullptr) {
        root = root->parent_;
    }
    const auto byte = [](float c) { return static_cast<D3DCOLOR>(std::lround(c * 255.0f)); };
    return 0xFF000000u | byte(root->background_[0]) << 16 | byte(root->background_[1]) << 8 |
           byte(root->background_[2]);
}

IDirect3DRMFrame* IDirect3DRMFrame::Root() {
    IDirect3DRMFrame* root = this;
    while (root->parent_ != nullptr) {
        root = root->parent_;
    }
    return root;
}

const RigidTransform& IDirect3DRMFrame::WorldTransform() const {
    if (worldDirty_) {
        world_ = parent_ != nullptr ? parent_->WorldTransform() * local_ : local_;
        worldDirty_ = false;
    }
    return world_;
}

void IDirect3DRMFrame::MoveAll(double delta) {
    for (IDirect3DRMFrame* frame : MovingFrames()) {
        frame->Move(delta);
    }
}

bool IDirect3DRMFrame::IsAncestorOf(const IDirect3DRMFrame* frame) const {
    for (; frame != nullptr; frame = frame->parent_) {
        if (frame == this) {
            return true;
        }
    }
    return false;
}

Mat3 IDirect3DRMFrame::AxesOf(const IDirect3DRMFrame* reference) {
    return reference != nullptr ? reference->WorldTransform().rotation : Mat3{};
}

RigidTransform IDirect3DRMFrame::WorldOf(const IDirect3DRMFrame* reference) {
    return reference != nullptr ? reference->WorldTransform() : RigidTransform{};
}

RigidTransform IDirect3DRMFrame::ParentWorld() const {
    return WorldOf(parent_);
}

void IDirect3DRMFrame::SetLocal(const RigidTransform& local) {
    local_ = local;
    Invalidate();
}

void IDirect3DRMFrame::Invalidate() {
    if (worldDirty_) {
        return;
    }
    worldDirty_ = true;
    for (const RefPtr<IDirect3DRMFrame>& child : children_) {
        child->Invalidate();
    }
}

void IDirect3DRMFrame::UpdateMotionRegistration() {
    const bool moves = rotationSpeed_ != 0 || Length(velocity_) != 0;
    if (moves == moving_) {
        return;
    }
    moving_ = moves;
    std::vector<IDirect3DRMFrame*>& frames = MovingFrames();
    if (moves) {
        frames.push_back(this);
    } else {
        frames.erase(std::find(frames.begin(), frames.end(), this));
    }
}

void IDirect3DRMFrame::Move(double delta) {
    RigidTransform local = local_;
    local.translation = local.translation + delta * velocity_;
    if (rotationSpeed_ != 0) {
        local.rotation =
            Orthonormalized(RotationMatrix(rotationAxis_, rotationSpeed_ * delta) * local.rotation);
    }
    SetLocal(local);
}

} // namespace qor
