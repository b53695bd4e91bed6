#include "StartupTime.h"

#include "app/Startup.h"
#include "forms/FrmMain.h"
#include "view/TD3dView.h"

#include <QApplication>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

namespace qor::bench {
namespace {

// The process's start, in milliseconds since boot: field 22 of /proc/self/stat, in clock ticks
// (10 ms on most kernels, which bounds the figure's resolution).
double ProcessStartMs() {
    std::ifstream file("/proc/self/stat");
    std::string line;
    std::getline(file, line);
    // The command name may hold blanks; the fields after it are counted from its closing ')'.
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    for (int i = 3; i < 22; ++i) {
        fields >> field;
    }
    unsigned long long ticks = 0;
    fields >> ticks;
    return 1000.0 * static_cast<double>(ticks) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double BootClockMs() {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return 1000.0 * static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e6;
}

} // namespace

int RunStartupBench(int argc, char** argv) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point mainStart = Clock::now();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const std::unique_ptr<TMainForm> form = StartMainWindow();
    double presentedMs = 0;
    Clock::time_point presented;
    QObject::connect(form->View(), &TD3dView::Presented, &app, [&] {
        if (presentedMs == 0) {
            presentedMs = BootClockMs();
            presented = Clock::now();
            QTimer::singleShot(0, &app, &QApplication::quit);
        }
    });
    // A display that never presents ends the run instead of hanging it.
    QTimer::singleShot(30000, &app, &QApplication::quit);
    QApplication::exec();
    if (presentedMs == 0) {
        std::fprintf(stderr, "qor-bench: the view host presented no frame\n");
        return 1;
    }
    std::printf("startup_ms %.1f\n", presentedMs - ProcessStartMs());
    std::printf("main_to_frame_ms %.1f\n",
                std::chrono::duration<double, std::milli>(presented - mainStart).count());
    return 0;
}

} // namespace qor::bench
