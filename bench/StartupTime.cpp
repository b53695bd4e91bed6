#include "StartupTime.h"
#include "Median.h"

#include "DefaultConstruction.h"

#include "app/Startup.h"
#include "forms/FrmMain.h"
#include "view/TD3dView.h"

#include <QApplication>
#include <QTimer>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace qor::bench {
namespace {

long long MonotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// What one child printed: its "name value" lines, and the milliseconds from just before it was
// started to its first frame.
struct ChildRun {
    double firstFrameMs = 0;
    std::map<std::string, double> values;
};

// Starts the program with the arguments and reads what it prints; nothing when it cannot be
// started, fails, or reports no first frame.
std::optional<ChildRun> RunChild(const std::vector<std::string>& arguments) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return std::nullopt;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    const long long started = MonotonicNs();
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    std::string output;
    char buffer[512];
    ssize_t got = 0;
    while (spawned == 0 && (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0) {
        output.append(buffer, static_cast<std::size_t>(got));
    }
    close(pipeEnds[0]);
    int status = 0;
    if (spawned != 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    ChildRun run;
    std::istringstream lines(output);
    std::string name;
    double value = 0;
    while (lines >> name >> value) {
        run.values[name] = value;
    }
    const auto frame = run.values.find("first_frame_clock_ns");
    if (frame == run.values.end()) {
        return std::nullopt;
    }
    run.firstFrameMs = (frame->second - static_cast<double>(started)) / 1e6;
    return run;
}

// The floor program stands beside qor-bench.
std::string FloorProgram(const std::string& self) {
    const std::size_t slash = self.rfind('/');
    return (slash == std::string::npos ? std::string() : self.substr(0, slash + 1)) +
           "qor-startup-floor";
}

std::string SelfPath(const char* self) {
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    return length > 0 ? std::string(path, static_cast<std::size_t>(length)) : std::string(self);
}

int Failed(const char* what) {
    std::fprintf(stderr, "qor-bench: %s gave no first frame (run it under xvfb-run)\n", what);
    return 1;
}

} // namespace

int RunStartupBench(const char* self, int runs) {
    const std::string program = SelfPath(self);
    std::vector<double> startup, floor, construction;
    for (int i = 0; i < runs; ++i) {
        const std::optional<ChildRun> run = RunChild({program, "--startup-once"});
        if (!run) {
            return Failed("the program");
        }
        startup.push_back(run->firstFrameMs);
        construction.push_back(run->values.count("first_construction_ms") != 0
                                   ? run->values.at("first_construction_ms")
                                   : 0);
        const std::optional<ChildRun> bare = RunChild({FloorProgram(program)});
        if (!bare) {
            return Failed("qor-startup-floor");
        }
        floor.push_back(bare->firstFrameMs);
    }
    std::printf("startup_ms %.1f\n", Median(startup));
    std::printf("startup_floor_ms %.1f\n", Median(floor));
    std::printf("startup_to_floor_ratio %.3f\n", Median(startup) / Median(floor));
    std::printf("first_construction_ms %.1f\n", Median(construction));
    return 0;
}

int RunStartupFloorBench(const char* self, int runs) {
    const std::string program = FloorProgram(SelfPath(self));
    std::vector<double> floor;
    for (int i = 0; i < runs; ++i) {
        const std::optional<ChildRun> run = RunChild({program});
        if (!run) {
            return Failed("qor-startup-floor");
        }
        floor.push_back(run->firstFrameMs);
    }
    std::printf("startup_floor_ms %.1f\n", Median(floor));
    return 0;
}

int RunStartupOnce(int argc, char** argv) {
    using Clock = std::chrono::steady_clock;
    QApplication app(argc, argv);
    const std::unique_ptr<TMainForm> form = StartMainWindow();
    long long firstFrame = 0;
    Clock::time_point pressed;
    double constructionMs = -1;
    // The new construction replaces the view host: its first frame is watched on the new one.
    const auto measureConstruction = [&] {
        QObject::connect(form->View(), &TD3dView::Presented, &app, [&] {
            if (constructionMs < 0) {
                constructionMs =
                    std::chrono::duration<double, std::milli>(Clock::now() - pressed).count();
                QTimer::singleShot(0, &app, &QApplication::quit);
            }
        });
    };
    QObject::connect(form->View(), &TD3dView::Presented, &app, [&] {
        if (firstFrame != 0) {
            return;
        }
        firstFrame = MonotonicNs();
        QTimer::singleShot(0, &app, [&] {
            MakeDefaultConstruction(
                *form, [&](Clock::time_point at) { pressed = at; }, measureConstruction);
        });
    });
    // A display that never presents ends the run instead of hanging it.
    QTimer::singleShot(30000, &app, [] { QCoreApplication::exit(1); });
    if (QApplication::exec() != 0 || firstFrame == 0) {
        return 1;
    }
    std::printf("first_frame_clock_ns %lld\n", firstFrame);
    std::printf("first_construction_ms %.1f\n", constructionMs);
    return 0;
}

} // namespace qor::bench
