// The rule that admits a linkage only when it closes at every pair of driven angles.
#include "kinematics/ClosingRule.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct RuleCase {
    const char* name;
    double a, b, L1, L2, L3, L4;
    bool closes;
};

constexpr double inf = std::numeric_limits<double>::infinity();

const RuleCase ruleCases[] = {
    {"DialogDefaults", 3, 0, 3, 6, 6, 3, true},
    {"EqualityPasses", 3, 4, 1, 4, 4, 2, true},
    {"OneCentimetreTooShort", 3, 4, 2, 4, 4, 2, false},
    {"UnequalCouplers", 3, 0, 3, 6, 7, 3, false},
    {"NegativeOffsetsCountByDistance", -3, -4, 1, 4, 4, 2, true},
    {"LongerLinksOutsideTheListsStillPass", 0, 0, 12, 15, 15, 12, true},
    {"ZeroDrivenLinkPasses", 0, 0, 0, 1, 1, 0, true},
    {"NegativeDrivenLinkCountsByLength", 0, 0, -5, 1, 1, 5, false},
    {"NegativeCouplersNeverClose", 0, 0, -9, -6, -6, -9, false},
    {"ZeroCouplersNeverClose", 0, 0, 0, 0, 0, 0, false},
    {"InfiniteCouplersNeverClose", 0, 0, 1, inf, inf, 1, false},
    {"NotANumberNeverCloses", std::numeric_limits<double>::quiet_NaN(), 0, 1, 6, 6, 1, false},
};

class ClosingRule : public testing::TestWithParam<RuleCase> {};

TEST_P(ClosingRule, DecidesAsTheLinkageCanClose) {
    const RuleCase& c = GetParam();
    EXPECT_EQ(qor::ClosesAtEveryPosition(c.a, c.b, c.L1, c.L2, c.L3, c.L4), c.closes);
}

INSTANTIATE_TEST_SUITE_P(Cases, ClosingRule, testing::ValuesIn(ruleCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
