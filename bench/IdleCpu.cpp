#include "IdleCpu.h"

#include "DefaultConstruction.h"

#include "app/Startup.h"
#include "forms/FrmMain.h"
#include "view/TD3dView.h"

#include <QApplication>
#include <QTimer>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>

namespace qor::bench {
namespace {

constexpr int kSettleMs = 1000;
constexpr int kMeasureMs = 5000;

double ProcessCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

} // namespace

int RunIdleBench(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::unique_ptr<TMainForm> form = StartMainWindow();
    bool built = false;
    MakeDefaultConstruction(
        *form, [](std::chrono::steady_clock::time_point) {}, [&] { built = true; });
    QTimer::singleShot(30000, &app, &QApplication::quit);
    while (!built && form->isVisible()) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    if (!built || !form->Scene().HasScene()) {
        std::fprintf(stderr, "qor-bench: the default construction was not made\n");
        return 1;
    }
    if (!ActivateAndWait(*form)) {
        std::fprintf(stderr, "qor-bench: the main window did not become active\n");
        return 1;
    }

    int frames = 0;
    QObject::connect(form->View(), &TD3dView::Presented, &app, [&frames] { ++frames; });
    double cpuStart = 0;
    bool stayedActive = false;
    std::chrono::steady_clock::time_point wallStart;
    QTimer::singleShot(kSettleMs, &app, [&] {
        frames = 0;
        cpuStart = ProcessCpuSeconds();
        wallStart = std::chrono::steady_clock::now();
        QTimer::singleShot(kMeasureMs, &app, [&] {
            stayedActive = QApplication::activeWindow() == form.get();
            QApplication::quit();
        });
    });
    QApplication::exec();
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    const double cpu = ProcessCpuSeconds() - cpuStart;
    if (!stayedActive) {
        std::fprintf(stderr, "qor-bench: the main window did not stay active\n");
        return 1;
    }
    std::printf("idle_cpu_percent %.1f\n", 100.0 * cpu / wall);
    std::printf("idle_frames %d\n", frames);
    return 0;
}

} // namespace qor::bench
