// The shader variants: one number for each way of drawing, shared by the ways that draw alike.
#include "engine/Shaders.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>

namespace qor {
namespace {

TEST(ShaderVariantTest, EveryWayOfDrawingHasItsOwnNumberInRange) {
    std::set<int> seen;
    int ways = 0;
    for (int shade = 0; shade < 3; ++shade) {
        for (int colour = 0; colour < 3; ++colour) {
            for (int lights = 0; lights <= kMaxDirectionalLights; ++lights) {
                const ShaderVariant v{shade, true, colour > 0, colour == 2, lights};
                const int index = VariantIndex(v);
                EXPECT_GE(index, 0);
                EXPECT_LT(index, kShaderVariantCount);
                seen.insert(index);
                ++ways;
            }
        }
    }
    seen.insert(VariantIndex({0, false, false, false, 0}));
    EXPECT_EQ(static_cast<int>(seen.size()), ways + 1);
}

struct AlikeCase {
    const char* name;
    ShaderVariant a;
    ShaderVariant b;
};

void PrintTo(const AlikeCase& c, std::ostream* os) {
    *os << c.name;
}

class DrawAlike : public ::testing::TestWithParam<AlikeCase> {};

TEST_P(DrawAlike, ShareTheirProgram) {
    EXPECT_EQ(VariantIndex(GetParam().a), VariantIndex(GetParam().b));
}

INSTANTIATE_TEST_SUITE_P(
    Variants, DrawAlike,
    ::testing::Values(
        AlikeCase{"UnlitIgnoresShadeLightsAndColourModel",
                  {2, false, true, true, 5},
                  {0, false, false, false, 0}},
        AlikeCase{"DitherOnlyCountsInMono", {1, true, false, true, 1}, {1, true, false, false, 1}},
        AlikeCase{"MoreLightsThanDrawnAreCappedAtTheMaximum",
                  {0, true, false, false, kMaxDirectionalLights + 3},
                  {0, true, false, false, kMaxDirectionalLights}}),
    [](const ::testing::TestParamInfo<AlikeCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace qor
