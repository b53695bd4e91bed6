#include "analysis/Cycle.h"

#include "analysis/AnglePairIndex.h"
#include "analysis/Transmission.h"
#include "analysis/TurnMemo.h"
#include "kinematics/Solver.h"
#include "kinematics/Stepping.h"

#include <algorithm>

namespace qor {
namespace {

CycleRow RowOf(const Mechanism& m, int step) {
    return {step, m.Fi, m.Psi, m.Ksi, m.Gamma, m.Joint12, m.B, m.Joint43, TransmissionAngle(m)};
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
    // The advances are SolvePosition's own, with the sines and cosines of angles met before
    // kept rather than computed again.
    TurnMemo fiTurns;
    TurnMemo gammaTurns;
    for (int step = 1;; ++step) {
        AccumulateAngles(m);
        WrapDrivenAngles(m);
        SolveWrappedPosition(m, fiTurns.Of(m.Fi), gammaTurns.Of(m.Gamma));
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
        cycle.Rows.push_back(RowOf(m, step));
        // The pair the next advance is likely to reach (a wrap makes the guess wrong, which
        // costs nothing): its place in the index is fetched while the solver works.
        seen.Prefetch(m.Fi + m.dFi, m.Gamma + m.dGamma);
    }
    // A short cycle gives back the room it did not need; copying it costs little.
    if (cycle.Rows.size() < cycle.Rows.capacity() / 8) {
        cycle.Rows.shrink_to_fit();
    }
    return cycle;
}

} // namespace qor
