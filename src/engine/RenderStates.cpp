// Render states and execute-buffer instructions.
#include "engine/RenderStates.h"

#include "engine/ExecuteTypes.h"

#include <cstring>

namespace qor {

namespace {
constexpr std::array<std::uint32_t, 4> kStates = {D3DRENDERSTATE_CULLMODE, D3DRENDERSTATE_ZENABLE,
                                                  D3DRENDERSTATE_ZWRITEENABLE,
                                                  D3DRENDERSTATE_ZFUNC};
} // namespace

HRESULT ReadInstructions(const std::uint8_t* data, std::size_t length,
                         std::vector<StateChange>& changes) {
    std::vector<StateChange> read;
    std::size_t at = 0;
    while (data != nullptr && at + sizeof(D3DINSTRUCTION) <= length) {
        D3DINSTRUCTION header;
        std::memcpy(&header, data + at, sizeof header);
        at += sizeof header;
        if (header.bOpcode == D3DOP_EXIT) {
            changes = std::move(read);
            return D3D_OK;
        }
        if (header.bOpcode != D3DOP_STATERENDER || header.bSize != sizeof(D3DSTATE) ||
            length - at < std::size_t{header.wCount} * sizeof(D3DSTATE)) {
            break;
        }
        for (std::uint16_t i = 0; i < header.wCount; ++i) {
            D3DSTATE record;
            std::memcpy(&record, data + at, sizeof record);
            at += sizeof record;
            read.push_back({record.dwState, record.dwValue});
        }
    }
    changes.clear();
    return DDERR_INVALIDPARAMS;
}

HRESULT RenderStates::Apply(const std::vector<StateChange>& changes) {
    for (const StateChange& change : changes) {
        if (!IsValid(change.state, change.value)) {
            return DDERR_INVALIDPARAMS;
        }
    }
    for (const StateChange& change : changes) {
        if (change.state >= D3DSTATE_OVERRIDE_BIAS) {
            overridden_[IndexOf(change.state - D3DSTATE_OVERRIDE_BIAS)] = change.value != 0;
        } else {
            values_[IndexOf(change.state)] = change.value;
        }
    }
    return D3D_OK;
}

std::uint32_t RenderStates::Effective(std::uint32_t state) const {
    const int index = IndexOf(state);
    return overridden_[index] ? values_[index] : RetainedValues()[index];
}

std::uint32_t RenderStates::Stored(std::uint32_t state) const {
    return values_[IndexOf(state)];
}

bool RenderStates::Overridden(std::uint32_t state) const {
    return overridden_[IndexOf(state)];
}

int RenderStates::IndexOf(std::uint32_t state) {
    for (std::size_t i = 0; i < kStates.size(); ++i) {
        if (kStates[i] == state) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool RenderStates::IsValid(std::uint32_t state, std::uint32_t value) {
    if (state >= D3DSTATE_OVERRIDE_BIAS) {
        return IndexOf(state - D3DSTATE_OVERRIDE_BIAS) >= 0;
    }
    switch (state) {
    case D3DRENDERSTATE_CULLMODE:
        return value >= D3DCULL_NONE && value <= D3DCULL_CCW;
    case D3DRENDERSTATE_ZENABLE:
    case D3DRENDERSTATE_ZWRITEENABLE:
        return value <= 1;
    case D3DRENDERSTATE_ZFUNC:
        return value >= D3DCMP_NEVER && value <= D3DCMP_ALWAYS;
    default:
        return false;
    }
}

std::array<std::uint32_t, RenderStates::kCount> RenderStates::RetainedValues() {
    return {D3DCULL_CCW, 1, 1, D3DCMP_LESSEQUAL};
}

} // namespace qor
