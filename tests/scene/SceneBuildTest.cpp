// Building the scene: every frame under its parent at its place, the light, the camera, the
// models with their boxes when the set is missing, links outside the set's lengths, and no
// engine object left over once the scene is let go.
#include "SceneFixture.h"

#include "../support/Require.h"
#include "platform/AppPaths.h"
#include "scene/LinkModel.h"

#include <QTemporaryDir>

#include <cmath>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace qor::test {
namespace {

// Floats of the engine against doubles worked out here.
constexpr double kTolerance = 1e-5;

Vec3 WorldPosition(const IDirect3DRMFrame* frame) {
    return frame->WorldTransform().translation;
}

void ExpectNear(Vec3 actual, Vec3 expected, double tolerance, const std::string& what) {
    EXPECT_NEAR(actual.x, expected.x, tolerance) << what;
    EXPECT_NEAR(actual.y, expected.y, tolerance) << what;
    EXPECT_NEAR(actual.z, expected.z, tolerance) << what;
}

// Frames of the scene as a test reaches them.
using FrameOf = std::function<IDirect3DRMFrame*(const MechanismScene&, const SceneRig&)>;

FrameOf Common(RefPtr<IDirect3DRMFrame> SceneFrames::*member) {
    return
        [member](const MechanismScene& s, const SceneRig&) { return (s.Frames().*member).get(); };
}

FrameOf Linkage(LinkageFrames SceneFrames::*mechanism,
                RefPtr<IDirect3DRMFrame> LinkageFrames::*member) {
    return [mechanism, member](const MechanismScene& s, const SceneRig&) {
        return (s.Frames().*mechanism.*member).get();
    };
}

FrameOf Root() {
    return [](const MechanismScene&, const SceneRig& rig) { return rig.scene.get(); };
}

const double kSinPsi = std::sin(2 * std::atan(std::sqrt(0.6))); // link 2 at the defaults
const double kB2 = 6 * kSinPsi;                                 // B's second coordinate

struct FrameCase {
    const char* name;
    FrameOf frame;
    FrameOf parent;
    Vec3 position; // in the scene, after the initial pose of the defaults
};

void PrintTo(const FrameCase& c, std::ostream* os) {
    *os << c.name;
}

class SceneFrameCases : public SceneFixture, public ::testing::WithParamInterface<FrameCase> {};

TEST_P(SceneFrameCases, StandsUnderItsParentAtItsPlace) {
    Build();
    const FrameCase& c = GetParam();
    IDirect3DRMFrame* frame = c.frame(scene, rig);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->Parent(), c.parent(scene, rig));
    ExpectNear(WorldPosition(frame), c.position, kTolerance, c.name);
}

using S = SceneFrames;
using L = LinkageFrames;
INSTANTIATE_TEST_SUITE_P(
    Defaults, SceneFrameCases,
    ::testing::Values(
        FrameCase{"Floor", Common(&S::FloorFrame), Root(), {5.5, 0, 2}},
        FrameCase{
            "WallAtTheFloorsOrigin", Common(&S::WallFrame), Common(&S::FloorFrame), {5.5, 0, 2}},
        FrameCase{"WorldAxes", Common(&S::WorldAxesFrame), Common(&S::FloorFrame), {0.5, 0, 2}},
        FrameCase{"FloorLink1AtPivot1",
                  Linkage(&S::Mechanism1, &L::Link1Frame),
                  Common(&S::FloorFrame),
                  {4.0, 0.1, -7.5}},
        FrameCase{"FloorLink4AtPivot4",
                  Linkage(&S::Mechanism1, &L::Link4Frame),
                  Common(&S::FloorFrame),
                  {7.0, 0.1, -7.5}},
        FrameCase{"FloorLink2AtLink1sEndLifted",
                  Linkage(&S::Mechanism1, &L::Link2Frame),
                  Linkage(&S::Mechanism1, &L::Link1Frame),
                  {7.0, 0.2, -7.5}},
        FrameCase{"FloorLink3AtLink4sEndLifted",
                  Linkage(&S::Mechanism1, &L::Link3Frame),
                  Linkage(&S::Mechanism1, &L::Link4Frame),
                  {10.0, 0.2, -7.5}},
        FrameCase{"FloorHingeAtB",
                  Linkage(&S::Mechanism1, &L::HingeBFrame),
                  Linkage(&S::Mechanism1, &L::Link2Frame),
                  {8.5, 0.2, -7.5 + kB2}},
        FrameCase{"FloorAxesAtPivot1",
                  Linkage(&S::Mechanism1, &L::AxesFrame),
                  Common(&S::FloorFrame),
                  {4.0, 0.1, -7.5}},
        FrameCase{"WallLink1AtPivot1",
                  Linkage(&S::Mechanism2, &L::Link1Frame),
                  Common(&S::WallFrame),
                  {4.0, 1.0, 1.8}},
        FrameCase{"WallLink4AtPivot4",
                  Linkage(&S::Mechanism2, &L::Link4Frame),
                  Common(&S::WallFrame),
                  {7.0, 1.0, 1.8}},
        FrameCase{"WallLink2LiftedTwiceAsFar",
                  Linkage(&S::Mechanism2, &L::Link2Frame),
                  Linkage(&S::Mechanism2, &L::Link1Frame),
                  {7.0, 1.0, 1.6}},
        FrameCase{"WallLink3LiftedTwiceAsFar",
                  Linkage(&S::Mechanism2, &L::Link3Frame),
                  Linkage(&S::Mechanism2, &L::Link4Frame),
                  {10.0, 1.0, 1.6}},
        FrameCase{"WallHingeAtB",
                  Linkage(&S::Mechanism2, &L::HingeBFrame),
                  Linkage(&S::Mechanism2, &L::Link2Frame),
                  {8.5, 1.0 + kB2, 1.6}},
        FrameCase{"WallAxesAtPivot1",
                  Linkage(&S::Mechanism2, &L::AxesFrame),
                  Common(&S::WallFrame),
                  {4.0, 1.0, 1.8}}),
    [](const ::testing::TestParamInfo<FrameCase>& info) { return std::string(info.param.name); });

class SceneBuildTest : public SceneFixture {};

TEST_F(SceneBuildTest, EveryLinkTurnsAboutTheNormalOfItsMechanismsPlane) {
    Build();
    // The frames' own y axis: up from the floor, and out of the wall towards the camera.
    const std::pair<const LinkageFrames*, Vec3> mechanisms[] = {
        {&scene.Frames().Mechanism1, {0, 1, 0}}, {&scene.Frames().Mechanism2, {0, 0, -1}}};
    for (const auto& [f, normal] : mechanisms) {
        for (IDirect3DRMFrame* link :
             {f->Link1Frame.get(), f->Link2Frame.get(), f->Link3Frame.get(), f->Link4Frame.get()}) {
            ExpectNear(link->WorldTransform().rotation.Column(1), normal, 1e-6, "y axis");
        }
    }
}

// Colours of the axes models, told apart by their strongest channel.
enum class Axis { X, Y, Z, None };

Axis AxisOfColour(const std::array<float, 4>& c) {
    if (c[1] > 0.5f && c[0] < 0.3f && c[2] < 0.3f) {
        return Axis::X; // lime
    }
    if (c[2] > 0.5f && c[0] < 0.3f && c[1] < 0.3f) {
        return Axis::Y; // blue
    }
    if (c[0] > 0.5f && c[1] < 0.3f && c[2] < 0.3f) {
        return Axis::Z; // red
    }
    return Axis::None;
}

// The tip of each coloured arrow of an axes model, as a direction in the scene.
std::array<Vec3, 3> ArrowDirections(IDirect3DRMFrame* frame) {
    std::array<Vec3, 3> tips{};
    std::array<double, 3> reach{};
    const MeshData* mesh = frame->Visuals().at(0)->Geometry();
    for (const MeshRange& range : mesh->ranges) {
        const Axis axis = AxisOfColour(mesh->materials[range.material].diffuse);
        if (axis == Axis::None) {
            continue;
        }
        const auto a = static_cast<std::size_t>(axis);
        for (std::uint32_t i = range.first; i < range.first + range.count; ++i) {
            const std::array<float, 3>& p = mesh->vertices[mesh->indices[i]].position;
            const Vec3 v{p[0], p[1], p[2]};
            if (Length(v) > reach[a]) {
                reach[a] = Length(v);
                tips[a] = v;
            }
        }
    }
    for (Vec3& tip : tips) {
        tip = Normalized(frame->WorldTransform().rotation * tip);
    }
    return tips;
}

TEST_F(SceneBuildTest, AxesPointWhereTheReadOutsOfBGrow) {
    Build();
    // xB grows along the scene's +x for both mechanisms, yB (the wall mechanism's second
    // coordinate) up, and zB, the floor mechanism's second coordinate negated, towards the
    // camera, that is along -z.
    const Vec3 expected[] = {{1, 0, 0}, {0, 1, 0}, {0, 0, -1}};
    const std::pair<const char*, IDirect3DRMFrame*> axes[] = {
        {"world axes", scene.Frames().WorldAxesFrame.get()},
        {"floor axes", scene.Frames().Mechanism1.AxesFrame.get()},
        {"wall axes", scene.Frames().Mechanism2.AxesFrame.get()}};
    for (const auto& [name, frame] : axes) {
        ASSERT_EQ(frame->Visuals().size(), 1u) << name;
        const std::array<Vec3, 3> tips = ArrowDirections(frame);
        for (std::size_t a = 0; a < 3; ++a) {
            ExpectNear(tips[a], expected[a], 1e-3, std::string(name) + " axis " + "XYZ"[a]);
        }
    }
    // And the read-outs agree: B of the floor mechanism lies at +z of pivot 1 and reads as a
    // negative zB.
    EXPECT_GT(WorldPosition(scene.Frames().Mechanism1.HingeBFrame.get()).z, -7.5);
}

TEST_F(SceneBuildTest, OneWhiteDirectionalLightShinesAlongZAndOnlyTheSceneHoldsIt) {
    const std::size_t childrenBefore = rig.scene->Children().size();
    Build();
    std::vector<IDirect3DRMFrame*> lit;
    for (const RefPtr<IDirect3DRMFrame>& child : rig.scene->Children()) {
        if (!child->Lights().empty()) {
            lit.push_back(child.get());
        }
    }
    ASSERT_EQ(lit.size(), 1u);
    EXPECT_EQ(rig.scene->Children().size(), childrenBefore + 2); // the light's and the floor's
    IDirect3DRMFrame* lightFrame = lit[0];
    ASSERT_EQ(lightFrame->Lights().size(), 1u);
    IDirect3DRMLight* light = lightFrame->Lights()[0].get();
    EXPECT_EQ(light->GetType(), D3DRMLIGHT_DIRECTIONAL);
    EXPECT_EQ(light->GetColor(), 0xFFFFFFFFu);
    ExpectNear(lightFrame->WorldTransform().rotation.Column(2), {0, 0, 1}, 0, "light direction");
    ExpectNear(WorldPosition(lightFrame), {0, 0, 0}, 0, "light position");
    // AddRef and Release tell how many references the rest of the program holds.
    lightFrame->AddRef();
    EXPECT_EQ(lightFrame->Release(), 1u) << "only the scene root holds the light's frame";
    light->AddRef();
    EXPECT_EQ(light->Release(), 1u) << "only its frame holds the light";
}

TEST_F(SceneBuildTest, PlacesTheCameraAboveAndInFrontLookingDownAtTheWall) {
    Build();
    D3DVECTOR position{};
    D3DVECTOR dir{};
    D3DVECTOR up{};
    Require(rig.camera->GetPosition(rig.scene.get(), &position));
    Require(rig.camera->GetOrientation(rig.scene.get(), &dir, &up));
    ExpectNear({position.x, position.y, position.z}, {5, 10, -10}, kTolerance, "position");
    const double n = std::sqrt(0.64 + 1);
    ExpectNear({dir.x, dir.y, dir.z}, {0, -0.8 / n, 1 / n}, kTolerance, "direction");
    ExpectNear({up.x, up.y, up.z}, {0, 1 / n, 0.8 / n}, kTolerance, "up");
}

TEST_F(SceneBuildTest, ShowsBOfBothMechanismsWithZNegated) {
    std::vector<std::array<double, 3>> shown1;
    std::vector<std::array<double, 3>> shown2;
    showB1 = [&](double x, double y, double z) { shown1.push_back({x, y, z}); };
    showB2 = [&](double x, double y, double z) { shown2.push_back({x, y, z}); };
    Build();
    ASSERT_EQ(shown1.size(), 1u);
    ASSERT_EQ(shown2.size(), 1u);
    EXPECT_NEAR(shown1[0][0], 4.5, 1e-12);
    EXPECT_EQ(shown1[0][1], 0.0);
    EXPECT_NEAR(shown1[0][2], -kB2, 1e-12);
    EXPECT_NEAR(shown2[0][0], 4.5, 1e-12);
    EXPECT_NEAR(shown2[0][1], kB2, 1e-12);
    EXPECT_EQ(shown2[0][2], 0.0);
}

std::size_t VisualCount(const IDirect3DRMFrame& frame) {
    std::size_t count = frame.Visuals().size();
    for (const RefPtr<IDirect3DRMFrame>& child : frame.Children()) {
        count += VisualCount(*child);
    }
    return count;
}

RefPtr<IDirect3DRMMeshBuilder> LoadSetFile(const QString& file) {
    RefPtr<IDirect3DRMMeshBuilder> builder = MakeRef<IDirect3DRMMeshBuilder>();
    const QString path = ModelPath(QStringLiteral(QOR_MODEL_SET), file);
    EXPECT_EQ(builder->Load(path.toUtf8().constData(), nullptr, D3DRMLOAD_FROMFILE), D3DRM_OK)
        << path.toStdString();
    return builder;
}

// The positions of a frame's one model, stretched along x by a factor.
std::vector<std::array<float, 3>> Positions(const MeshData& mesh, float xScale = 1) {
    std::vector<std::array<float, 3>> positions;
    for (const MeshVertex& v : mesh.vertices) {
        positions.push_back({v.position[0] * xScale, v.position[1], v.position[2]});
    }
    return positions;
}

TEST_F(SceneBuildTest, LoadsFifteenModelsQuietlyAndEqualLinksEachLoadTheirOwn) {
    Build();
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_EQ(VisualCount(*rig.scene), 15u);
    // L1 = L4 = 3: two loads of LINKS\L3.x, two mesh builders with the file's geometry.
    const LinkageFrames& f = scene.Frames().Mechanism1;
    ASSERT_EQ(f.Link1Frame->Visuals().size(), 1u);
    ASSERT_EQ(f.Link4Frame->Visuals().size(), 1u);
    IDirect3DRMVisual* link1 = f.Link1Frame->Visuals()[0].get();
    IDirect3DRMVisual* link4 = f.Link4Frame->Visuals()[0].get();
    EXPECT_NE(link1, link4);
    const RefPtr<IDirect3DRMMeshBuilder> file = LoadSetFile(QStringLiteral("LINKS\\L3.x"));
    EXPECT_EQ(Positions(*link1->Geometry()), Positions(*file->Geometry()));
    EXPECT_EQ(Positions(*link4->Geometry()), Positions(*file->Geometry()));
}

TEST_F(SceneBuildTest, WithoutTheModelSetEveryLoadIsReportedAndTheSceneStillStands) {
    QTemporaryDir empty;
    scene.SetModelSetRoot(empty.filePath(QStringLiteral("QORX")));
    Build();
    ASSERT_EQ(boxes.Shown().size(), 15u);
    for (const MessageBoxRequest& box : boxes.Shown()) {
        EXPECT_EQ(box.owner, nullptr);
        EXPECT_EQ(box.text, QStringLiteral("Не могу загрузить файлы конструкции.\n"));
        EXPECT_EQ(box.caption, QStringLiteral("Ошибка !"));
        EXPECT_EQ(box.icon, MsgIcon::Warning);
        EXPECT_EQ(box.buttons, MsgButtons::Ok);
    }
    EXPECT_EQ(VisualCount(*rig.scene), 0u);
    const SceneFrames& f = scene.Frames();
    for (const RefPtr<IDirect3DRMFrame>* frame :
         {&f.FloorFrame, &f.WallFrame, &f.WorldAxesFrame, &f.Mechanism1.Link1Frame,
          &f.Mechanism1.Link2Frame, &f.Mechanism1.Link3Frame, &f.Mechanism1.Link4Frame,
          &f.Mechanism1.HingeBFrame, &f.Mechanism1.AxesFrame, &f.Mechanism2.Link1Frame,
          &f.Mechanism2.Link2Frame, &f.Mechanism2.Link3Frame, &f.Mechanism2.Link4Frame,
          &f.Mechanism2.HingeBFrame, &f.Mechanism2.AxesFrame}) {
        EXPECT_TRUE(*frame);
    }
    // Posed all the same: B of the floor mechanism is where the solver put it.
    ExpectNear(WorldPosition(f.Mechanism1.HingeBFrame.get()), SceneB(m1), kTolerance, "B");
}

struct LengthCase {
    const char* name;
    double length;
    int number;
    double scale;
};

void PrintTo(const LengthCase& c, std::ostream* os) {
    *os << c.name;
}

class LinkModelCases : public ::testing::TestWithParam<LengthCase> {};

TEST_P(LinkModelCases, ChoosesTheFileAndTheStretch) {
    const LengthCase& c = GetParam();
    const LinkModelChoice choice = ChooseLinkModel(c.length);
    EXPECT_EQ(choice.number, c.number);
    if (c.number != 0) {
        EXPECT_DOUBLE_EQ(choice.scale, c.scale);
        EXPECT_DOUBLE_EQ(choice.number * choice.scale,
                         c.length >= 1 && c.length < 11 ? std::trunc(c.length) : c.length);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, LinkModelCases,
    ::testing::Values(LengthCase{"Shortest", 1, 1, 1}, LengthCase{"Longest", 10, 10, 1},
                      LengthCase{"WholePartNamesTheFile", 10.9, 10, 1},
                      LengthCase{"LongerThanTheSetStretchesTheLongest", 12, 10, 1.2},
                      LengthCase{"ElevenStretchesTheLongest", 11, 10, 1.1},
                      LengthCase{"NegativeMirrorsItsMagnitude", -3, 3, -1},
                      LengthCase{"LongNegativeMirrorsAndStretches", -12, 10, -1.2},
                      LengthCase{"ShorterThanOneShrinksTheShortest", 0.4, 1, 0.4},
                      LengthCase{"ZeroDrawsNothing", 0, 0, 0},
                      LengthCase{"NotANumberDrawsNothing", std::nan(""), 0, 0}),
    [](const ::testing::TestParamInfo<LengthCase>& info) { return std::string(info.param.name); });

TEST_F(SceneBuildTest, LinksOutsideTheSetsLengthsSpanTheirRealLengthWithoutABox) {
    // Lengths the parameter dialog accepts when typed: 12 + 3 + 3 <= 10 + 10, and -3 + 0 + 3
    // <= 6 + 6.
    m1.L1 = 12;
    m1.L2 = m1.L3 = 10;
    m2.L1 = -3;
    m2.L4 = 0;
    Build();
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_EQ(VisualCount(*rig.scene), 14u) << "nothing is drawn for the length 0";
    EXPECT_TRUE(scene.Frames().Mechanism2.Link4Frame->Visuals().empty());

    const RefPtr<IDirect3DRMMeshBuilder> l10 = LoadSetFile(QStringLiteral("LINKS\\L10.x"));
    const RefPtr<IDirect3DRMMeshBuilder> l3 = LoadSetFile(QStringLiteral("LINKS\\L3.x"));
    const auto& long1 = scene.Frames().Mechanism1.Link1Frame->Visuals();
    const auto& back1 = scene.Frames().Mechanism2.Link1Frame->Visuals();
    ASSERT_EQ(long1.size(), 1u);
    ASSERT_EQ(back1.size(), 1u);
    EXPECT_EQ(Positions(*long1[0]->Geometry()), Positions(*l10->Geometry(), 1.2f));
    EXPECT_EQ(Positions(*back1[0]->Geometry()), Positions(*l3->Geometry(), -1.0f));
    // Link 2 hangs at the real end of link 1 and reaches B.
    ExpectNear(scene.Frames().Mechanism1.HingeBFrame->WorldTransform().translation, SceneB(m1),
               kTolerance, "floor B");
    ExpectNear(scene.Frames().Mechanism2.HingeBFrame->WorldTransform().translation, SceneB(m2),
               kTolerance, "wall B");
}

TEST(SceneLeakTest, HundredsOfBuildsLeaveNoEngineObjectBehind) {
    const std::int64_t baseline = IDirect3DRMObject::LiveObjectCount();
    for (int cycle = 0; cycle < 200; ++cycle) {
        {
            MessageBoxRecorder boxes;
            SceneRig rig;
            Mechanism m1 = DefaultMechanism(MechanismPlane::Horizontal);
            Mechanism m2 = DefaultMechanism(MechanismPlane::Vertical);
            const PointBReadout none;
            MechanismScene scene(m1, m2, none, none);
            scene.SetModelSetRoot(QStringLiteral(QOR_MODEL_SET));
            scene.BuildScene(rig.engine.get(), rig.scene.get(), rig.camera.get());
            ASSERT_GT(IDirect3DRMObject::LiveObjectCount(), baseline + 30);
            scene.ReleaseFrames();
            EXPECT_FALSE(scene.HasScene());
        }
        ASSERT_EQ(IDirect3DRMObject::LiveObjectCount(), baseline) << "cycle " << cycle;
    }
}

TEST_F(SceneBuildTest, ReleasedFramesAreAllNullAndTheMechanismsStillSolveWithoutThem) {
    Build();
    scene.ReleaseFrames();
    const SceneFrames& f = scene.Frames();
    for (const LinkageFrames* l : {&f.Mechanism1, &f.Mechanism2}) {
        EXPECT_FALSE(l->Link1Frame || l->Link2Frame || l->Link3Frame || l->Link4Frame ||
                     l->HingeBFrame || l->AxesFrame);
    }
    EXPECT_FALSE(f.FloorFrame || f.WallFrame || f.WorldAxesFrame);
    m1.Running = true;
    m1.dFi = m1.Velocity1;
    scene.AdvanceRunning();
    EXPECT_DOUBLE_EQ(m1.Fi, m1.Velocity1);
    EXPECT_EQ(m2.Fi, 0.0) << "a stopped mechanism does not advance";
}

} // namespace
} // namespace qor::test
