// A frame of the scene hierarchy: a rigid transform into its parent's coordinates
// (p_parent = R p + t), its children, visuals and lights, and its own motion (a velocity and a
// rotation per time unit) that the engine's Tick carries out. A frame without a parent is the
// root of a scene; "world" coordinates are those of the space a root is placed in.
#pragma once

#include "engine/Light.h"
#include "engine/Math3d.h"
#include "engine/Object.h"
#include "engine/ObjectArray.h"
#include "engine/RefPtr.h"
#include "engine/Types.h"
#include "engine/Visual.h"

#include <array>
#include <vector>

namespace qor {

class IDirect3DRMFrame final : public IDirect3DRMObject {
public:
    IDirect3DRMFrame() = default;

    // Hierarchy. A child is held by its parent; deleting it only detaches it.
    [[nodiscard]] HRESULT AddChild(IDirect3DRMFrame* child);
    [[nodiscard]] HRESULT DeleteChild(IDirect3DRMFrame* child);
    [[nodiscard]] HRESULT GetChildren(RefPtr<IDirect3DRMFrameArray>& children) const;
    // A null parent for a root.
    [[nodiscard]] HRESULT GetParent(RefPtr<IDirect3DRMFrame>& parent) const;
    // The root of this frame's hierarchy.
    [[nodiscard]] HRESULT GetScene(RefPtr<IDirect3DRMFrame>& scene);

    [[nodiscard]] HRESULT AddLight(IDirect3DRMLight* light);
    [[nodiscard]] HRESULT DeleteLight(IDirect3DRMLight* light);
    [[nodiscard]] HRESULT GetLights(RefPtr<IDirect3DRMLightArray>& lights) const;
    [[nodiscard]] HRESULT AddVisual(IDirect3DRMVisual* visual);
    [[nodiscard]] HRESULT DeleteVisual(IDirect3DRMVisual* visual);
    [[nodiscard]] HRESULT GetVisuals(RefPtr<IDirect3DRMVisualArray>& visuals) const;

    // Placement relative to a reference frame; a null reference means world coordinates.
    [[nodiscard]] HRESULT SetPosition(IDirect3DRMFrame* reference, D3DVALUE x, D3DVALUE y,
                                      D3DVALUE z);
    [[nodiscard]] HRESULT GetPosition(IDirect3DRMFrame* reference, D3DVECTOR* position);
    // Turns the frame so that its z axis points along dir and its y axis along up made
    // orthogonal to dir (x = y cross z); the origin stays. Refuses a zero direction and an up
    // parallel to it.
    [[nodiscard]] HRESULT SetOrientation(IDirect3DRMFrame* reference, D3DVALUE dx, D3DVALUE dy,
                                         D3DVALUE dz, D3DVALUE ux, D3DVALUE uy, D3DVALUE uz);
    [[nodiscard]] HRESULT GetOrientation(IDirect3DRMFrame* reference, D3DVECTOR* dir,
                                         D3DVECTOR* up);
    // Combines a turn about an axis through the frame's origin with the current transform:
    // BEFORE in the frame's own coordinates (R = R * Rot), AFTER in the parent's (the whole
    // transform is turned about the parent's origin), REPLACE sets the transform to the turn.
    [[nodiscard]] HRESULT AddRotation(D3DRMCOMBINETYPE combine, D3DVALUE x, D3DVALUE y, D3DVALUE z,
                                      D3DVALUE theta);
    // Maps a point of the frame into world coordinates, and back.
    [[nodiscard]] HRESULT Transform(D3DVECTOR* world, const D3DVECTOR* local);
    [[nodiscard]] HRESULT InverseTransform(D3DVECTOR* local, const D3DVECTOR* world);

    // Motion per time unit: every Tick(delta) turns the frame by theta * delta about the axis
    // (given in the reference frame) through its own origin, and moves it by velocity * delta.
    [[nodiscard]] HRESULT SetRotation(IDirect3DRMFrame* reference, D3DVALUE x, D3DVALUE y,
                                      D3DVALUE z, D3DVALUE theta);
    [[nodiscard]] HRESULT GetRotation(IDirect3DRMFrame* reference, D3DVECTOR* axis,
                                      D3DVALUE* theta);
    [[nodiscard]] HRESULT SetVelocity(IDirect3DRMFrame* reference, D3DVALUE x, D3DVALUE y,
                                      D3DVALUE z);
    // The velocity of the frame's origin in the reference frame's axes: its own and its
    // ancestors' velocities, and with withRotation also what the ancestors' rotations add.
    [[nodiscard]] HRESULT GetVelocity(IDirect3DRMFrame* reference, D3DVECTOR* velocity,
                                      bool withRotation);

    // The background of this frame's scene, kept by its root.
    [[nodiscard]] HRESULT SetSceneBackgroundRGB(D3DVALUE red, D3DVALUE green, D3DVALUE blue);
    D3DCOLOR GetSceneBackground() const;

    // For the renderer.
    IDirect3DRMFrame* Parent() const { return parent_; }
    IDirect3DRMFrame* Root();
    const RigidTransform& WorldTransform() const;
    const std::vector<RefPtr<IDirect3DRMFrame>>& Children() const { return children_; }
    const std::vector<RefPtr<IDirect3DRMVisual>>& Visuals() const { return visuals_; }
    const std::vector<RefPtr<IDirect3DRMLight>>& Lights() const { return lights_; }
    const std::array<float, 3>& Background() const { return background_; }

    // Moves every frame of the process that has a velocity or a rotation.
    static void MoveAll(double delta);

private:
    ~IDirect3DRMFrame() override;

    bool IsAncestorOf(const IDirect3DRMFrame* frame) const;
    // The rotation from the reference frame's axes into world axes.
    static Mat3 AxesOf(const IDirect3DRMFrame* reference);
    static RigidTransform WorldOf(const IDirect3DRMFrame* reference);
    RigidTransform ParentWorld() const;
    void SetLocal(const RigidTransform& local);
    void Invalidate();
    void UpdateMotionRegistration();
    void Move(double delta);

    IDirect3DRMFrame* parent_ = nullptr; // not a counted reference: the parent holds this frame
    std::vector<RefPtr<IDirect3DRMFrame>> children_;
    std::vector<RefPtr<IDirect3DRMVisual>> visuals_;
    std::vector<RefPtr<IDirect3DRMLight>> lights_;

    RigidTransform local_;
    // Cached world transform; dirty implies every descendant is dirty too.
    mutable RigidTransform world_;
    mutable bool worldDirty_ = true;

    Vec3 velocity_;     // in the parent's coordinates
    Vec3 rotationAxis_; // unit, in the parent's coordinates
    double rotationSpeed_ = 0;
    bool moving_ = false;

    std::array<float, 3> background_{0, 0, 0};
};

} // namespace qor
