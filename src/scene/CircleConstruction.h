// How the solver finds B, drawn in a mechanism's plane: the circle of radius L2 about the moving
// end of link 1, the circle of radius L3 about the moving end of link 4, the line between the two
// centres, and the two points where the circles meet: B, the one the solver chose, as a solid
// ball resting on B's hinge, and its mirror image in the line of centres as a hollow ring. Where
// the circles only touch (the linkage at full stretch) the two are one point, drawn once.
#pragma once

#include "engine/Frame.h"
#include "engine/Math3d.h"
#include "engine/Mesh.h"
#include "engine/RefPtr.h"
#include "kinematics/Mechanism.h"

#include <array>
#include <vector>

namespace qor {

class IDirect3DRM;

// The other point where the circles meet: B mirrored in the line through Joint12 and Joint43,
// in the mechanism's own coordinates. B itself when the two moving ends coincide.
Point3 OtherIntersection(const Mechanism& m);

// True when the two points where the circles meet are one (within a tiny fraction of a
// centimetre): the circles only touch.
bool CirclesTouch(const Mechanism& m);

class CircleConstruction {
public:
    CircleConstruction() = default;
    CircleConstruction(const CircleConstruction&) = delete;
    CircleConstruction& operator=(const CircleConstruction&) = delete;
    ~CircleConstruction() { Clear(); }

    // Replaces what was drawn with the construction of the mechanism as it stands, in a plane
    // frame made beside link 1's frame: the circles and the points in the colour given, the
    // circles paler.
    void Build(IDirect3DRM* engine, IDirect3DRMFrame& link1Frame, const Mechanism& m,
               const std::array<float, 3>& colour);
    // Follows the mechanism after a step: the circles and the points move with their frames, the
    // line's few vertices are set in place; nothing is made or let go.
    void Update(const Mechanism& m);
    // Takes the drawing out of the scene and lets its engine objects go.
    void Clear();

    bool Shown() const { return plane_ != nullptr; }
    IDirect3DRMFrame* PlaneFrame() const { return plane_.get(); }
    // The frames of the circles' centres and of the two points.
    IDirect3DRMFrame* Centre12Frame() const { return centre12_.get(); }
    IDirect3DRMFrame* Centre43Frame() const { return centre43_.get(); }
    IDirect3DRMFrame* ChosenFrame() const { return chosen_.get(); }
    IDirect3DRMFrame* OtherFrame() const { return other_.get(); }
    // False while the circles only touch and the other point is not drawn.
    bool OtherShown() const { return otherShown_; }
    IDirect3DRMMesh* LineMesh() const { return line_.get(); }

private:
    MechanismPlane planeOf_ = MechanismPlane::Horizontal;
    RefPtr<IDirect3DRMFrame> plane_;
    RefPtr<IDirect3DRMFrame> centre12_;
    RefPtr<IDirect3DRMFrame> centre43_;
    RefPtr<IDirect3DRMFrame> chosen_;
    RefPtr<IDirect3DRMFrame> other_;
    RefPtr<IDirect3DRMMesh> ring_; // the other point's visual, while it is shown
    RefPtr<IDirect3DRMMesh> line_;
    bool otherShown_ = false;
    std::vector<D3DRMVERTEX> lineVertices_; // reused on every step
};

} // namespace qor
