// qor-soak: the program's long-run figures, without a window. The first construction of the
// parameter dialog's defaults runs its idle passes with all four driven links turning by their
// steps (one degree), then the program makes new constructions one after another, each followed
// by a few passes. Every pass poses the frames, renders one frame and shows the read-outs; a
// software renderer takes milliseconds for a frame of the whole screen, so the device here is
// 64 x 48 pixels (--render-every K renders only every K-th idle pass, for quicker runs). Prints
// one "name value" per line: the passes, the largest distance between a drawn joint and B over
// all passes, the live engine objects before the first scene, with the first and the last
// scene, and after the view is taken down, the message boxes shown, and the memory. Run it
// under xvfb-run.
#include "ProcessMemory.h"
#include "SoakOptions.h"
#include "SoakWindow.h"

#include "engine/Object.h"
#include "platform/MessageBox.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>

using namespace qor;
using namespace qor::soak;

namespace {

constexpr int kFrameWidth = 64;
constexpr int kFrameHeight = 48;
constexpr int kPassesPerConstruction = 3;

} // namespace

int main(int argc, char** argv) {
    std::string error;
    const std::optional<SoakOptions> options =
        ParseSoakOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::fprintf(stderr, "qor-soak: %s\n%s", error.c_str(), kSoakUsage);
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    QApplication app(argc, argv);
    long messageBoxes = 0;
    SetMessageBoxHandler([&messageBoxes](const MessageBoxRequest& box) {
        ++messageBoxes;
        std::fprintf(stderr, "qor-soak: %s %s\n", qPrintable(box.caption),
                     qPrintable(box.text.trimmed()));
        return MsgResult::Ok;
    });

    const std::int64_t liveBaseline = IDirect3DRMObject::LiveObjectCount();
    SoakWindow window(QString::fromStdString(options->models), kFrameWidth, kFrameHeight);
    if (!window.NewConstruction()) {
        std::fprintf(stderr, "qor-soak: no scene (no OpenGL device? run it under xvfb-run)\n");
        return 1;
    }
    const std::int64_t liveFirstScene = IDirect3DRMObject::LiveObjectCount();
    window.TurnAllLinks();
    double jointToB = window.JointToB();
    long rendered = 0;
    for (long pass = 0; pass < options->passes; ++pass) {
        const bool render = pass % options->renderEvery == 0;
        window.IdlePass(render);
        rendered += render;
        jointToB = std::max(jointToB, window.JointToB());
    }
    const double rssAfterPasses = CurrentRssMegabytes();

    for (int i = 0; i < options->constructions; ++i) {
        if (!window.NewConstruction()) {
            std::fprintf(stderr, "qor-soak: new construction %d made no scene\n", i + 1);
            return 1;
        }
        window.TurnAllLinks();
        for (int pass = 0; pass < kPassesPerConstruction; ++pass) {
            window.IdlePass(true);
            jointToB = std::max(jointToB, window.JointToB());
        }
    }
    const std::int64_t liveLastScene = IDirect3DRMObject::LiveObjectCount();
    window.DestroyView();
    const std::int64_t liveEnd = IDirect3DRMObject::LiveObjectCount();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::printf("idle_passes %ld\n", options->passes);
    std::printf("idle_passes_rendered %ld\n", rendered);
    std::printf("frame_width %d\n", kFrameWidth);
    std::printf("frame_height %d\n", kFrameHeight);
    std::printf("max_joint_to_b_cm %.3g\n", jointToB);
    std::printf("constructions %d\n", options->constructions);
    std::printf("passes_per_construction %d\n", kPassesPerConstruction);
    std::printf("live_engine_objects_baseline %lld\n", static_cast<long long>(liveBaseline));
    std::printf("live_engine_objects_first_scene %lld\n", static_cast<long long>(liveFirstScene));
    std::printf("live_engine_objects_last_scene %lld\n", static_cast<long long>(liveLastScene));
    std::printf("live_engine_objects_end %lld\n", static_cast<long long>(liveEnd));
    std::printf("message_boxes %ld\n", messageBoxes);
    std::printf("rss_after_idle_passes_mb %.1f\n", rssAfterPasses);
    std::printf("peak_rss_mb %.1f\n", PeakRssMegabytes());
    std::printf("final_rss_mb %.1f\n", CurrentRssMegabytes());
    std::printf("seconds %.0f\n", seconds);
    return 0;
}
