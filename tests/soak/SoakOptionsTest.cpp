// qor-soak's command line: the whole run by default, shorter runs on request, and a refusal
// that names what it could not read.
#include "SoakOptions.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace qor::soak {
namespace {

struct OptionsCase {
    const char* name;
    std::vector<std::string> arguments;
    long passes;
    int constructions;
    int renderEvery;
    const char* error; // null when the line is read
};

std::ostream& operator<<(std::ostream& out, const OptionsCase& c) {
    return out << c.name;
}

class SoakOptionsTest : public ::testing::TestWithParam<OptionsCase> {};

TEST_P(SoakOptionsTest, ReadsTheCountsOrSaysWhatItCannotRead) {
    const OptionsCase& c = GetParam();
    std::string error;
    const std::optional<SoakOptions> options = ParseSoakOptions(c.arguments, error);
    if (c.error != nullptr) {
        EXPECT_FALSE(options);
        EXPECT_EQ(error, c.error);
        return;
    }
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->passes, c.passes);
    EXPECT_EQ(options->constructions, c.constructions);
    EXPECT_EQ(options->renderEvery, c.renderEvery);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SoakOptionsTest,
    ::testing::Values(
        OptionsCase{"NoneIsTheWholeRun", {}, 1'000'000, 1000, 1, nullptr},
        OptionsCase{"ShorterRun", {"--passes", "500", "--constructions", "2"}, 500, 2, 1, nullptr},
        OptionsCase{
            "NoPassesNoConstructions", {"--constructions", "0", "--passes", "0"}, 0, 0, 1, nullptr},
        OptionsCase{
            "EveryTenthPassRendered", {"--render-every", "10"}, 1'000'000, 1000, 10, nullptr},
        OptionsCase{"NeverRenderingIsRefused",
                    {"--render-every", "0"},
                    0,
                    0,
                    0,
                    "--render-every wants a whole number from 1, not 0"},
        OptionsCase{"NegativeCount",
                    {"--constructions", "-1"},
                    0,
                    0,
                    0,
                    "--constructions wants a whole number from 0, not -1"},
        OptionsCase{"TextAfterTheDigits",
                    {"--passes", "12x"},
                    0,
                    0,
                    0,
                    "--passes wants a whole number from 0, not 12x"},
        OptionsCase{"MissingValue", {"--passes"}, 0, 0, 0, "cannot read the argument --passes"},
        OptionsCase{
            "UnknownOption", {"--frames", "3"}, 0, 0, 0, "cannot read the argument --frames"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace qor::soak
