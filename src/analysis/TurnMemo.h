// Keeps the cosines and sines of one driven angle along a drive, so that an angle met again costs
// no new sine and cosine.
#pragma once

#include "kinematics/Solver.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace qor {

// After a wrap a driven angle restarts from exactly 0 and runs through the very same doubles
// again, and the angle of a link that does not turn never changes. The memo files each angle
// under the number of advances since the angle was last exactly +0, so that a lap files its
// angles where the previous lap left the same ones. A slot gives its turn back only for an angle
// of the same bits; any other angle has its turn computed and filed there instead. So Of(angle)
// is TurnOf(angle) to the last bit, whatever the drive does.
class TurnMemo {
public:
    // Laps of up to this many advances are kept whole.
    static constexpr std::size_t Slots = 4096;

    // Every slot starts as the exact turn of +0.
    TurnMemo() : slots_(Slots, Slot{0, TurnOf(0.0)}) {}

    // The turn of the angle a drive reaches on its next advance. Defined here so that the
    // drive's loop inlines it.
    Turn Of(double angle) {
        const auto bits = std::bit_cast<std::uint64_t>(angle);
        if (bits == last_.bits) {
            return last_.turn;
        }
        sinceZero_ = bits == 0 ? 0 : sinceZero_ + 1;
        Slot& slot = slots_[sinceZero_ % Slots];
        if (slot.bits != bits) {
            slot = {bits, TurnOf(angle)};
        }
        last_ = slot;
        return slot.turn;
    }

private:
    struct Slot {
        std::uint64_t bits; // the angle's bits
        Turn turn;
    };

    std::vector<Slot> slots_;
    Slot last_{0, TurnOf(0.0)};
    std::size_t sinceZero_ = 0;
};

} // namespace qor
