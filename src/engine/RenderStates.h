// The four Direct3D render states that the renderer honours (cull mode, z enable, z write,
// z function), with their overrides, and the reading of execute-buffer instructions into them.
#pragma once

#include "engine/Results.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace qor {

struct StateChange {
    std::uint32_t state = 0;
    std::uint32_t value = 0;
};

// Reads an instruction stream: D3D_OK and its render-state records in order, up to the exit
// instruction. Fails with DDERR_INVALIDPARAMS, and gives no changes, when the stream holds an
// instruction other than render state and exit, a record size other than 8, a record past the
// end, or no exit.
[[nodiscard]] HRESULT ReadInstructions(const std::uint8_t* data, std::size_t length,
                                       std::vector<StateChange>& changes);

class RenderStates {
public:
    // Sets every change, or none when any state or value is not one the renderer knows
    // (DDERR_INVALIDPARAMS).
    [[nodiscard]] HRESULT Apply(const std::vector<StateChange>& changes);

    // The value in force: the execute buffer's while its override is on, else the retained
    // engine's own (cull back faces, z buffer on, z write on, less-or-equal).
    std::uint32_t Effective(std::uint32_t state) const;
    // The value last set through an execute buffer (the retained engine's before any).
    std::uint32_t Stored(std::uint32_t state) const;
    bool Overridden(std::uint32_t state) const;

private:
    static constexpr std::size_t kCount = 4;
    static int IndexOf(std::uint32_t state);
    static bool IsValid(std::uint32_t state, std::uint32_t value);

    std::array<std::uint32_t, kCount> values_ = RetainedValues();
    std::array<bool, kCount> overridden_{};

    static std::array<std::uint32_t, kCount> RetainedValues();
};

} // namespace qor
