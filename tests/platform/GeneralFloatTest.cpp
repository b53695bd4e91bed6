// The general format with 15 significant digits used for real values in the settings file.
#include "platform/GeneralFloat.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>
#include <string>

namespace {

struct FloatCase {
    const char* name;
    float value;
    const char* text;
};

using limits = std::numeric_limits<float>;

const FloatCase floatCases[] = {
    {"FrontClipShowsTheWidenedSingle", 0.1f, "0.100000001490116"},
    {"BackClipIsWhole", 5000.0f, "5000"},
    {"FieldIsWhole", 14.0f, "14"},
    {"NegativeHalf", -0.5f, "-0.5"},
    {"One", 1.0f, "1"},
    {"Zero", 0.0f, "0"},
    {"NegativeZeroHasNoSign", -0.0f, "0"},
    {"FractionShorterThanFifteenDigits", 123456.789f, "123456.7890625"},
    {"LargestExactInteger", 16777216.0f, "16777216"},
    {"RoundingCarriesThroughNinesAndDropsZeros", 1.0000354051589966f, "1.000035405159"},
    {"HalfRoundsAwayFromZero", 2.384185791015625e-07f, "2.38418579101563E-7"},
    {"NegativeHalfRoundsAwayFromZero", -0.0004291534423828125f, "-0.000429153442382813"},
    {"JustAboveOneHundredThousandthIsFixed", 1.0000000656873453e-05f, "0.0000100000006568735"},
    {"SingleNearestOneHundredThousandthLiesBelowIt", 1e-5f, "9.99999974737875E-6"},
    {"FifteenWholeDigitsStayFixed", 1e15f, "999999986991104"},
    {"SixteenWholeDigitsTurnScientific", 1.000000054099968e15f, "1.00000005409997E15"},
    {"PowerOfTwoWithSixteenDigits", 1125899906842624.0f, "1.12589990684262E15"},
    {"LargeMagnitudeTurnsScientific", 1e20f, "1.00000002004088E20"},
    {"ScientificDropsTrailingZeros", 1.073741824e19f, "1.073741824E19"},
    {"ExactPowerOfTwoScientific", 0x1p-20f, "9.5367431640625E-7"},
    {"Largest", limits::max(), "3.40282346638529E38"},
    {"NegativeLargest", -limits::max(), "-3.40282346638529E38"},
    {"SmallestNormal", limits::min(), "1.17549435082229E-38"},
    {"SmallestSubnormal", limits::denorm_min(), "1.40129846432482E-45"},
    {"Infinity", limits::infinity(), "INF"},
    {"NegativeInfinity", -limits::infinity(), "-INF"},
    {"NotANumber", limits::quiet_NaN(), "NAN"},
};

class GeneralFloat : public testing::TestWithParam<FloatCase> {};

TEST_P(GeneralFloat, WritesTheSettingsText) {
    EXPECT_EQ(qor::GeneralFloatText(GetParam().value).toStdString(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, GeneralFloat, testing::ValuesIn(floatCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GeneralFloatRounding, IgnoresTheFloatingPointRoundingMode) {
    const int previous = std::fegetround();
    for (const int mode : {FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
        std::fesetround(mode);
        const std::string oneTenth = qor::GeneralFloatText(0.1f).toStdString();
        const std::string negative = qor::GeneralFloatText(-0.1f).toStdString();
        std::fesetround(previous);
        EXPECT_EQ(oneTenth, "0.100000001490116") << mode;
        EXPECT_EQ(negative, "-0.100000001490116") << mode;
    }
}

} // namespace
