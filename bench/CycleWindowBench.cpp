#include "CycleWindowBench.h"
#include "Clocks.h"
#include "FrameTimes.h"
#include "Median.h"

#include "BenchBoxes.h"
#include "forms/FrmConstrParamSet.h"
#include "forms/FrmCycle.h"
#include "forms/FrmCyclePage.h"
#include "forms/FrmMain.h"
#include "kinematics/Angles.h"
#include "platform/IdleHook.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

namespace qor::bench {
namespace {

constexpr int kOpenings = 7;
constexpr int kWarmUpFrames = 5;
constexpr int kFrameRounds = 10;
// A step this small takes link 1 round in 359,000 steps: the cycle stops at its 100,000 rows.
constexpr double kTinyStepDeg = 0.001;
// Steps of the window alone, without the 3D view, timed one by one.
constexpr int kWindowSteps = 200;

void Click(const TMainForm& form, const char* name) {
    form.findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
}

// One frame as the event loop makes it: the idle pass, then the paints it asked for.
void Frame(TMainForm& form) {
    bool done = false;
    form.IdlePass(done);
    QCoreApplication::processEvents();
}

// Times `frames` frames after a few unmeasured ones.
void TimeFrames(TMainForm& form, int frames, FrameTimes& times) {
    for (int i = 0; i < kWarmUpFrames; ++i) {
        Frame(form);
    }
    for (int i = 0; i < frames; ++i) {
        times.Time([&form] { Frame(form); });
    }
}

} // namespace

int RunCycleWindowBench(int argc, char** argv, int width, int height, int frames) {
    QApplication app(argc, argv);
    PrintMessageBoxes();
    TMainForm form;
    auto* params = new TConstructionParamForm(form.Mechanism1(), form.Mechanism2(),
                                              form.ParamsAccepted(), &form);
    form.SetConstructionParamForm(params);
    form.resize(width, height);
    form.show();
    // The parameter dialog's own entries, accepted with its OK.
    QTimer::singleShot(0, params, [params] {
        params->findChild<QAbstractButton*>(QStringLiteral("bbOK"))->click();
    });
    form.NewConstruction();
    if (!form.ParamsAccepted()) {
        std::fprintf(stderr, "qor-bench: the default construction was not accepted\n");
        return 1;
    }
    form.Mechanism1().Velocity1 = static_cast<double>(DegToRad(kTinyStepDeg));
    Click(form, "cb1");
    Click(form, "rbRotPlus1");
    // The frames are made here, one by one.
    RemoveIdleHandler();
    QCoreApplication::processEvents();

    TCycleForm* window = form.CycleForm();
    QAction* menuItem = form.findChild<QAction*>(QStringLiteral("mnCycle"));
    std::vector<double> openMs;
    for (int i = 0; i < kOpenings; ++i) {
        window->hide();
        QCoreApplication::processEvents();
        // As after a change of the drive: the cycle is computed afresh when the window opens.
        emit form.DriveChanged(1);
        const Clock::time_point start = Clock::now();
        menuItem->trigger();
        QCoreApplication::processEvents();
        window->repaint();
        openMs.push_back(Milliseconds(start, Clock::now()));
    }
    std::printf("cycle_window_rows %zu\n", window->Page(1)->ShownCycle().Rows.size());
    std::printf("cycle_window_open_ms %.1f\n", Median(openMs));

    // Floating, the window takes no room from the 3D view: both frame times draw a view of the
    // same size, and the difference is the cost of the window alone.
    window->setFloating(true);
    window->setGeometry(0, 0, width / 2, height);
    Click(form, "bbRunWork");
    // The window closed and open by turns, so that a change in the load of a shared machine
    // falls on both alike.
    // The medians of each round.
    FrameTimes closed;
    FrameTimes open;
    for (int round = 0; round < kFrameRounds; ++round) {
        for (const bool shown : {false, true}) {
            if (shown) {
                menuItem->trigger();
            } else {
                window->hide();
            }
            QCoreApplication::processEvents();
            FrameTimes times;
            TimeFrames(form, std::max(1, frames / kFrameRounds), times);
            (shown ? open : closed).AddMediansOf(times);
        }
    }
    std::printf("cycle_frame_closed_ms %.2f\n", Median(closed.wall));
    std::printf("cycle_frame_open_ms %.2f\n", Median(open.wall));
    // Each round with the window open against the round just before it with the window closed.
    std::printf("cycle_frame_ratio %.3f\n", MedianRatio(open.wall, closed.wall));
    std::printf("cycle_frame_closed_cpu_ms %.2f\n", Median(closed.cpu));
    std::printf("cycle_frame_open_cpu_ms %.2f\n", Median(open.cpu));
    std::printf("cycle_frame_cpu_ratio %.3f\n", MedianRatio(open.cpu, closed.cpu));

    // What the open window adds to a frame, alone and in this thread's processor time: moving
    // the cursor and the table's current row, and painting what that changed. Two passes of the
    // event loop, as the plot's scene hands its changes to the view in a pass of its own.
    std::vector<double> stepCpu;
    for (int i = 0; i < kWindowSteps; ++i) {
        const double cpuStart = ThreadCpuMs();
        window->Stepped();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        stepCpu.push_back(ThreadCpuMs() - cpuStart);
    }
    std::printf("cycle_step_cpu_ms %.3f\n", Median(stepCpu));
    return 0;
}

} // namespace qor::bench
