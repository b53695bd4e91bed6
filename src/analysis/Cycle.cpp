#include "analysis/Cycle.h"

#include "analysis/AnglePairIndex.h"
#include "analysis/Transmission.h"
#include "analysis/TurnMemo.h"
#include "kinematics/Solver.h"
#include "kinematics/Stepping.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <thread>

namespace qor {
namespace {

CycleRow RowOf(const Mechanism& m, int step) {
    return {step, m.Fi, m.Psi, m.Ksi, m.Gamma, m.Joint12, m.B, m.Joint43, TransmissionAngle(m)};
}

// Solves rows [first, last) from their driven angles as one advance each. A solve reads the
// previous position only where it cannot decide (link 2 where the moving ends meet, link 3 at its
// guard), and then keeps the previous angle. Here the previous angles are NaN, so such a row
// comes out with a NaN angle and is solved again in order afterwards; every other row is already
// what the advance from the previous position gives, to the last bit.
void SolveFromAngles(const Mechanism& start, std::vector<CycleRow>& rows, std::size_t first,
                     std::size_t last) {
    Mechanism m = start;
    // Sines and cosines of angles met before are kept rather than computed again.
    TurnMemo fiTurns;
    TurnMemo gammaTurns;
    for (std::size_t i = first; i < last; ++i) {
        m.Fi = rows[i].Fi;
        m.Gamma = rows[i].Gamma;
        m.Psi = std::numeric_limits<double>::quiet_NaN();
        m.Ksi = std::numeric_limits<double>::quiet_NaN();
        SolveWrappedPosition(m, fiTurns.Of(m.Fi), gammaTurns.Of(m.Gamma));
        rows[i] = RowOf(m, rows[i].Step);
    }
}

// Below this many rows a second thread costs more than it saves.
constexpr std::size_t RowsPerThread = 8192;

// Fills rows 1.. (row 0 is the start itself) from their driven angles, on as many threads as the
// processor has, then solves again, in order, the rows that needed the position before them.
void SolveRows(const Mechanism& start, std::vector<CycleRow>& rows) {
    const std::size_t count = rows.size();
    const std::size_t threads = std::clamp<std::size_t>(
        count / RowsPerThread, 1, std::max(1U, std::thread::hardware_concurrency()));
    const std::size_t share = (count - 1 + threads - 1) / threads;
    std::vector<std::thread> helpers;
    for (std::size_t t = 1; t < threads; ++t) {
        const std::size_t first = 1 + t * share;
        helpers.emplace_back(SolveFromAngles, std::cref(start), std::ref(rows), first,
                             std::min(count, first + share));
    }
    SolveFromAngles(start, rows, 1, std::min(count, 1 + share));
    for (std::thread& helper : helpers) {
        helper.join();
    }
    Mechanism m = start;
    for (std::size_t i = 1; i < count; ++i) {
        if (std::isnan(rows[i].Psi) || std::isnan(rows[i].Ksi)) {
            const CycleRow& before = rows[i - 1];
            m.Fi = rows[i].Fi;
            m.Gamma = rows[i].Gamma;
            m.Psi = before.Psi;
            m.Ksi = before.Ksi;
            SolveWrappedPosition(m, TurnOf(m.Fi), TurnOf(m.Gamma));
            rows[i] = RowOf(m, rows[i].Step);
        }
    }
}

} // namespace

DrivenLinks DrivenLinksOf(const Mechanism& m) {
    const bool link1 = m.dFi != 0.0;
    const bool link4 = m.dGamma != 0.0;
    if (link1 && link4) {
        return DrivenLinks::Both;
    }
    if (link1) {
        return DrivenLinks::Link1;
    }
    return link4 ? DrivenLinks::Link4 : DrivenLinks::None;
}

Cycle ComputeCycle(const Mechanism& current, int maxSteps) {
    Cycle cycle;
    cycle.Start = current;
    cycle.Drive = DrivenLinksOf(current);
    if (cycle.Drive == DrivenLinks::None || maxSteps < 1) {
        return cycle;
    }
    Mechanism m = current;
    AnglePairIndex seen(m.dFi, m.dGamma);
    // Room for the longest cycle at once: growing would copy the rows again and again, and the
    // pages a shorter cycle leaves unused are never touched.
    const auto longest = static_cast<std::size_t>(std::min(maxSteps, MaxCycleSteps));
    cycle.Rows.reserve(longest);
    seen.Reserve(longest);
    seen.FindOrAdd(m.Fi, m.Gamma, 0);
    cycle.Rows.push_back(RowOf(m, 0));
    // First the driven angles alone, as the advances make them, up to the repeat: they do not
    // depend on the rest of the solve.
    for (int step = 1;; ++step) {
        AccumulateAngles(m);
        WrapDrivenAngles(m);
        const int earlier = seen.FindOrAdd(m.Fi, m.Gamma, step);
        if (earlier >= 0) {
            cycle.Closed = true;
            cycle.RepeatsFrom = earlier;
            break;
        }
        // The advance after the last row is still made, so that a cycle of exactly maxSteps
        // rows is known to close.
        if (step == maxSteps) {
            break;
        }
        CycleRow row;
        row.Step = step;
        row.Fi = m.Fi;
        row.Gamma = m.Gamma;
        cycle.Rows.push_back(row);
        // The pair the next advance is likely to reach (a wrap makes the guess wrong, which
        // costs nothing): its place in the index is fetched meanwhile.
        seen.Prefetch(m.Fi + m.dFi, m.Gamma + m.dGamma);
    }
    SolveRows(current, cycle.Rows);
    // A short cycle gives back the room it did not need; copying it costs little.
    if (cycle.Rows.size() < cycle.Rows.capacity() / 8) {
        cycle.Rows.shrink_to_fit();
    }
    return cycle;
}

} // namespace qor
