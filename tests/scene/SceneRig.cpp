#include "SceneRig.h"

#include "../support/Require.h"
#include "kinematics/Angles.h"
#include "kinematics/Solver.h"

#include <algorithm>

namespace qor::test {

SceneRig::SceneRig(int width, int height) : wantsDevice_(width > 0 && height > 0) {
    Require(Direct3DRMCreate(engine));
    Require(engine->CreateFrame(nullptr, scene));
    RefPtr<IDirect3DRMLight> ambient;
    Require(engine->CreateLightRGB(D3DRMLIGHT_AMBIENT, 0.5f, 0.5f, 0.5f, ambient));
    Require(scene->AddLight(ambient.get()));
    Require(engine->CreateFrame(scene.get(), camera));
    if (!wantsDevice_) {
        return;
    }
    clipper = MakeRef<IDirectDrawClipper>();
    Require(engine->CreateDeviceFromClipper(clipper.get(), nullptr, width, height, device));
    if (!device) {
        return;
    }
    Require(engine->CreateViewport(device.get(), camera.get(), 0, 0, width, height, viewport));
    Require(viewport->SetProjection(D3DRMPROJECT_ORTHOGRAPHIC));
    Require(viewport->SetFront(0.1f));
    Require(viewport->SetBack(5000.0f));
    Require(viewport->SetField(14.0f));
    Require(device->SetQuality(D3DRMRENDER_FLAT));
}

bool SceneRig::Ok() const {
    return !wantsDevice_ || (device && viewport);
}

QPointF SceneRig::PixelOf(Vec3 p) const {
    return PixelOfDefaultView(p, viewport->GetWidth(), viewport->GetHeight());
}

QPointF PixelOfDefaultView(Vec3 p, double w, double h) {
    const Vec3 eye{5, 10, -10};
    const Vec3 z = Normalized({0, -0.8, 1});
    const Vec3 up{0, 1, 0};
    const Vec3 y = Normalized(up - Dot(up, z) * z);
    const Vec3 x = Cross(y, z);
    const Vec3 d = p - eye;
    // Orthographic, the shorter side spanning -field..field, the longer one in proportion.
    const double field = 14;
    const double scale = std::min(w, h) / (2 * field); // pixels per scene unit
    return {w / 2 + Dot(d, x) * scale, h / 2 - Dot(d, y) * scale};
}

Mechanism DefaultMechanism(MechanismPlane plane) {
    Mechanism m;
    m.Plane = plane;
    m.a = 3;
    m.b = 0;
    m.L1 = 3;
    m.L2 = 6;
    m.L3 = 6;
    m.L4 = 3;
    m.Velocity1 = static_cast<double>(DegToRad(1));
    m.Velocity4 = static_cast<double>(DegToRad(1));
    return m;
}

Vec3 ScenePointOf(const Mechanism& m, double first, double second, double lift) {
    const Vec3 floor{5.5, 0, 2};
    if (m.Plane == MechanismPlane::Horizontal) {
        return floor + Vec3{-m.a / 2 + first, 0.1 + lift, -9.5 + second};
    }
    return floor + Vec3{-m.a / 2 + first, 1.0 + second, -0.2 - lift};
}

Vec3 SceneB(const Mechanism& m) {
    const double lift = m.Plane == MechanismPlane::Horizontal ? 0.1 : 0.2;
    return ScenePointOf(m, m.B.x, SecondPlaneCoordinate(m.Plane, m.B), lift);
}

namespace {

Vec3 FarEnd(const IDirect3DRMFrame& frame, double length, double lift = 0) {
    return frame.WorldTransform().Apply({length, lift, 0});
}

double Lift(const Mechanism& m) {
    return m.Plane == MechanismPlane::Horizontal ? 0.1 : 0.2;
}

// The larger gap between the lifted far ends of links 1 and 4 and the origins of links 2 and 3.
double DrivenJointGap(const Mechanism& m, const LinkageFrames& f) {
    return std::max(
        Length(FarEnd(*f.Link1Frame, m.L1, Lift(m)) - f.Link2Frame->WorldTransform().translation),
        Length(FarEnd(*f.Link4Frame, m.L4, Lift(m)) - f.Link3Frame->WorldTransform().translation));
}

} // namespace

double JointError(const Mechanism& m, const LinkageFrames& f) {
    const Vec3 b = SceneB(m);
    return std::max({Length(FarEnd(*f.Link2Frame, m.L2) - b),
                     Length(FarEnd(*f.Link3Frame, m.L3) - b), DrivenJointGap(m, f)});
}

double JoinGap(const Mechanism& m, const LinkageFrames& f) {
    return std::max(Length(FarEnd(*f.Link2Frame, m.L2) - FarEnd(*f.Link3Frame, m.L3)),
                    DrivenJointGap(m, f));
}

} // namespace qor::test
