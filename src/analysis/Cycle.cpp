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

// The driven angles of one row, as the advances make them.
struct DrivenAngles {
    double Fi;
    double Gamma;
};

// The row of one advance to the given driven angles from a position with the given angles of
// links 2 and 3, with the driven angles' turns.
CycleRow SolveRow(Mechanism& m, const DrivenAngles& angles, std::size_t step, double psiBefore,
                  double ksiBefore, const Turn& fi, const Turn& gamma) {
    m.Fi = angles.Fi;
    m.Gamma = angles.Gamma;
    m.Psi = psiBefore;
    m.Ksi = ksiBefore;
    SolveWrappedPosition(m, fi, gamma);
    return RowOf(m, static_cast<int>(step));
}

// Solves rows [first, last) from their driven angles as one advance each. A solve reads the
// previous position only where it cannot decide (link 2 where the moving ends meet, link 3 at its
// guard), and then keeps the previous angle. Here the previous angles are NaN, so such a row
// comes out with a NaN angle and is listed in `unsettled`, to be solved again in order
// afterwards; every other row is already what the advance from the previous position gives, to
// the last bit.
void SolveFromAngles(const Mechanism& start, const std::vector<DrivenAngles>& angles,
                     std::vector<CycleRow>& rows, std::size_t first, std::size_t last,
                     std::vector<std::size_t>& unsettled) {
    Mechanism m = start;
    // Sines and cosines of angles met before are kept rather than computed again.
    TurnMemo fiTurns;
    TurnMemo gammaTurns;
    constexpr double unknown = std::numeric_limits<double>::quiet_NaN();
    for (std::size_t i = first; i < last; ++i) {
        rows[i] = SolveRow(m, angles[i], i, unknown, unknown, fiTurns.Of(angles[i].Fi),
                           gammaTurns.Of(angles[i].Gamma));
        if (std::isnan(m.Psi) || std::isnan(m.Ksi)) {
            unsettled.push_back(i);
        }
    }
}

// Below this many rows a second thread costs more than it saves.
constexpr std::size_t RowsPerThread = 8192;

// Makes the rows from their driven angles; row 0 is the start itself. The rows are solved on as
// many threads as the processor has, each writing its own share, then the rows that needed the
// position before them are solved again, in order.
std::vector<CycleRow> SolveRows(const Mechanism& start, const std::vector<DrivenAngles>& angles) {
    const std::size_t count = angles.size();
    std::vector<CycleRow> rows(count);
    rows[0] = RowOf(start, 0);
    const std::size_t threads = std::clamp<std::size_t>(
        count / RowsPerThread, 1, std::max(1U, std::thread::hardware_concurrency()));
    const std::size_t share = (count - 1 + threads - 1) / threads;
    std::vector<std::vector<std::size_t>> unsettled(threads);
    std::vector<std::thread> helpers;
    for (std::size_t t = 1; t < threads; ++t) {
        const std::size_t first = 1 + t * share;
        helpers.emplace_back(SolveFromAngles, std::cref(start), std::cref(angles), std::ref(rows),
                             first, std::min(count, first + share), std::ref(unsettled[t]));
    }
    SolveFromAngles(start, angles, rows, 1, std::min(count, 1 + share), unsettled[0]);
    for (std::thread& helper : helpers) {
        helper.join();
    }
    Mechanism m = start;
    for (const std::vector<std::size_t>& listed : unsettled) {
        for (const std::size_t i : listed) {
            rows[i] = SolveRow(m, angles[i], i, rows[i - 1].Psi, rows[i - 1].Ksi,
                               TurnOf(angles[i].Fi), TurnOf(angles[i].Gamma));
        }
    }
    return rows;
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
    // Room for the longest cycle at once: growing would copy the angles again and again.
    const auto longest = static_cast<std::size_t>(std::min(maxSteps, MaxCycleSteps));
    std::vector<DrivenAngles> angles;
    angles.reserve(longest);
    seen.Reserve(longest);
    seen.FindOrAdd(m.Fi, m.Gamma, 0);
    angles.push_back({m.Fi, m.Gamma});
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
        angles.push_back({m.Fi, m.Gamma});
        // The pair the next advance is likely to reach (a wrap makes the guess wrong, which
        // costs nothing): its place in the index is fetched meanwhile.
        seen.Prefetch(m.Fi + m.dFi, m.Gamma + m.dGamma);
    }
    cycle.Rows = SolveRows(current, angles);
    return cycle;
}

} // namespace qor
