// qor-bench: the program's scene of the default parameters, built from the model set and moved
// offscreen (no window) exactly as the idle pass moves it, with every driven link turning by one
// step per frame. Prints one "name value" per line: the scene's build time (the median of seven
// builds, and the first of them), the frame times, the triangles per frame, the heap allocations
// per frame and the peak memory; with --bare also the time of the same triangles drawn by a plain
// textured, vertex-lit OpenGL loop, the ratio of the two frame times, and the share of pixels in
// which the two pictures differ (the loop lights the mesh's vertex normals, the program's flat
// quality each face once). --startup, --startup-floor and --idle measure the program's start-up
// and its cost while still instead (StartupTime.h, IdleCpu.h), and
// --analysis what the path of B and the circle construction cost (AnalysisBench.h). Run it under
// xvfb-run.
#include "AllocationCount.h"
#include "AnalysisBench.h"
#include "BareLoop.h"
#include "BenchBoxes.h"
#include "BenchOptions.h"
#include "Clocks.h"
#include "CycleWindowBench.h"
#include "IdleCpu.h"
#include "SceneRig.h"
#include "StartupTime.h"

#include "engine/RetainedMode.h"
#include "engine/ViewProjection.h"
#include "kinematics/Angles.h"
#include "scene/MechanismScene.h"
#include "support/Require.h"

#include <QApplication>
#include <QOpenGLContext>
#include <QOpenGLFunctions>

#include <sys/resource.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <unordered_map>

using namespace qor;
using namespace qor::bench;

namespace {

constexpr int kWarmUpFrames = 30;
constexpr int kExtraBuilds = 6;

double Percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<std::size_t>(std::ceil(fraction * values.size()));
    return values[std::clamp<std::size_t>(rank, 1, values.size()) - 1];
}

double PeakRssMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// What the idle pass shows after each step, computed and kept where nothing optimises it away.
struct ReadOuts {
    std::array<double, 8> angles{};
    std::array<double, 6> pointB{};
};

void ComputeAngleReadOuts(const Mechanism& m1, const Mechanism& m2, ReadOuts& shown) {
    const Mechanism* mechanisms[] = {&m1, &m2};
    for (std::size_t k = 0; k < 2; ++k) {
        const Mechanism& m = *mechanisms[k];
        for (std::size_t i = 0; i < 4; ++i) {
            const double angle = i == 0 ? m.Fi : i == 1 ? m.Psi : i == 2 ? m.Ksi : m.Gamma;
            shown.angles[4 * k + i] = static_cast<double>(RadToDeg(angle));
        }
    }
}

// The meshes the engine draws, numbered for the bare loop, and per frame the matrices it drew
// them with, walked in the engine's order.
class DrawRecorder {
public:
    void Upload(const IDirect3DRMFrame& frame, BareLoop& bare) {
        for (const RefPtr<IDirect3DRMVisual>& visual : frame.Visuals()) {
            const MeshData* mesh = visual->Geometry();
            if (mesh != nullptr && meshes_.count(visual.get()) == 0) {
                meshes_[visual.get()] = bare.AddMesh(*mesh);
            }
        }
        for (const RefPtr<IDirect3DRMFrame>& child : frame.Children()) {
            Upload(*child, bare);
        }
    }

    void Record(const IDirect3DRMFrame& root, const IDirect3DRMFrame& camera,
                std::vector<BareItem>& items) const {
        items.clear();
        Collect(root, Inverse(camera.WorldTransform()), items);
    }

    static BareLights Lights(const IDirect3DRMFrame& frame, const RigidTransform& view) {
        BareLights lights;
        AddLights(frame, view, lights);
        return lights;
    }

private:
    void Collect(const IDirect3DRMFrame& frame, const RigidTransform& view,
                 std::vector<BareItem>& items) const {
        const RigidTransform toView = view * frame.WorldTransform();
        for (const RefPtr<IDirect3DRMVisual>& visual : frame.Visuals()) {
            const auto found = meshes_.find(visual.get());
            if (found != meshes_.end()) {
                items.push_back({found->second, ToMat4f(toView)});
            }
        }
        for (const RefPtr<IDirect3DRMFrame>& child : frame.Children()) {
            Collect(*child, view, items);
        }
    }

    static void AddLights(const IDirect3DRMFrame& frame, const RigidTransform& view,
                          BareLights& lights) {
        const RigidTransform toView = view * frame.WorldTransform();
        for (const RefPtr<IDirect3DRMLight>& light : frame.Lights()) {
            const std::array<float, 3>& c = light->Color();
            if (light->GetType() == D3DRMLIGHT_AMBIENT) {
                for (std::size_t i = 0; i < 3; ++i) {
                    lights.ambient[i] += c[i];
                }
            } else {
                const Vec3 toward = -1.0 * Normalized(toView.rotation.Column(2));
                lights.toward = {static_cast<float>(toward.x), static_cast<float>(toward.y),
                                 static_cast<float>(toward.z)};
                lights.color = c;
            }
        }
        for (const RefPtr<IDirect3DRMFrame>& child : frame.Children()) {
            AddLights(*child, view, lights);
        }
    }

    std::unordered_map<const IDirect3DRMVisual*, int> meshes_;
};

// Pixels of two pictures of one size whose channels differ by more than a rounding step.
double DifferingPercent(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.isNull()) {
        return 100;
    }
    const QImage x = a.convertToFormat(QImage::Format_RGBA8888);
    const QImage y = b.convertToFormat(QImage::Format_RGBA8888);
    long differing = 0;
    for (int row = 0; row < x.height(); ++row) {
        const uchar* p = x.constScanLine(row);
        const uchar* q = y.constScanLine(row);
        for (int i = 0; i < 4 * x.width(); i += 4) {
            differing += std::abs(p[i] - q[i]) > 2 || std::abs(p[i + 1] - q[i + 1]) > 2 ||
                         std::abs(p[i + 2] - q[i + 2]) > 2;
        }
    }
    return 100.0 * static_cast<double>(differing) / (static_cast<double>(x.width()) * x.height());
}

} // namespace

int main(int argc, char** argv) {
    std::string error;
    const std::optional<BenchOptions> options =
        ParseBenchOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::fprintf(stderr, "qor-bench: %s\n%s", error.c_str(), kBenchUsage);
        return 2;
    }
    if (options->startup) {
        return RunStartupBench(argv[0], options->runs);
    }
    if (options->startupFloor) {
        return RunStartupFloorBench(argv[0], options->runs);
    }
    if (options->startupOnce) {
        return RunStartupOnce(argc, argv);
    }
    if (options->idle) {
        return RunIdleBench(argc, argv);
    }
    if (options->cycleWindow) {
        return RunCycleWindowBench(argc, argv, options->width, options->height, options->frames);
    }
    QApplication app(argc, argv);
    PrintMessageBoxes();
    if (options->analysis) {
        return RunAnalysisBench(*options);
    }

    test::SceneRig rig(options->width, options->height);
    if (!rig.Ok()) {
        std::fprintf(stderr, "qor-bench: no OpenGL device (run it under xvfb-run)\n");
        return 1;
    }
    Mechanism m1 = test::DefaultMechanism(MechanismPlane::Horizontal);
    Mechanism m2 = test::DefaultMechanism(MechanismPlane::Vertical);
    ReadOuts shown;
    const PointBReadout showB1 = [&shown](double x, double y, double z) {
        shown.pointB[0] = x;
        shown.pointB[1] = y;
        shown.pointB[2] = z;
    };
    const PointBReadout showB2 = [&shown](double x, double y, double z) {
        shown.pointB[3] = x;
        shown.pointB[4] = y;
        shown.pointB[5] = z;
    };
    const QString models = QString::fromStdString(options->models);
    // A build is short and the machine is shared: the figure is the median of several builds of
    // the same scene, each into a fresh scene root, the last one the scene that is then moved.
    std::vector<double> buildMs;
    for (int i = 0; i < kExtraBuilds; ++i) {
        test::SceneRig spare;
        Mechanism s1 = test::DefaultMechanism(MechanismPlane::Horizontal);
        Mechanism s2 = test::DefaultMechanism(MechanismPlane::Vertical);
        MechanismScene built(s1, s2, showB1, showB2);
        built.SetModelSetRoot(models);
        const Clock::time_point start = Clock::now();
        built.BuildScene(spare.engine.get(), spare.scene.get(), spare.camera.get());
        buildMs.push_back(Milliseconds(start, Clock::now()));
        built.ReleaseFrames();
    }
    MechanismScene scene(m1, m2, showB1, showB2);
    scene.SetModelSetRoot(models);
    const Clock::time_point buildStart = Clock::now();
    scene.BuildScene(rig.engine.get(), rig.scene.get(), rig.camera.get());
    buildMs.push_back(Milliseconds(buildStart, Clock::now()));

    // Every driven link turns by its step, as after ticking the four links and choosing "+".
    for (Mechanism* m : {&m1, &m2}) {
        m->dFi = m->Velocity1;
        m->dGamma = m->Velocity4;
        m->Running = true;
    }
    QOpenGLFunctions* gl = nullptr;
    // One idle pass: the step, the engine's tick (which renders), the read-outs; then glFinish,
    // so that the picture is complete when the time is taken.
    const auto frame = [&] {
        scene.AdvanceRunning();
        test::Require(rig.engine->Tick(1));
        ComputeAngleReadOuts(m1, m2, shown);
        if (gl == nullptr) {
            gl = QOpenGLContext::currentContext()->functions();
        }
        gl->glFinish();
    };
    for (int i = 0; i < kWarmUpFrames; ++i) {
        frame();
    }

    std::unique_ptr<BareLoop> bare;
    DrawRecorder recorder;
    std::vector<BareItem> items;
    if (options->bare) {
        bare = BareLoop::Create(options->width, options->height);
        if (!bare) {
            std::fprintf(stderr, "qor-bench: the bare OpenGL loop cannot be set up\n");
            return 1;
        }
        recorder.Upload(*rig.scene, *bare);
        bare->SetScene(ProjectionMatrix(rig.viewport->GetProjection(),
                                        rig.viewport->ShownViewPlane(), rig.viewport->GetFront(),
                                        rig.viewport->GetBack()),
                       DrawRecorder::Lights(*rig.scene, Inverse(rig.camera->WorldTransform())));
        recorder.Record(*rig.scene, *rig.camera, items);
        for (int i = 0; i < kWarmUpFrames; ++i) {
            bare->Draw(items.data(), items.size());
            gl->glFinish();
        }
    }

    std::vector<double> frameMs;
    std::vector<double> bareMs;
    frameMs.reserve(static_cast<std::size_t>(options->frames));
    bareMs.reserve(static_cast<std::size_t>(options->frames));
    std::uint64_t allocations = 0;
    for (int i = 0; i < options->frames; ++i) {
        const std::uint64_t allocationsBefore = AllocationCount();
        const Clock::time_point start = Clock::now();
        frame();
        const Clock::time_point end = Clock::now();
        allocations += AllocationCount() - allocationsBefore;
        frameMs.push_back(Milliseconds(start, end));
        if (bare) {
            // The same triangles with the matrices the engine has just drawn them with.
            recorder.Record(*rig.scene, *rig.camera, items);
            const Clock::time_point bareStart = Clock::now();
            bare->Draw(items.data(), items.size());
            gl->glFinish();
            bareMs.push_back(Milliseconds(bareStart, Clock::now()));
        }
    }

    const double frameMedian = Percentile(frameMs, 0.5);
    std::printf("scene_build_ms %.2f\n", Percentile(buildMs, 0.5));
    std::printf("scene_build_first_ms %.2f\n", buildMs.front());
    std::printf("frame_ms_median %.2f\n", frameMedian);
    std::printf("frame_ms_p95 %.2f\n", Percentile(frameMs, 0.95));
    std::printf("triangles_per_frame %u\n", rig.device->LastFrameStats().triangles);
    std::printf("allocations_per_frame %.2f\n", static_cast<double>(allocations) / options->frames);
    std::printf("peak_rss_mb %.1f\n", PeakRssMegabytes());
    if (bare) {
        const double bareMedian = Percentile(bareMs, 0.5);
        std::printf("bare_frame_ms_median %.2f\n", bareMedian);
        std::printf("frame_to_bare_ratio %.3f\n", frameMedian / bareMedian);
        std::printf("bare_pixels_differing_percent %.3f\n",
                    DifferingPercent(rig.device->GrabImage(), bare->ReadPixels()));
    }
    std::fprintf(stderr, "qor-bench: last read-outs Fi %.2f, xB %.2f (mechanism 1)\n",
                 shown.angles[0], shown.pointB[0]);
    return 0;
}
