// Reading execute-buffer instructions and setting render states with their overrides.
#include "engine/ExecuteTypes.h"
#include "engine/RenderStates.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace qor {
namespace {

class Stream {
public:
    Stream& Instruction(std::uint8_t opcode, std::uint8_t size, std::uint16_t count) {
        const D3DINSTRUCTION header{opcode, size, count};
        return Append(&header, sizeof header);
    }
    Stream& State(std::uint32_t state, std::uint32_t value) {
        const D3DSTATE record{state, value};
        return Append(&record, sizeof record);
    }
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

private:
    Stream& Append(const void* data, std::size_t size) {
        const auto* p = static_cast<const std::uint8_t*>(data);
        bytes_.insert(bytes_.end(), p, p + size);
        return *this;
    }
    std::vector<std::uint8_t> bytes_;
};

TEST(ReadInstructionsTest, ReadsRenderStatesUpToExit) {
    const Stream stream = Stream()
                              .Instruction(D3DOP_STATERENDER, 8, 2)
                              .State(22, 1)
                              .State(22 + 256, 1)
                              .Instruction(D3DOP_EXIT, 0, 0)
                              .Instruction(99, 0, 0); // after exit: never read
    std::vector<StateChange> changes;
    ASSERT_EQ(ReadInstructions(stream.Bytes().data(), stream.Bytes().size(), changes), D3D_OK);
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[1].state, 278u);
    EXPECT_EQ(changes[1].value, 1u);
}

struct BadStream {
    const char* name;
    Stream stream;
};

class BadStreamTest : public ::testing::TestWithParam<BadStream> {};

TEST_P(BadStreamTest, FailsAndGivesNothing) {
    const std::vector<std::uint8_t>& bytes = GetParam().stream.Bytes();
    std::vector<StateChange> changes{{1, 1}};
    EXPECT_EQ(ReadInstructions(bytes.data(), bytes.size(), changes), DDERR_INVALIDPARAMS);
    EXPECT_TRUE(changes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Streams, BadStreamTest,
    ::testing::Values(
        BadStream{"unknown_opcode", Stream().Instruction(3, 8, 0).Instruction(D3DOP_EXIT, 0, 0)},
        BadStream{"no_exit", Stream().Instruction(D3DOP_STATERENDER, 8, 1).State(7, 1)},
        BadStream{"record_past_the_end", Stream().Instruction(D3DOP_STATERENDER, 8, 3).State(7, 1)},
        BadStream{"wrong_record_size", Stream().Instruction(D3DOP_STATERENDER, 4, 1).State(7, 1)},
        BadStream{"empty", Stream()}),
    [](const auto& info) { return info.param.name; });

TEST(RenderStatesTest, OverrideDecidesWhichValueIsInForce) {
    RenderStates states;
    EXPECT_EQ(states.Effective(D3DRENDERSTATE_CULLMODE), D3DCULL_CCW);
    ASSERT_EQ(states.Apply({{D3DRENDERSTATE_CULLMODE, D3DCULL_NONE}}), D3D_OK);
    EXPECT_EQ(states.Effective(D3DRENDERSTATE_CULLMODE), D3DCULL_CCW)
        << "without its override the retained engine's value holds";
    ASSERT_EQ(states.Apply({{D3DRENDERSTATE_CULLMODE + D3DSTATE_OVERRIDE_BIAS, 1}}), D3D_OK);
    EXPECT_EQ(states.Effective(D3DRENDERSTATE_CULLMODE), D3DCULL_NONE);
}

TEST(RenderStatesTest, AnUnknownStateOrValueChangesNothing) {
    RenderStates states;
    const std::vector<std::vector<StateChange>> refused = {
        {{D3DRENDERSTATE_ZFUNC + 256, 1}, {D3DRENDERSTATE_ZFUNC, D3DCMP_ALWAYS}, {9, 1}},
        {{D3DRENDERSTATE_ZFUNC + 256, 1}, {D3DRENDERSTATE_ZFUNC, 9}},
        {{D3DRENDERSTATE_CULLMODE + 256, 1}, {D3DRENDERSTATE_CULLMODE, 0}},
        {{D3DRENDERSTATE_ZENABLE + 256, 1}, {D3DRENDERSTATE_ZENABLE, 2}},
        {{3 + 256, 1}},
    };
    for (const std::vector<StateChange>& changes : refused) {
        EXPECT_EQ(states.Apply(changes), DDERR_INVALIDPARAMS);
    }
    for (const std::uint32_t state : {D3DRENDERSTATE_ZFUNC, D3DRENDERSTATE_CULLMODE,
                                      D3DRENDERSTATE_ZENABLE, D3DRENDERSTATE_ZWRITEENABLE}) {
        EXPECT_FALSE(states.Overridden(state)) << state;
    }
    EXPECT_EQ(states.Stored(D3DRENDERSTATE_ZFUNC), D3DCMP_LESSEQUAL);
}

} // namespace
} // namespace qor
