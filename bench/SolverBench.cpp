// Solves per second: the linkage solver beside a bare two-circle intersection that finds the
// same point B, so that the ratio shows what the solver's bookkeeping costs; and the time to
// compute a drive's whole cycle ahead, and to write it as a table.
#include "analysis/Cycle.h"
#include "analysis/CycleCsv.h"
#include "kinematics/Mechanism.h"
#include "kinematics/Solver.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <string>

namespace {

constexpr double StepRadians = 0.0174532925199432957;

qor::Mechanism DefaultLinkage() {
    qor::Mechanism m;
    m.a = 3;
    m.L1 = m.L4 = 3;
    m.L2 = m.L3 = 6;
    m.dFi = StepRadians;
    m.dGamma = -0.5 * StepRadians;
    return m;
}

void SolvePosition(benchmark::State& state) {
    qor::Mechanism m = DefaultLinkage();
    for (auto _ : state) {
        m.Fi += m.dFi;
        m.Gamma += m.dGamma;
        qor::SolvePosition(m);
        benchmark::DoNotOptimize(m.B);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(SolvePosition);

// Point B only: the crossing of the circles about the moving ends, on the left side.
void BareCircleIntersection(benchmark::State& state) {
    const qor::Mechanism m0 = DefaultLinkage();
    double fi = 0;
    double gamma = 0;
    for (auto _ : state) {
        fi += m0.dFi;
        gamma += m0.dGamma;
        const double px = m0.L1 * std::cos(fi);
        const double py = m0.L1 * std::sin(fi);
        const double qx = m0.a + m0.L4 * std::cos(gamma);
        const double qy = m0.b + m0.L4 * std::sin(gamma);
        const double dx = qx - px;
        const double dy = qy - py;
        const double d2 = dx * dx + dy * dy;
        const double along = 0.5 * (d2 + m0.L2 * m0.L2 - m0.L3 * m0.L3) / d2;
        const double across = std::sqrt(std::max(0.0, m0.L2 * m0.L2 / d2 - along * along));
        double bx = px + along * dx - across * dy;
        double by = py + along * dy + across * dx;
        benchmark::DoNotOptimize(bx);
        benchmark::DoNotOptimize(by);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BareCircleIntersection);

// The longest cycle there is: link 1 at 0.001 degrees per step needs 359000 steps to come round,
// so the computation stops at the limit of 100000.
qor::Mechanism SlowDrive() {
    qor::Mechanism m = DefaultLinkage();
    m.dFi = 0.001 * StepRadians;
    m.dGamma = 0;
    qor::SolvePosition(m);
    return m;
}

// Links 1 and 4 at 1 and 2 degrees: 359 · 180 = 64620 positions.
qor::Mechanism BothLinksDrive() {
    qor::Mechanism m = DefaultLinkage();
    m.dFi = StepRadians;
    m.dGamma = 2 * StepRadians;
    qor::SolvePosition(m);
    return m;
}

void ComputeCycle(benchmark::State& state, qor::Mechanism (*drive)()) {
    const qor::Mechanism m = drive();
    std::size_t rows = 0;
    for (auto _ : state) {
        const qor::Cycle cycle = qor::ComputeCycle(m);
        rows = cycle.Rows.size();
        benchmark::DoNotOptimize(cycle.Rows.data());
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(rows));
}
BENCHMARK_CAPTURE(ComputeCycle, Limit100000, SlowDrive)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ComputeCycle, BothLinks64620, BothLinksDrive)->Unit(benchmark::kMillisecond);

void CycleCsv(benchmark::State& state) {
    const qor::Cycle cycle = qor::ComputeCycle(SlowDrive());
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string table = qor::CycleCsv(cycle);
        bytes = table.size();
        benchmark::DoNotOptimize(table.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
}
BENCHMARK(CycleCsv)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
