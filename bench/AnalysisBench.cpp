#include "AnalysisBench.h"
#include "Clocks.h"
#include "FrameTimes.h"
#include "Median.h"

#include "SceneRig.h"

#include "analysis/Cycle.h"

#include "engine/RetainedMode.h"
#include "kinematics/Angles.h"
#include "scene/MechanismScene.h"
#include "support/Require.h"

#include <QOpenGLContext>
#include <QOpenGLFunctions>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

namespace qor::bench {

namespace {

// The frames are measured in alternating blocks, without and with the drawings, so that a
// neighbour's load on the shared machine falls on both alike.
constexpr int kBlockFrames = 25;
constexpr int kWarmUpFrames = 30;
constexpr int kPathBuilds = 7;

struct PathBuild {
    double wallMs = 0; // medians of the builds
    double cpuMs = 0;
    double cycleCpuMs = 0; // of that, computing the cycle
    std::size_t rows = 0;
    std::size_t vertices = 0;
};

// Builds the path of mechanism 1 with the given steps (degrees) several times from the same
// state.
PathBuild BuildPaths(IDirect3DRM* engine, const LinkageFrames& frames, Mechanism m, double dFi,
                     double dGamma) {
    m.dFi = static_cast<double>(DegToRad(1)) * dFi;
    m.dGamma = static_cast<double>(DegToRad(1)) * dGamma;
    std::vector<double> wall;
    std::vector<double> cpu;
    std::vector<double> cycleCpu;
    PathBuild result;
    for (int i = 0; i < kPathBuilds; ++i) {
        // The cycle alone is let go before the path is built, as in the program, where each path
        // holds the one cycle it draws: two long cycles at once would make the allocator hand
        // memory back and forth with the system and time that too.
        {
            const double cpuStart = ThreadCpuMs();
            const Cycle cycle = ComputeCycle(m);
            cycleCpu.push_back(ThreadCpuMs() - cpuStart);
        }
        CouplerPath path;
        const Clock::time_point start = Clock::now();
        const double cpuStart = ThreadCpuMs();
        path.Build(engine, *frames.Link1Frame, m, {{0, 1, 1}, {0, 0.4f, 0.4f}});
        cpu.push_back(ThreadCpuMs() - cpuStart);
        wall.push_back(Milliseconds(start, Clock::now()));
        result.rows = path.Path().Rows.size();
        result.vertices = path.Mesh()->Geometry()->vertices.size();
    }
    result.wallMs = Median(wall);
    result.cpuMs = Median(cpu);
    result.cycleCpuMs = Median(cycleCpu);
    return result;
}

void PrintPathBuild(const char* name, const PathBuild& b) {
    std::printf("%s_ms %.2f\n", name, b.wallMs);
    std::printf("%s_cpu_ms %.2f\n", name, b.cpuMs);
    std::printf("%s_cycle_cpu_ms %.2f\n", name, b.cycleCpuMs);
    std::printf("%s_rows %zu\n", name, b.rows);
    std::printf("%s_tube_vertices %zu\n", name, b.vertices);
}

} // namespace

int RunAnalysisBench(const BenchOptions& options) {
    test::SceneRig rig(options.width, options.height);
    if (!rig.Ok()) {
        std::fprintf(stderr, "qor-bench: no OpenGL device (run it under xvfb-run)\n");
        return 1;
    }
    Mechanism m1 = test::DefaultMechanism(MechanismPlane::Horizontal);
    Mechanism m2 = test::DefaultMechanism(MechanismPlane::Vertical);
    const PointBReadout none;
    MechanismScene scene(m1, m2, none, none);
    scene.SetModelSetRoot(QString::fromStdString(options.models));
    scene.BuildScene(rig.engine.get(), rig.scene.get(), rig.camera.get());
    for (Mechanism* m : {&m1, &m2}) {
        m->dFi = m->Velocity1;
        m->Running = true;
    }
    QOpenGLFunctions* gl = nullptr;
    const auto frame = [&] {
        scene.AdvanceRunning();
        test::Require(rig.engine->Tick(1));
        if (gl == nullptr) {
            gl = QOpenGLContext::currentContext()->functions();
        }
        gl->glFinish();
    };
    const auto show = [&](bool on) {
        scene.ShowCouplerPaths(on);
        scene.ShowCircleConstructions(on);
        frame(); // the first frame uploads the new meshes
    };
    for (int i = 0; i < kWarmUpFrames; ++i) {
        frame();
    }
    // The medians of each block of frames.
    FrameTimes off;
    FrameTimes on;
    for (int done = 0; done < options.frames; done += kBlockFrames) {
        for (const bool drawings : {false, true}) {
            show(drawings);
            FrameTimes block;
            for (int i = 0; i < kBlockFrames; ++i) {
                block.Time(frame);
            }
            (drawings ? on : off).AddMediansOf(block);
        }
    }
    std::printf("analysis_frame_ms_without %.3f\n", Median(off.wall));
    std::printf("analysis_frame_ms_with %.3f\n", Median(on.wall));
    // Each block with the drawings against the block without them just before it.
    std::printf("analysis_frame_ratio %.3f\n", MedianRatio(on.wall, off.wall));
    std::printf("analysis_frame_cpu_ms_without %.3f\n", Median(off.cpu));
    std::printf("analysis_frame_cpu_ms_with %.3f\n", Median(on.cpu));
    std::printf("analysis_frame_cpu_ratio %.3f\n", MedianRatio(on.cpu, off.cpu));

    show(false);
    PrintPathBuild("path_build",
                   BuildPaths(rig.engine.get(), scene.Frames().Mechanism1, m1, 0.001, 0));
    PrintPathBuild("path_build_both_links",
                   BuildPaths(rig.engine.get(), scene.Frames().Mechanism1, m1, 1, 2));
    scene.ReleaseFrames();
    return 0;
}

} // namespace qor::bench
