// The kept sines and cosines of a driven angle are the ones computed afresh, to the last bit.
#include "analysis/TurnMemo.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

// Two laps of steps small enough that a lap is longer than the memo's slots, so that angles of
// different laps meet in a slot; then a lead-in that ends a hair off 0, and both zeros, whose
// sines differ in sign.
std::vector<double> Angles() {
    std::vector<double> angles;
    for (int lap = 0; lap < 2; ++lap) {
        double angle = 0.0;
        for (std::size_t i = 0; i < 2 * qor::TurnMemo::Slots + 7; ++i, angle += 1e-3) {
            angles.push_back(angle);
        }
    }
    angles.insert(angles.end(), {0.5, -2.5e-16, 0.0, 1e-3, -0.0, 1e-3, 0.0, -1e-3, -0.0});
    return angles;
}

TEST(TurnMemo, GivesTheTurnOfEveryAngleBitForBit) {
    qor::TurnMemo memo;
    const auto bits = [](double v) { return std::bit_cast<std::uint64_t>(v); };
    const std::vector<double> angles = Angles();
    for (std::size_t i = 0; i < angles.size(); ++i) {
        const qor::Turn got = memo.Of(angles[i]);
        ASSERT_EQ(bits(got.cos), bits(std::cos(angles[i]))) << i;
        ASSERT_EQ(bits(got.sin), bits(std::sin(angles[i]))) << i;
    }
}

} // namespace
