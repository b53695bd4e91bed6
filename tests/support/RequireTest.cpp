// A set-up call that fails stops the test that made it, saying where and with which code.
#include "Require.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace qor::test {
namespace {

struct RequireCase {
    const char* name;
    HRESULT code;
    const char* shown; // empty: nothing is thrown
};

void PrintTo(const RequireCase& c, std::ostream* os) {
    *os << c.name;
}

class RequireCodes : public ::testing::TestWithParam<RequireCase> {};

TEST_P(RequireCodes, ThrowsOnlyOnAFailureNamingItAndTheCall) {
    const RequireCase& c = GetParam();
    const int line = __LINE__ + 2;
    try {
        Require(c.code);
        EXPECT_STREQ(c.shown, "") << "nothing was thrown";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()), std::string(__FILE__) + ":" + std::to_string(line) +
                                                 ": an engine call failed with " + c.shown);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Codes, RequireCodes,
    ::testing::Values(RequireCase{"Success", D3DRM_OK, ""},
                      RequireCase{"PositiveIsSuccessToo", 1, ""},
                      RequireCase{"BadValue", D3DRMERR_BADVALUE, "D3DRMERR_BADVALUE"},
                      RequireCase{"GeneralFailure", DDERR_GENERIC, "DDERR_GENERIC"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace qor::test
