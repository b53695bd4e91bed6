// The analysis drawings in the scene: the path's points are the solver's B through the frames,
// also on a tilted plane and over a wrap, and the path is not built again on a plain step; the
// dark stretches are exactly the badly transmitting steps; the circle construction puts its solid
// point on B and its ring on B's mirror image, one point at full stretch; turning the drawings on
// changes pixels only near them; and off or let go, they leave no engine object behind.
#include "SceneFixture.h"

#include "../support/PictureRecord.h"
#include "../support/Require.h"
#include "analysis/Transmission.h"
#include "kinematics/Angles.h"
#include "scene/TubeGeometry.h"

#include <QImage>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace qor::test {
namespace {

// Floats of the engine against doubles of the solver.
constexpr double kTolerance = 1e-5;

Vec3 World(IDirect3DRMFrame* frame, Vec3 local) {
    const D3DVECTOR in{static_cast<D3DVALUE>(local.x), static_cast<D3DVALUE>(local.y),
                       static_cast<D3DVALUE>(local.z)};
    D3DVECTOR out;
    Require(frame->Transform(&out, &in));
    return {out.x, out.y, out.z};
}

Vec3 WorldOrigin(IDirect3DRMFrame* frame) {
    return frame->WorldTransform().translation;
}

// How far p lies from the piece of tube between a and b: from the line where p's foot falls
// between them, else from the nearer end.
double DistanceToPiece(Vec3 p, Vec3 a, Vec3 b) {
    const Vec3 ab = b - a;
    const double length = Length(ab);
    if (length == 0 || Dot(p - a, ab) < 0 || Dot(p - b, ab) > 0) {
        return std::min(Length(p - a), Length(p - b));
    }
    return Length(Cross(ab, p - a)) / length;
}

double Degree() {
    return static_cast<double>(DegToRad(1));
}

// The row of a path that the mechanism shows after the given number of steps.
std::size_t RowAfter(const Cycle& cycle, int steps) {
    const int rows = static_cast<int>(cycle.Rows.size());
    if (steps < rows) {
        return static_cast<std::size_t>(steps);
    }
    const int lap = rows - cycle.RepeatsFrom;
    return static_cast<std::size_t>(cycle.RepeatsFrom + (steps - cycle.RepeatsFrom) % lap);
}

class AnalysisDrawingsTest : public SceneFixture {};

TEST_F(AnalysisDrawingsTest, PathPointsAreTheSolversBThroughTheFramesAlsoOnTiltedPlanes) {
    // Mechanism 1 starts off its cycle (30 degrees, link 1 backwards); mechanism 2 drives both
    // links, 1 and 2 degrees a step.
    m1.Fi = DegToRad(30);
    Build();
    m1.dFi = -Degree();
    m2.dFi = Degree();
    m2.dGamma = 2 * Degree();
    scene.ShowCouplerPaths(true);
    const auto& f = scene.Frames();
    Require(f.FloorFrame->AddRotation(D3DRMCOMBINE_BEFORE, 1, 0, 0, 0.4f));
    Require(f.WallFrame->AddRotation(D3DRMCOMBINE_BEFORE, 1, 0, 0, -0.7f));
    const std::uint64_t ids[] = {scene.Path(0).Mesh()->GeometryId(),
                                 scene.Path(1).Mesh()->GeometryId()};
    m1.Running = m2.Running = true;
    for (int step = 0; step <= 420; ++step) {
        for (int index : {0, 1}) {
            const CouplerPath& path = scene.Path(index);
            const LinkageFrames& l = index == 0 ? f.Mechanism1 : f.Mechanism2;
            const Vec3 drawn =
                World(path.Frame(), path.Point(static_cast<int>(RowAfter(path.Path(), step))));
            const Vec3 hinge = WorldOrigin(l.HingeBFrame.get());
            ASSERT_LT(Length(drawn - hinge), kTolerance)
                << "mechanism " << index + 1 << ", step " << step;
        }
        scene.AdvanceRunning();
    }
    EXPECT_EQ(scene.Path(0).Path().Rows.size(), 389u);
    for (int index : {0, 1}) {
        EXPECT_EQ(scene.Path(index).Mesh()->GeometryId(), ids[index]) << "rebuilt on a step";
    }
}

TEST_F(AnalysisDrawingsTest, APathThatDoesNotCloseIsDrawnOnFromItsEnd) {
    Build();
    m1.dFi = 0.001 * Degree(); // 359,000 steps to come round: the path stops at the limit
    scene.ShowCouplerPaths(true);
    const CouplerPath& path = scene.Path(0);
    ASSERT_FALSE(path.Path().Closed);
    const std::uint64_t first = path.Mesh()->GeometryId();
    m1.Running = true;
    for (int step = 1; step < MaxCycleSteps - 1; ++step) {
        scene.AdvanceRunning();
    }
    EXPECT_EQ(path.Mesh()->GeometryId(), first) << "before its last position";
    scene.AdvanceRunning();
    ASSERT_NE(path.Mesh()->GeometryId(), first) << "at its last position";
    EXPECT_EQ(path.Path().Rows[0].Fi, m1.Fi) << "drawn on from where the mechanism stands";
    EXPECT_LT(Length(World(path.Frame(), path.Point(0)) -
                     WorldOrigin(scene.Frames().Mechanism1.HingeBFrame.get())),
              kTolerance);
}

TEST(JoinStraightStretches, JoinsStraightRunsOfOneKindButKeepsCornersAndLimits) {
    // Along x to row 5, then along y to row 10; one stretch per step, step 7 transmitting badly.
    std::vector<Vec3> points;
    for (int i = 0; i <= 10; ++i) {
        points.push_back(i <= 5 ? Vec3{static_cast<double>(i), 0, 0}
                                : Vec3{5, static_cast<double>(i - 5), 0});
    }
    const RowPoint at = [&](int row) { return points[static_cast<std::size_t>(row)]; };
    std::vector<PathStretch> steps;
    for (int i = 0; i < 10; ++i) {
        steps.push_back({i, i + 1, i + 1 == 7});
    }
    const auto ends = [](const std::vector<PathStretch>& stretches) {
        std::vector<std::array<int, 3>> out;
        for (const PathStretch& s : stretches) {
            out.push_back({s.fromRow, s.toRow, s.marked ? 1 : 0});
        }
        return out;
    };
    using Ends = std::vector<std::array<int, 3>>;
    EXPECT_EQ(ends(JoinStraightStretches(steps, at, 0.01, 8)),
              (Ends{{0, 5, 0}, {5, 6, 0}, {6, 7, 1}, {7, 10, 0}}));
    EXPECT_EQ(ends(JoinStraightStretches(steps, at, 0.01, 2)),
              (Ends{{0, 2, 0}, {2, 4, 0}, {4, 5, 0}, {5, 6, 0}, {6, 7, 1}, {7, 9, 0}, {9, 10, 0}}));
    // The corner is 0.7 from the chord from row 4 to row 6: a looser tolerance cuts it.
    EXPECT_EQ(ends(JoinStraightStretches(steps, at, 0.8, 2)).front(),
              (std::array<int, 3>{0, 2, 0}));
    EXPECT_EQ(ends(JoinStraightStretches(steps, at, 0.8, 2))[2], (std::array<int, 3>{4, 6, 0}));
}

TEST_F(AnalysisDrawingsTest, DarkStretchesAreExactlyTheBadlyTransmittingSteps) {
    Build();
    m1.dFi = Degree();
    scene.ShowCouplerPaths(true);
    const CouplerPath& path = scene.Path(0);
    const Cycle& cycle = path.Path();
    std::vector<int> order(cycle.Rows.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = static_cast<int>(i);
    }
    order.push_back(cycle.RepeatsFrom); // B runs on into the row it repeats
    const auto outside = [&](int r) {
        return OutsideTransmissionBand(cycle.Rows[static_cast<std::size_t>(r)].Transmission);
    };
    const RowPoint point = [&](int r) { return path.Point(r); };
    // A stretch is dark when any step it passes is; every position it skips lies within `near`
    // of the piece of tube it draws. Returns the dark ones.
    const auto check = [&](const std::vector<PathStretch>& stretches, double near) {
        std::size_t at = 0;
        int marked = 0;
        for (const PathStretch& s : stretches) {
            EXPECT_EQ(s.fromRow, order[at]);
            bool any = false;
            do {
                ++at;
                any = any || outside(order[at]);
                if (order[at] != s.toRow) {
                    EXPECT_LE(DistanceToPiece(point(order[at]), point(s.fromRow), point(s.toRow)),
                              near)
                        << order[at];
                }
            } while (at + 1 < order.size() && order[at] != s.toRow);
            EXPECT_EQ(s.marked, any) << "stretch from row " << s.fromRow << ", near " << near;
            marked += s.marked ? 1 : 0;
        }
        EXPECT_EQ(at, order.size() - 1) << "the closed path ends where it repeats";
        return marked;
    };
    // Unmerged, one stretch per step, the closing one too. The defaults' transmission angle runs
    // from 29 to 97 degrees: some steps are marked, not all.
    const std::vector<PathStretch> steps = PlanPathStretches(cycle, point, 0);
    ASSERT_EQ(steps.size(), cycle.Rows.size());
    const int markedSteps = check(steps, 0);
    EXPECT_GT(markedSteps, 0);
    EXPECT_LT(markedSteps, static_cast<int>(steps.size()));
    const int merged =
        check(PlanPathStretches(cycle, point, kPathMergeDistance), kPathMergeDistance);
    EXPECT_LT(check(PlanPathStretches(cycle, point, 0.5), 0.5), merged);
    // Drawn, gentle runs of stretches are joined.
    const int marked = check(path.Stretches(), kPathMergeDistance + kPathChordTolerance);
    EXPECT_LT(path.Stretches().size(), steps.size() / 2);
    // Each stretch drawn is a ring of tube faces, two triangles each, in the group of its kind.
    const MeshData* mesh = path.Mesh()->Geometry();
    ASSERT_EQ(mesh->ranges.size(), 2u);
    EXPECT_EQ(mesh->ranges[1].count, static_cast<std::uint32_t>(marked) * kTubeSides * 6);
}

TEST_F(AnalysisDrawingsTest, ChosenPointIsBTheOtherItsMirrorAndFullStretchDrawsOne) {
    // Mechanism 1 at full stretch: its moving ends 12 cm apart, L2 + L3.
    m1.a = 18;
    m1.Gamma = std::numbers::pi;
    Build();
    scene.ShowCircleConstructions(true);
    m2.dFi = Degree();
    m2.Running = true;
    for (int step = 0; step < 40; ++step) {
        scene.AdvanceRunning();
    }
    const struct {
        int index;
        const Mechanism& m;
        bool touching;
    } cases[] = {{0, m1, true}, {1, m2, false}};
    for (const auto& c : cases) {
        const CircleConstruction& circles = scene.Circles(c.index);
        const LinkageFrames& l =
            c.index == 0 ? scene.Frames().Mechanism1 : scene.Frames().Mechanism2;
        const Vec3 b = WorldOrigin(l.HingeBFrame.get());
        const Vec3 other = WorldOrigin(circles.OtherFrame());
        const Vec3 centre12 = WorldOrigin(circles.Centre12Frame());
        const Vec3 centre43 = WorldOrigin(circles.Centre43Frame());
        const std::string what = "mechanism " + std::to_string(c.index + 1);
        EXPECT_LT(Length(WorldOrigin(circles.ChosenFrame()) - b), kTolerance) << what;
        EXPECT_NEAR(Length(other - centre12), c.m.L2, kTolerance) << what;
        EXPECT_NEAR(Length(other - centre43), c.m.L3, kTolerance) << what;
        EXPECT_EQ(circles.OtherShown(), !c.touching) << what;
        EXPECT_EQ(CirclesTouch(c.m), c.touching) << what;
        if (!c.touching) {
            // The mirror: as far from the line of centres as B, on its other side.
            const Vec3 line = Normalized(centre43 - centre12);
            const Vec3 midpoint = 0.5 * (b + other);
            EXPECT_NEAR(Length(Cross(line, midpoint - centre12)), 0, kTolerance) << what;
            EXPECT_NEAR(Dot(line, b - other), 0, kTolerance) << what;
            EXPECT_GT(Length(b - other), 1.0) << what;
        }
    }
}

TEST(AnalysisLeakTest, ConstructionsWithTheDrawingsOnLeaveNoEngineObjectBehind) {
    const std::int64_t baseline = IDirect3DRMObject::LiveObjectCount();
    for (int round = 0; round < 30; ++round) {
        {
            MessageBoxRecorder boxes;
            SceneRig rig;
            Mechanism m1 = DefaultMechanism(MechanismPlane::Horizontal);
            Mechanism m2 = DefaultMechanism(MechanismPlane::Vertical);
            m1.dFi = m2.dFi = static_cast<double>(DegToRad(1));
            const PointBReadout none;
            MechanismScene scene(m1, m2, none, none);
            scene.SetModelSetRoot(QStringLiteral(QOR_MODEL_SET));
            scene.BuildScene(rig.engine.get(), rig.scene.get(), rig.camera.get());
            // Off means no engine object of theirs.
            const std::int64_t without = IDirect3DRMObject::LiveObjectCount();
            scene.ShowCouplerPaths(true);
            scene.ShowCircleConstructions(true);
            ASSERT_TRUE(scene.Path(0).Shown() && scene.Circles(1).Shown());
            scene.ShowCouplerPaths(false);
            scene.ShowCircleConstructions(false);
            ASSERT_EQ(IDirect3DRMObject::LiveObjectCount(), without) << "round " << round;
            // Drawn again for a new drive, then let go with the scene.
            scene.ShowCouplerPaths(true);
            scene.ShowCircleConstructions(true);
            m1.dFi = -m1.dFi;
            scene.DriveChanged(m1);
            scene.ReleaseFrames();
        }
        ASSERT_EQ(IDirect3DRMObject::LiveObjectCount(), baseline) << "round " << round;
    }
}

class AnalysisPixelTest : public SceneFixture {
protected:
    AnalysisPixelTest() : SceneFixture(1920, 1080) {}
};

TEST_F(AnalysisPixelTest, TurningTheDrawingsOnChangesPixelsOnlyNearThem) {
    ASSERT_TRUE(rig.Ok());
    Build();
    m1.dFi = Degree();
    m2.dFi = Degree();
    Require(rig.engine->Tick(0));
    const QImage before = rig.device->GrabImage();
    scene.ShowCouplerPaths(true);
    scene.ShowCircleConstructions(true);
    Require(rig.engine->Tick(0));
    const QImage after = rig.device->GrabImage();
    PictureRecord record(QStringLiteral("analysis-drawings"), after);

    // Where the drawings are: every position of both paths and points on both circles, the
    // line of centres and the two points, in pixels, widened by the thickest part (the ball).
    QImage near(after.size(), QImage::Format_Grayscale8);
    near.fill(0);
    const int reach = 16;
    const auto mark = [&](Vec3 world) {
        const QPointF p = rig.PixelOf(world);
        for (int y = int(p.y()) - reach; y <= int(p.y()) + reach; ++y) {
            for (int x = int(p.x()) - reach; x <= int(p.x()) + reach; ++x) {
                if (near.rect().contains(x, y)) {
                    near.setPixel(x, y, 255);
                }
            }
        }
    };
    for (int index : {0, 1}) {
        const Mechanism& m = index == 0 ? m1 : m2;
        const CouplerPath& path = scene.Path(index);
        for (std::size_t row = 0; row < path.Path().Rows.size(); ++row) {
            mark(World(path.Frame(), path.Point(static_cast<int>(row))));
        }
        const CircleConstruction& circles = scene.Circles(index);
        const auto plane = [&](IDirect3DRMFrame* frame) {
            D3DVECTOR local;
            const Vec3 world = WorldOrigin(frame);
            const D3DVECTOR w{float(world.x), float(world.y), float(world.z)};
            Require(circles.PlaneFrame()->InverseTransform(&local, &w));
            return Vec3{local.x, local.y, local.z};
        };
        const Vec3 c12 = plane(circles.Centre12Frame());
        const Vec3 c43 = plane(circles.Centre43Frame());
        for (const Vec3& p : CirclePoints(c12, m.L2, 720)) {
            mark(World(circles.PlaneFrame(), p));
        }
        for (const Vec3& p : CirclePoints(c43, m.L3, 720)) {
            mark(World(circles.PlaneFrame(), p));
        }
        for (int i = 0; i <= 100; ++i) {
            mark(World(circles.PlaneFrame(), c12 + (i / 100.0) * (c43 - c12)));
        }
        mark(WorldOrigin(circles.ChosenFrame()));
        mark(WorldOrigin(circles.OtherFrame()));
    }
    int changed = 0;
    int stray = 0;
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            if (before.pixel(x, y) != after.pixel(x, y)) {
                ++changed;
                if (qGray(near.pixel(x, y)) == 0) {
                    ++stray;
                    record.ExpectSpot(QPointF(x, y), Qt::red);
                }
            }
        }
    }
    EXPECT_GT(changed, 5000) << "the drawings show";
    EXPECT_EQ(stray, 0) << "pixels changed away from the drawings";
}

} // namespace
} // namespace qor::test
