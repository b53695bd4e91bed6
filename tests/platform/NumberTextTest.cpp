// Typed text to numbers and numbers to read-out text, under both decimal separators.
#include "platform/NumberText.h"
#include "platform/DecimalSeparator.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <ostream>
#include <string>

namespace {

using qor::ConversionError;

// Sets the process-wide separator for one test and puts the previous one back.
class SeparatorScope {
public:
    explicit SeparatorScope(QChar separator) : previous_(qor::DecimalSeparator()) {
        qor::SetDecimalSeparator(separator);
    }
    ~SeparatorScope() { qor::SetDecimalSeparator(previous_); }
    SeparatorScope(const SeparatorScope&) = delete;
    SeparatorScope& operator=(const SeparatorScope&) = delete;

private:
    QChar previous_;
};

std::string ErrorOf(const std::function<void()>& convert) {
    try {
        convert();
    } catch (const ConversionError& error) {
        return error.what();
    }
    return "no error";
}

struct RealCase {
    const char* name;
    char separator;
    const char* text;
    std::optional<double> value; // none: not a number
};

void PrintTo(const RealCase& c, std::ostream* os) {
    *os << c.name;
}

const RealCase realCases[] = {
    {"WholeNumber", ',', "3", 3.0},
    {"CommaFractionUnderComma", ',', "1,5", 1.5},
    {"PeriodRejectedUnderComma", ',', "1.5", std::nullopt},
    {"PeriodFractionUnderPeriod", '.', "1.5", 1.5},
    {"CommaRejectedUnderPeriod", '.', "1,5", std::nullopt},
    {"SurroundingBlanksIgnored", ',', "  -2,25\t", -2.25},
    {"PlusSign", '.', "+7", 7.0},
    {"NegativeZero", '.', "-0", -0.0},
    {"Exponent", '.', "1.5e3", 1500.0},
    {"UpperExponentWithSign", ',', "25E-1", 2.5},
    {"NoIntegerDigits", ',', ",5", 0.5},
    {"NoFractionDigits", '.', "5.", 5.0},
    {"Empty", ',', "", std::nullopt},
    {"BlanksOnly", ',', "   ", std::nullopt},
    {"SeparatorAlone", ',', ",", std::nullopt},
    {"SignAlone", '.', "-", std::nullopt},
    {"TwoSigns", '.', "+-1", std::nullopt},
    {"BlankInside", ',', "1 000", std::nullopt},
    {"ThousandsSeparator", '.', "1,000.5", std::nullopt},
    {"TwoSeparators", '.', "1.2.3", std::nullopt},
    {"ExponentWithoutDigits", '.', "1e", std::nullopt},
    {"ExponentAlone", '.', "e5", std::nullopt},
    {"TrailingLetter", ',', "3a", std::nullopt},
    {"Infinity", '.', "inf", std::nullopt},
    {"NotANumber", '.', "nan", std::nullopt},
    {"Hexadecimal", '.', "0x10", std::nullopt},
    {"BeyondDoubleRange", '.', "1e400", std::nullopt},
    {"TooSmallToTellFromZero", '.', "1e-400", std::nullopt},
    {"LargestDouble", '.', "1.7976931348623157e308", std::numeric_limits<double>::max()},
    {"NonAsciiDigits", '.', "\u0661\u0662", std::nullopt},
};

class TextToRealTest : public testing::TestWithParam<RealCase> {};

TEST_P(TextToRealTest, ConvertsOrRaisesTheToolkitError) {
    const RealCase& c = GetParam();
    const SeparatorScope scope{QChar(c.separator)};
    const QString text = QString::fromUtf8(c.text);
    if (c.value) {
        const double value = qor::TextToReal(text);
        EXPECT_EQ(value, *c.value);
        EXPECT_EQ(std::signbit(value), std::signbit(*c.value));
    } else {
        EXPECT_EQ(ErrorOf([&] { qor::TextToReal(text); }),
                  "'" + std::string(c.text) + "' is not a valid floating point value");
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, TextToRealTest, testing::ValuesIn(realCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct IntegerCase {
    const char* name;
    const char* text;
    std::optional<int> value;
};

void PrintTo(const IntegerCase& c, std::ostream* os) {
    *os << c.name;
}

const IntegerCase integerCases[] = {
    {"ListItem", "10", 10},
    {"SurroundingBlanksIgnored", " 6\t", 6},
    {"Negative", "-3", -3},
    {"PlusSign", "+4", 4},
    {"LeadingZeros", "007", 7},
    {"LargestInt32", "2147483647", 2147483647},
    {"SmallestInt32", "-2147483648", -2147483647 - 1},
    {"AboveInt32", "2147483648", std::nullopt},
    {"BelowInt32", "-2147483649", std::nullopt},
    {"PeriodFraction", "3.5", std::nullopt},
    {"CommaFraction", "3,0", std::nullopt},
    {"Exponent", "1e1", std::nullopt},
    {"Empty", "", std::nullopt},
    {"BlanksOnly", "  ", std::nullopt},
    {"SignAlone", "+", std::nullopt},
    {"Hexadecimal", "0x1F", std::nullopt},
    {"PascalHexadecimal", "$1F", std::nullopt},
    {"Word", "шесть", std::nullopt},
};

class TextToIntegerTest : public testing::TestWithParam<IntegerCase> {};

TEST_P(TextToIntegerTest, ConvertsOrRaisesTheToolkitError) {
    const IntegerCase& c = GetParam();
    const QString text = QString::fromUtf8(c.text);
    if (c.value) {
        EXPECT_EQ(qor::TextToInteger(text), *c.value);
    } else {
        EXPECT_EQ(ErrorOf([&] { qor::TextToInteger(text); }),
                  "'" + std::string(c.text) + "' is not a valid integer value");
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, TextToIntegerTest, testing::ValuesIn(integerCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ConversionErrorText, IsTheToolkitTextInUtf8) {
    const SeparatorScope scope{QChar(',')};
    EXPECT_STREQ(ErrorOf([] { qor::TextToReal(QStringLiteral("два")); }).c_str(),
                 "'два' is not a valid floating point value");
    EXPECT_STREQ(ErrorOf([] { qor::TextToInteger(QStringLiteral("abc")); }).c_str(),
                 "'abc' is not a valid integer value");
}

// A NUL would end the message early, and a lone surrogate has no UTF-8 form.
TEST(ConversionErrorText, ShowsNulAndLoneSurrogatesAsReplacementCharacters) {
    const SeparatorScope scope{QChar('.')};
    QString text = QStringLiteral("1");
    text += QChar(u'\0');
    text += QStringLiteral("2");
    text += QChar(0xD800);
    EXPECT_EQ(ErrorOf([&] { qor::TextToReal(text); }),
              "'1\uFFFD2\uFFFD' is not a valid floating point value");
    EXPECT_EQ(ErrorOf([&] { qor::TextToInteger(text); }),
              "'1\uFFFD2\uFFFD' is not a valid integer value");
    const QString pair = QString::fromUtf8("\xF0\x9F\x98\x80");
    EXPECT_EQ(ErrorOf([&] { qor::TextToInteger(pair); }),
              "'\xF0\x9F\x98\x80' is not a valid integer value")
        << "a whole surrogate pair shows as its character";
}

struct FixedCase {
    const char* name;
    double value;
    int precision;
    char separator;
    const char* text;
};

const double inf = std::numeric_limits<double>::infinity();

void PrintTo(const FixedCase& c, std::ostream* os) {
    *os << c.name;
}

const FixedCase fixedCases[] = {
    {"TwoDecimals", 4.5, 10, ',', "4,50"},
    {"RoundsToTwoDecimals", -5.80947501931113, 10, ',', "-5,81"},
    {"PeriodSeparator", 4.5, 10, '.', "4.50"},
    {"Zero", 0.0, 10, ',', "0,00"},
    {"NegativeZeroHasNoSign", -0.0, 10, ',', "0,00"},
    {"NegativeRoundingToZeroHasNoSign", -0.004, 10, ',', "0,00"},
    {"HalfRoundsAwayFromZero", 0.125, 10, ',', "0,13"},
    {"NegativeHalfRoundsAwayFromZero", -0.005, 10, ',', "-0,01"},
    {"TenDigitsFirstThenTwoDecimals", 1.00499999999, 10, ',', "1,01"},
    {"FifteenDigitsKeepTheSmallerValue", 1.00499999999, 15, ',', "1,00"},
    {"CarryIntoANewDigit", 999.995, 10, ',', "1000,00"},
    {"NearlyFullTurn", 179.99999999, 10, ',', "180,00"},
    {"MoreThanTenDigitsStayFixed", 12345678901.0, 10, ',', "12345678900,00"},
    {"HugeValueStaysFixed", 1e20, 10, '.', "100000000000000000000.00"},
    {"TinyValue", 1e-300, 10, '.', "0.00"},
    {"SettingsField", 14.0, 15, '.', "14.00"},
    {"SettingsFrontDistance", 0.1, 15, '.', "0.10"},
    {"SettingsSumOfTenths", 0.1 + 0.2, 15, '.', "0.30"},
    {"SettingsBackDistance", 5000.0, 15, '.', "5000.00"},
    {"NotANumber", std::numeric_limits<double>::quiet_NaN(), 10, ',', "NAN"},
    {"PositiveInfinity", inf, 10, ',', "INF"},
    {"NegativeInfinity", -inf, 10, ',', "-INF"},
};

class RealToFixedTextTest : public testing::TestWithParam<FixedCase> {};

TEST_P(RealToFixedTextTest, FormatsInFixedNotation) {
    const FixedCase& c = GetParam();
    EXPECT_EQ(qor::RealToFixedText(c.value, c.precision, QChar(c.separator)).toStdString(), c.text);
}

INSTANTIATE_TEST_SUITE_P(Cases, RealToFixedTextTest, testing::ValuesIn(fixedCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReadOutText, UsesTheCurrentSeparatorAndTenDigits) {
    {
        const SeparatorScope scope{QChar(',')};
        EXPECT_EQ(qor::RealToFixedText(4.5), QStringLiteral("4,50"));
        EXPECT_EQ(qor::RealToFixedText(1.00499999999), QStringLiteral("1,01"));
    }
    const SeparatorScope scope{QChar('.')};
    EXPECT_EQ(qor::RealToFixedText(-0.0), QStringLiteral("0.00"));
}

TEST(ReadOutText, ReadsBackUnderTheSameSeparator) {
    const SeparatorScope scope{QChar(',')};
    for (const double value : {0.0, 4.5, -5.81, 123456.78, -0.01}) {
        EXPECT_EQ(qor::TextToReal(qor::RealToFixedText(value)), value);
    }
}

// An entry filled by the program reads back as the very value it was filled with, under either
// separator, including values that only an exponent writes shortly.
TEST(EntryText, IsShortAndReadsBackExactly) {
    for (const QChar separator : {QChar(','), QChar('.')}) {
        const SeparatorScope scope{separator};
        for (const double value :
             {0.1, -2.5e-7, 1e21, 30.000000000000004, -0.0, std::numeric_limits<double>::max(),
              std::numeric_limits<double>::min()}) {
            const double back = qor::TextToReal(qor::RealToText(value));
            EXPECT_EQ(back, value) << qor::RealToText(value).toStdString();
            EXPECT_EQ(std::signbit(back), std::signbit(value));
        }
        EXPECT_EQ(qor::RealToText(0.5),
                  QString(QStringLiteral("0") + separator + QStringLiteral("5")));
    }
}

struct LocaleCase {
    const char* name;
    const char* locale;
    char separator;
};

void PrintTo(const LocaleCase& c, std::ostream* os) {
    *os << c.name;
}

const LocaleCase localeCases[] = {
    {"Russian", "ru_RU", ','},         {"Ukrainian", "uk_UA", ','}, {"German", "de_DE", ','},
    {"AmericanEnglish", "en_US", '.'}, {"CLocale", "C", '.'},
};

class DecimalSeparatorOfTest : public testing::TestWithParam<LocaleCase> {};

TEST_P(DecimalSeparatorOfTest, IsTheLocalesOwn) {
    const LocaleCase& c = GetParam();
    EXPECT_EQ(qor::DecimalSeparatorOf(QLocale(QString::fromLatin1(c.locale))), QChar(c.separator));
}

INSTANTIATE_TEST_SUITE_P(Cases, DecimalSeparatorOfTest, testing::ValuesIn(localeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DecimalSeparator, ChangesStayUntilTheNextChange) {
    const SeparatorScope scope{QChar(',')};
    qor::SetDecimalSeparator(QChar('.'));
    EXPECT_EQ(qor::DecimalSeparator(), QChar('.'));
    EXPECT_EQ(qor::TextToReal(QStringLiteral("0.25")), 0.25);
    EXPECT_EQ(qor::RealToFixedText(0.25), QStringLiteral("0.25"));
}

} // namespace
