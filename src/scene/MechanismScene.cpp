#include "scene/MechanismScene.h"

#include "engine/Engine.h"
#include "engine/Frame.h"
#include "engine/Light.h"
#include "platform/AppPaths.h"
#include "scene/LinkModel.h"
#include "scene/LinkPoses.h"
#include "scene/LoadModel.h"
#include "scene/SceneLayout.h"

#include <utility>

namespace qor {

namespace {

// The colours of each mechanism's drawings: those of its B read-out, aqua and yellow, and a
// darker shade of each for the stretches of the path that transmit badly.
const CouplerPath::Colours kPathColours[2] = {{{0.0f, 1.0f, 1.0f}, {0.0f, 0.38f, 0.42f}},
                                              {{1.0f, 1.0f, 0.0f}, {0.45f, 0.4f, 0.0f}}};

// Every value reaches the engine as a 32-bit float, formed in double and rounded once.
D3DVALUE F(double value) {
    return static_cast<D3DVALUE>(value);
}

// Scene frames are made under a parent, whose reference the scene keeps.
// The results of the engine calls that build the scene are not examined: a call that failed
// would leave its part missing or out of place, and the construction goes on, as it does for a
// model that cannot be loaded.
RefPtr<IDirect3DRMFrame> NewFrame(IDirect3DRM* engine, IDirect3DRMFrame* parent) {
    RefPtr<IDirect3DRMFrame> frame;
    (void)engine->CreateFrame(parent, frame);
    return frame;
}

void MakeLinkageFrames(IDirect3DRM* engine, IDirect3DRMFrame* base, LinkageFrames& f) {
    f.Link1Frame = NewFrame(engine, base);
    f.Link2Frame = NewFrame(engine, f.Link1Frame.get());
    f.Link4Frame = NewFrame(engine, base);
    f.Link3Frame = NewFrame(engine, f.Link4Frame.get());
    f.HingeBFrame = NewFrame(engine, f.Link2Frame.get());
}

} // namespace

MechanismScene::MechanismScene(Mechanism& mechanism1, Mechanism& mechanism2,
                               const PointBReadout& showB1, const PointBReadout& showB2)
    : mechanism1_(mechanism1), mechanism2_(mechanism2), showB1_(showB1), showB2_(showB2) {}

void MechanismScene::BuildScene(IDirect3DRM* engine, IDirect3DRMFrame* scene,
                                IDirect3DRMFrame* camera) {
    root_ = modelSetRoot_.isEmpty() ? ModelSetRoot() : modelSetRoot_;

    RefPtr<IDirect3DRMFrame> lightFrame = NewFrame(engine, scene);
    RefPtr<IDirect3DRMLight> light;
    (void)engine->CreateLightRGB(D3DRMLIGHT_DIRECTIONAL, 1.0f, 1.0f, 1.0f, light);
    (void)lightFrame->AddLight(light.get());

    frames_.FloorFrame = NewFrame(engine, scene);
    frames_.WallFrame = NewFrame(engine, frames_.FloorFrame.get());
    (void)frames_.FloorFrame->SetPosition(scene, F(kFloorX), 0, F(kFloorZ));
    (void)frames_.WallFrame->SetPosition(scene, F(kFloorX), 0, F(kFloorZ));
    LoadSetModel(engine, frames_.FloorFrame.get(), QStringLiteral("ENV\\floors.x"));
    LoadSetModel(engine, frames_.WallFrame.get(), QStringLiteral("ENV\\walls.x"));

    BuildFloorMechanism(engine);
    BuildWallMechanism(engine);
    BuildAxes(engine);
    LoadSetModel(engine, frames_.Mechanism1.HingeBFrame.get(),
                 QStringLiteral("ENV\\hingepurple.x"));
    LoadSetModel(engine, frames_.Mechanism2.HingeBFrame.get(), QStringLiteral("ENV\\hingeyello.x"));

    (void)camera->SetPosition(scene, 5.0f, 10.0f, -10.0f);
    (void)camera->SetOrientation(scene, 0, -0.8f, 1.0f, 0, 1.0f, 0);

    InitialPose(mechanism1_, frames_.Mechanism1, showB1_, mechanism2_, frames_.Mechanism2, showB2_);
    engine_ = engine;
    for (int index : {0, 1}) {
        BuildPath(index);
        BuildCircles(index);
    }

    lightFrame.reset();
    light.reset();
}

void MechanismScene::BuildFloorMechanism(IDirect3DRM* engine) {
    const Mechanism& m = mechanism1_;
    LinkageFrames& f = frames_.Mechanism1;
    IDirect3DRMFrame* floor = frames_.FloorFrame.get();
    MakeLinkageFrames(engine, floor, f);
    (void)f.Link1Frame->SetPosition(floor, F(-m.a / 2), F(kFloorLift), F(kFloorPivotZ));
    (void)f.Link2Frame->SetPosition(f.Link1Frame.get(), F(m.L1), F(kFloorLift), 0);
    (void)f.Link4Frame->SetPosition(floor, F(m.a / 2), F(kFloorLift), F(m.b + kFloorPivotZ));
    (void)f.Link3Frame->SetPosition(f.Link4Frame.get(), F(m.L4), F(kFloorLift), 0);
    (void)f.HingeBFrame->SetPosition(f.Link2Frame.get(), F(m.L2), 0, 0);
    LoadLinkModels(engine, f, m);
}

void MechanismScene::BuildWallMechanism(IDirect3DRM* engine) {
    const Mechanism& m = mechanism2_;
    LinkageFrames& f = frames_.Mechanism2;
    IDirect3DRMFrame* wall = frames_.WallFrame.get();
    MakeLinkageFrames(engine, wall, f);
    // The driven links stand up from the wall with the initial pose, which sets their turns.
    (void)f.Link1Frame->SetPosition(wall, F(-m.a / 2), F(kWallPivotY), F(kWallPivotZ));
    (void)f.Link2Frame->SetPosition(f.Link1Frame.get(), F(m.L1), F(kWallLift), 0);
    (void)f.Link4Frame->SetPosition(wall, F(m.a / 2), F(m.b + kWallPivotY), F(kWallPivotZ));
    (void)f.Link3Frame->SetPosition(f.Link4Frame.get(), F(m.L4), F(kWallLift), 0);
    (void)f.HingeBFrame->SetPosition(f.Link2Frame.get(), F(m.L2), 0, 0);
    LoadLinkModels(engine, f, m);
}

void MechanismScene::BuildAxes(IDirect3DRM* engine) {
    IDirect3DRMFrame* floor = frames_.FloorFrame.get();
    IDirect3DRMFrame* wall = frames_.WallFrame.get();
    const auto place = [&](RefPtr<IDirect3DRMFrame>& frame, IDirect3DRMFrame* base, double x,
                           double y, double z, const QString& file) {
        frame = NewFrame(engine, base);
        (void)frame->SetPosition(base, F(x), F(y), F(z));
        (void)frame->AddRotation(D3DRMCOMBINE_BEFORE, 0, 1, 0, kMinusQuarterTurn);
        LoadSetModel(engine, frame.get(), file);
    };
    place(frames_.WorldAxesFrame, floor, -5.0, 0, 0, QStringLiteral("ENV\\xyzb.x"));
    place(frames_.Mechanism1.AxesFrame, floor, -mechanism1_.a / 2, kFloorLift, kFloorPivotZ,
          QStringLiteral("ENV\\xyz.x"));
    place(frames_.Mechanism2.AxesFrame, wall, -mechanism2_.a / 2, kWallPivotY, kWallPivotZ,
          QStringLiteral("ENV\\xyz.x"));
}

void MechanismScene::LoadSetModel(IDirect3DRM* engine, IDirect3DRMFrame* frame,
                                  const QString& file) const {
    LoadModel(engine, frame, ModelPath(root_, file));
}

void MechanismScene::LoadLinkModels(IDirect3DRM* engine, const LinkageFrames& frames,
                                    const Mechanism& m) const {
    const std::pair<IDirect3DRMFrame*, double> links[] = {{frames.Link1Frame.get(), m.L1},
                                                          {frames.Link2Frame.get(), m.L2},
                                                          {frames.Link3Frame.get(), m.L3},
                                                          {frames.Link4Frame.get(), m.L4}};
    for (const auto& [frame, length] : links) {
        const LinkModelChoice model = ChooseLinkModel(length);
        if (model.number != 0) {
            LoadModel(engine, frame, ModelPath(root_, LinkModelFile(model.number)), model.scale);
        }
    }
}

void MechanismScene::AdvanceRunning() {
    AdvanceMechanism(mechanism1_, frames_.Mechanism1, showB1_);
    AdvanceMechanism(mechanism2_, frames_.Mechanism2, showB2_);
    for (int index : {0, 1}) {
        const Mechanism& m = MechanismAt(index);
        if (!m.Running) {
            continue;
        }
        if (paths_[static_cast<std::size_t>(index)].Stepped()) {
            BuildPath(index);
        }
        circles_[static_cast<std::size_t>(index)].Update(m);
    }
}

void MechanismScene::ShowCouplerPaths(bool shown) {
    pathsShown_ = shown;
    BuildPath(0);
    BuildPath(1);
}

void MechanismScene::ShowCircleConstructions(bool shown) {
    circlesShown_ = shown;
    BuildCircles(0);
    BuildCircles(1);
}

void MechanismScene::DriveChanged(const Mechanism& m) {
    if (pathsShown_) {
        BuildPath(&m == &mechanism1_ ? 0 : 1);
    }
}

void MechanismScene::BuildPath(int index) {
    CouplerPath& path = paths_[static_cast<std::size_t>(index)];
    const LinkageFrames& frames = LinkageAt(index);
    if (pathsShown_ && engine_ != nullptr && frames.Link1Frame) {
        path.Build(engine_, *frames.Link1Frame, MechanismAt(index),
                   kPathColours[static_cast<std::size_t>(index)]);
    } else {
        path.Clear();
    }
}

void MechanismScene::BuildCircles(int index) {
    CircleConstruction& circles = circles_[static_cast<std::size_t>(index)];
    const LinkageFrames& frames = LinkageAt(index);
    if (circlesShown_ && engine_ != nullptr && frames.Link1Frame) {
        circles.Build(engine_, *frames.Link1Frame, MechanismAt(index),
                      kPathColours[static_cast<std::size_t>(index)].good);
    } else {
        circles.Clear();
    }
}

void MechanismScene::ReleaseFrames() {
    for (int index : {0, 1}) {
        paths_[static_cast<std::size_t>(index)].Clear();
        circles_[static_cast<std::size_t>(index)].Clear();
    }
    engine_ = nullptr;
    ReleaseSceneFrames(frames_);
}

} // namespace qor
