#include "scene/CircleConstruction.h"

#include "engine/Engine.h"
#include "kinematics/Solver.h"
#include "scene/PlaneFrame.h"
#include "scene/TubeGeometry.h"

#include <cmath>

namespace qor {

namespace {

constexpr double kCircleRadius = 0.06; // of the circles' and the line's tubes
constexpr int kCirclePoints = 48;
// The ball at B sits on top of B's hinge (whose drum would hide it), towards the viewer.
constexpr double kBallRadius = 0.2;
constexpr double kBallAboveHinge = 0.35;
constexpr double kRingRadius = 0.22;
constexpr double kRingTube = 0.05;
// Closer than this (cm), the two points where the circles meet are one.
constexpr double kTouching = 1e-6;

std::array<float, 3> Paler(const std::array<float, 3>& c) {
    return {0.5f + 0.5f * c[0], 0.5f + 0.5f * c[1], 0.5f + 0.5f * c[2]};
}

void Place(IDirect3DRMFrame* frame, IDirect3DRMFrame* plane, Vec3 p) {
    if (frame != nullptr) {
        // The result is not examined: the frames exist and the plane frame is the parent.
        (void)frame->SetPosition(plane, static_cast<D3DVALUE>(p.x), static_cast<D3DVALUE>(p.y),
                                 static_cast<D3DVALUE>(p.z));
    }
}

RefPtr<IDirect3DRMFrame> VisualFrame(IDirect3DRM* engine, IDirect3DRMFrame* parent,
                                     IDirect3DRMMesh* mesh) {
    RefPtr<IDirect3DRMFrame> frame;
    if (Succeeded(engine->CreateFrame(parent, frame)) && mesh != nullptr) {
        // The result is not examined: both objects were just made.
        (void)frame->AddVisual(mesh);
    }
    return frame;
}

RefPtr<IDirect3DRMMesh> NewMesh(IDirect3DRM* engine, const TubeGeometry& geometry,
                                const std::array<float, 3>& colour) {
    RefPtr<IDirect3DRMMesh> mesh;
    if (Succeeded(engine->CreateMesh(mesh))) {
        AddColouredGroup(*mesh, geometry, colour);
    }
    return mesh;
}

TubeGeometry RaisedBall() {
    TubeGeometry ball = Ball(kBallRadius);
    for (D3DRMVERTEX& v : ball.vertices) {
        v.position.y += static_cast<D3DVALUE>(kBallAboveHinge);
    }
    return ball;
}

TubeGeometry Tube(const std::vector<Vec3>& points, bool closed, double radius) {
    TubeGeometry tube;
    AppendTube(tube, points, closed, radius);
    return tube;
}

} // namespace

Point3 OtherIntersection(const Mechanism& m) {
    const double bx = m.B.x;
    const double by = SecondPlaneCoordinate(m.Plane, m.B);
    const double px = m.Joint12.x;
    const double py = SecondPlaneCoordinate(m.Plane, m.Joint12);
    const double dx = m.Joint43.x - px;
    const double dy = SecondPlaneCoordinate(m.Plane, m.Joint43) - py;
    const double d2 = dx * dx + dy * dy;
    if (d2 == 0.0) {
        return m.B;
    }
    const double t = ((bx - px) * dx + (by - py) * dy) / d2;
    const double footX = px + t * dx;
    const double footY = py + t * dy;
    return PlanePoint(m.Plane, 2 * footX - bx, 2 * footY - by);
}

bool CirclesTouch(const Mechanism& m) {
    const Point3 o = OtherIntersection(m);
    return std::hypot(o.x - m.B.x, o.y - m.B.y, o.z - m.B.z) < kTouching;
}

void CircleConstruction::Build(IDirect3DRM* engine, IDirect3DRMFrame& link1Frame,
                               const Mechanism& m, const std::array<float, 3>& colour) {
    Clear();
    planeOf_ = m.Plane;
    plane_ = NewPlaneFrame(engine, link1Frame, m.Plane);
    if (!plane_) {
        return;
    }
    const std::array<float, 3> pale = Paler(colour);
    const RefPtr<IDirect3DRMMesh> circle12 =
        NewMesh(engine, Tube(CirclePoints({}, m.L2, kCirclePoints), true, kCircleRadius), pale);
    const RefPtr<IDirect3DRMMesh> circle43 =
        NewMesh(engine, Tube(CirclePoints({}, m.L3, kCirclePoints), true, kCircleRadius), pale);
    const RefPtr<IDirect3DRMMesh> ball = NewMesh(engine, RaisedBall(), colour);
    ring_ = NewMesh(engine, Tube(CirclePoints({}, kRingRadius, 12), true, kRingTube), colour);
    // The line's two rings are placed by Update.
    line_ = NewMesh(engine, Tube({Vec3{0, 0, 0}, Vec3{1, 0, 0}}, false, kCircleRadius), pale);
    centre12_ = VisualFrame(engine, plane_.get(), circle12.get());
    centre43_ = VisualFrame(engine, plane_.get(), circle43.get());
    chosen_ = VisualFrame(engine, plane_.get(), ball.get());
    other_ = VisualFrame(engine, plane_.get(), ring_.get());
    otherShown_ = other_ != nullptr;
    if (line_) {
        // The result is not examined: both objects were just made.
        (void)plane_->AddVisual(line_.get());
    }
    Update(m);
}

void CircleConstruction::Update(const Mechanism& m) {
    if (!plane_) {
        return;
    }
    const Vec3 j12 = PlaneFramePoint(planeOf_, m.Joint12);
    const Vec3 j43 = PlaneFramePoint(planeOf_, m.Joint43);
    Place(centre12_.get(), plane_.get(), j12);
    Place(centre43_.get(), plane_.get(), j43);
    Place(chosen_.get(), plane_.get(), PlaneFramePoint(planeOf_, m.B));
    Place(other_.get(), plane_.get(), PlaneFramePoint(planeOf_, OtherIntersection(m)));
    const bool showOther = !CirclesTouch(m);
    if (other_ && ring_ && showOther != otherShown_) {
        // The results are not examined: the ring is the frame's own visual.
        (void)(showOther ? other_->AddVisual(ring_.get()) : other_->DeleteVisual(ring_.get()));
        otherShown_ = showOther;
    }
    if (line_) {
        const Vec3 ends[] = {j12, j43};
        TubeVertices(ends, false, kCircleRadius, lineVertices_);
        // The result is not examined: the line's group holds exactly these vertices.
        (void)line_->SetVertices(0, 0, static_cast<std::uint32_t>(lineVertices_.size()),
                                 lineVertices_.data());
    }
}

void CircleConstruction::Clear() {
    if (plane_ && plane_->Parent() != nullptr) {
        // The result is not examined: the frame is its parent's child.
        (void)plane_->Parent()->DeleteChild(plane_.get());
    }
    centre12_.reset();
    centre43_.reset();
    chosen_.reset();
    other_.reset();
    ring_.reset();
    line_.reset();
    plane_.reset();
    otherShown_ = false;
}

} // namespace qor
