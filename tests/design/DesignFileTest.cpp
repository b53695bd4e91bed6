// The design file: the round trip, the layout the writer makes, what the reader tolerates, and
// every fault by its reason and line.
#include "design/DesignFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <locale>
#include <string>
#include <variant>

namespace {

using qor::Design;
using qor::DesignError;
using qor::DesignErrorReason;
using qor::LinkDrive;
using qor::MechanismDesign;

// The writer's text of the default design; its lines are numbered as in ValidText's comments.
std::string ValidText() {
    return qor::WriteDesign(Design{});
}

// `text` with the first occurrence of `from` replaced by `to`.
std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// The same in the second mechanism's section.
std::string ReplacedInMechanism2(const std::string& text, const std::string& from,
                                 const std::string& to) {
    const std::size_t section = text.find("[Mechanism2]");
    return text.substr(0, section) + Replaced(text.substr(section), from, to);
}

Design ReadOk(const std::string& text) {
    const qor::DesignOrError read = qor::ReadDesign(text);
    if (const auto* error = std::get_if<DesignError>(&read)) {
        ADD_FAILURE() << "refused at line " << error->Line << ": reason "
                      << static_cast<int>(error->Reason) << ", text '" << error->Text << "'";
        return Design{};
    }
    return std::get<Design>(read);
}

DesignError ReadFault(const std::string& text) {
    const qor::DesignOrError read = qor::ReadDesign(text);
    EXPECT_TRUE(std::holds_alternative<DesignError>(read)) << text;
    const auto* error = std::get_if<DesignError>(&read);
    return error != nullptr ? *error : DesignError{};
}

MechanismDesign Mechanism(double a, double b, int L1, int L23, int L4, double v1, double v4,
                          double fi0, double gamma0, LinkDrive link1, LinkDrive link4) {
    return MechanismDesign{a, b, L1, L23, L23, L4, v1, v4, fi0, gamma0, link1, link4};
}

TEST(WriteDesign, WritesTheDefaultDesignInTheFileLayout) {
    EXPECT_EQ(ValidText(), "# QOR design\n"
                           "[QOR]\n"
                           "format=1\n"
                           "\n"
                           "[Mechanism1]\n" // line 5
                           "a=3\n"
                           "b=0\n"
                           "L1=3\n"
                           "L2=6\n" // line 9
                           "L3=6\n"
                           "L4=3\n"
                           "Velocity1=1\n"
                           "Velocity4=1\n"
                           "fi0=0\n"
                           "gamma0=0\n"
                           "Link1=off\n"
                           "Link4=off\n"
                           "\n"
                           "[Mechanism2]\n" // line 19
                           "a=3\n"
                           "b=0\n"
                           "L1=3\n"
                           "L2=6\n"
                           "L3=6\n" // line 24
                           "L4=3\n"
                           "Velocity1=1\n"
                           "Velocity4=1\n"
                           "fi0=0\n"
                           "gamma0=0\n"
                           "Link1=off\n"
                           "Link4=off\n");
}

struct RoundTripCase {
    const char* name;
    Design design;
};

TEST(WriteDesign, ReadsBackAsTheSameDesign) {
    const double third = 1.0 / 3.0;
    const RoundTripCase cases[] = {
        {"defaults", Design{}},
        {"drives",
         Design{{Mechanism(3, 0, 3, 6, 3, 1, 1, 0, 0, LinkDrive::Plus, LinkDrive::Off),
                 Mechanism(3, 0, 3, 6, 3, 1, 1, 0, 0, LinkDrive::Minus, LinkDrive::Plus)}}},
        {"negative and fractional values",
         Design{{Mechanism(-2.5, -0.125, -1, 5, 2, -0.7, 2.25, -90.5, 1e-7, LinkDrive::Minus,
                           LinkDrive::Minus),
                 Mechanism(third, -third, 1, 4, 1, 0.1 + 0.2, -359.99, 720, -1e300, LinkDrive::Off,
                           LinkDrive::Plus)}}},
        {"extremes of a double",
         Design{{Mechanism(std::numeric_limits<double>::denorm_min(), 0, 0, 5, 0,
                           std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(),
                           std::numeric_limits<double>::min(), std::nextafter(30.0, 31.0),
                           LinkDrive::Plus, LinkDrive::Minus),
                 Mechanism(3, 4, 1, 4, 2, 1, 1, 0, 0, LinkDrive::Off, LinkDrive::Off)}}},
        {"long links", Design{{Mechanism(0, 0, 1000000, 2000000, 1000000, 1, 1, 0, 0,
                                         LinkDrive::Off, LinkDrive::Off),
                               Mechanism(0, 0, -2147483647, 2147483647, 0, 1, 1, 0, 0,
                                         LinkDrive::Off, LinkDrive::Off)}}},
    };
    for (const RoundTripCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string text = qor::WriteDesign(c.design);
        EXPECT_EQ(ReadOk(text), c.design) << text;
        EXPECT_EQ(qor::WriteDesign(ReadOk(text)), text);
    }
}

TEST(WriteDesign, WritesNumbersWithAPointWhateverTheLocale) {
    struct CommaDecimals : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
        std::string do_grouping() const override { return "\3"; }
    };
    const std::locale previous = std::locale::global(std::locale(std::locale(), new CommaDecimals));
    Design design;
    design.Mechanisms[0].a = 2.5;
    design.Mechanisms[1].Velocity4 = 1234.5;
    const std::string text = qor::WriteDesign(design);
    const qor::DesignOrError read = qor::ReadDesign(text);
    std::locale::global(previous);
    EXPECT_NE(text.find("\na=2.5\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nVelocity4=1234.5\n"), std::string::npos) << text;
    ASSERT_TRUE(std::holds_alternative<Design>(read));
    EXPECT_EQ(std::get<Design>(read), design);
}

TEST(ReadDesign, TakesWhatAPersonWritesByHand) {
    // The issue's own example: comments of both kinds, blanks, CRLF, a byte order mark, unknown
    // keys and sections, keys in another order, a missing Link key, "+" signs, exponents.
    const std::string text = "\xEF\xBB\xBF; written by hand\r\n"
                             "[QOR]\r\n"
                             "  format = 1  \r\n"
                             "author = a teacher\r\n"
                             "\r\n"
                             "[Colours]\r\n"
                             "a = red\r\n"
                             "\t# a comment after blanks\r\n"
                             "[ Mechanism2 ]\r\n"
                             "Link4=-\r\n"
                             "gamma0 = -45\r\n"
                             "fi0=+30.5\r\n"
                             "Velocity4=.5\r\n"
                             "Velocity1=2.\r\n"
                             "L4=2\r\n"
                             "L3=5\r\n"
                             "L2=5\r\n"
                             "L1=2.0e0\r\n"
                             "b=1e-1\r\n"
                             "a=-1.5\r\n"
                             "colour=blue\r\n"
                             "\r\n"
                             "[Mechanism1]\n"
                             "a=3\n"
                             "b=0\n"
                             "L1=3\n"
                             "L2=6\n"
                             "L3=6\n"
                             "L4=3\n"
                             "Velocity1=1\n"
                             "Velocity4=1\n"
                             "fi0=0\n"
                             "gamma0=0\n"
                             "Link1=+";
    const Design expected{
        {Mechanism(3, 0, 3, 6, 3, 1, 1, 0, 0, LinkDrive::Plus, LinkDrive::Off),
         Mechanism(-1.5, 0.1, 2, 5, 2, 2, 0.5, 30.5, -45, LinkDrive::Off, LinkDrive::Minus)}};
    EXPECT_EQ(ReadOk(text), expected);
}

TEST(ReadDesign, AcceptsExactlyTheLinkagesTheDialogAccepts) {
    struct Case {
        const char* name;
        const char* a;
        const char* b;
        const char* L1;
        const char* L23;
        const char* L4;
        bool accepted;
    };
    const Case cases[] = {
        {"the defaults: 9 against 12", "3", "0", "3", "6", "3", true},
        {"equality of the sum passes: 8 against 8", "3", "4", "1", "4", "2", true},
        {"one more fails", "3", "4", "2", "4", "2", false},
        {"a negative driven link counts with its magnitude", "3", "4", "-2", "4", "2", false},
        {"a negative pivot offset", "-3", "-4", "1", "4", "2", true},
        {"couplers of length 0", "0", "0", "0", "0", "0", false},
        {"negative couplers", "0", "0", "0", "-5", "0", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string text = ValidText();
        text = ReplacedInMechanism2(text, "a=3", std::string("a=") + c.a);
        text = ReplacedInMechanism2(text, "b=0", std::string("b=") + c.b);
        text = ReplacedInMechanism2(text, "L1=3", std::string("L1=") + c.L1);
        text = ReplacedInMechanism2(text, "L2=6", std::string("L2=") + c.L23);
        text = ReplacedInMechanism2(text, "L3=6", std::string("L3=") + c.L23);
        text = ReplacedInMechanism2(text, "L4=3", std::string("L4=") + c.L4);
        const qor::DesignOrError read = qor::ReadDesign(text);
        if (c.accepted) {
            EXPECT_TRUE(std::holds_alternative<Design>(read));
        } else {
            EXPECT_EQ(ReadFault(text),
                      (DesignError{DesignErrorReason::DoesNotClose, 19, "Mechanism2", "", ""}));
        }
    }
}

struct FaultCase {
    const char* name;
    std::string text;
    DesignError expected;
};

TEST(ReadDesign, RefusesEachFaultWithItsReasonAndLine) {
    using R = DesignErrorReason;
    const std::string valid = ValidText();
    const std::string longLine = "[QOR]\nformat=1\n" + std::string(qor::MaxDesignTextSize, '#');
    const FaultCase cases[] = {
        {"no text", "", {R::Empty, 0, "", "", ""}},
        {"blanks only", " \r\n\t\n", {R::Empty, 0, "", "", ""}},
        {"longer than 1 MiB", longLine, {R::TooLarge, 0, "", "", ""}},
        {"a NUL byte",
         Replaced(valid, "b=0", std::string("b=0\0", 4)),
         {R::BinaryData, 7, "", "", ""}},
        {"a control character",
         Replaced(valid, "L4=3", "L4=\x01"),
         {R::BinaryData, 11, "", "", ""}},
        {"Latin-1 instead of UTF-8",
         Replaced(valid, "# QOR design", "# QOR \xE9t\xE9"),
         {R::NotUtf8, 1, "", "", ""}},
        {"a UTF-8 sequence cut short", valid + "\n\xD0", {R::NotUtf8, 33, "", "", ""}},
        {"a line without =",
         Replaced(valid, "fi0=0", "fi0 0"),
         {R::NotKeyValue, 14, "Mechanism1", "", "fi0 0"}},
        {"an empty key",
         Replaced(valid, "fi0=0", " = 0"),
         {R::NotKeyValue, 14, "Mechanism1", "", "= 0"}},
        {"an unclosed section header",
         Replaced(valid, "[Mechanism1]", "[Mechanism1"),
         {R::NotKeyValue, 5, "", "", "[Mechanism1"}},
        {"a repeated section",
         valid + "[Mechanism1]\nLink1=+\n",
         {R::RepeatedSection, 32, "Mechanism1", "", "[Mechanism1]"}},
        {"a repeated key",
         Replaced(valid, "L3=6", "L3=6\nL2=6"),
         {R::RepeatedKey, 11, "Mechanism1", "L2", "6"}},
        {"a repeated format",
         Replaced(valid, "format=1", "format=1\nformat=1"),
         {R::RepeatedKey, 4, "QOR", "format", "1"}},
        {"not a number",
         Replaced(valid, "b=0", "b=abc"),
         {R::NotANumber, 7, "Mechanism1", "b", "abc"}},
        {"a decimal comma",
         Replaced(valid, "Velocity1=1", "Velocity1=1,5"),
         {R::NotANumber, 12, "Mechanism1", "Velocity1", "1,5"}},
        {"an empty value",
         ReplacedInMechanism2(valid, "gamma0=0", "gamma0="),
         {R::NotANumber, 29, "Mechanism2", "gamma0", ""}},
        {"two signs",
         Replaced(valid, "a=3", "a=+-3"),
         {R::NotANumber, 6, "Mechanism1", "a", "+-3"}},
        {"a hexadecimal number",
         Replaced(valid, "a=3", "a=0x3"),
         {R::NotANumber, 6, "Mechanism1", "a", "0x3"}},
        {"too small to tell from zero",
         Replaced(valid, "b=0", "b=1e-999"),
         {R::NotANumber, 7, "Mechanism1", "b", "1e-999"}},
        {"infinity",
         Replaced(valid, "fi0=0", "fi0=inf"),
         {R::NotFinite, 14, "Mechanism1", "fi0", "inf"}},
        {"NaN",
         Replaced(valid, "Velocity4=1", "Velocity4=nan"),
         {R::NotFinite, 13, "Mechanism1", "Velocity4", "nan"}},
        {"beyond a double",
         Replaced(valid, "gamma0=0", "gamma0=1e999"),
         {R::NotFinite, 15, "Mechanism1", "gamma0", "1e999"}},
        {"beyond a long double",
         Replaced(valid, "gamma0=0", "gamma0=-1e99999"),
         {R::NotFinite, 15, "Mechanism1", "gamma0", "-1e99999"}},
        {"a length with a fraction",
         Replaced(valid, "L1=3", "L1=2.5"),
         {R::NotWholeNumber, 8, "Mechanism1", "L1", "2.5"}},
        {"a length beyond 32 bits",
         ReplacedInMechanism2(valid, "L4=3", "L4=2147483648"),
         {R::LengthOutOfRange, 25, "Mechanism2", "L4", "2147483648"}},
        {"an unknown drive",
         Replaced(valid, "Link1=off", "Link1=on"),
         {R::BadDrive, 16, "Mechanism1", "Link1", "on"}},
        {"a drive in capitals",
         ReplacedInMechanism2(valid, "Link4=off", "Link4=OFF"),
         {R::BadDrive, 31, "Mechanism2", "Link4", "OFF"}},
        {"format 0",
         Replaced(valid, "format=1", "format=0"),
         {R::BadFormat, 3, "QOR", "format", "0"}},
        {"a format that is not a number",
         Replaced(valid, "format=1", "format=one"),
         {R::BadFormat, 3, "QOR", "format", "one"}},
        {"a newer format",
         Replaced(valid, "format=1", "format=2"),
         {R::NewerFormat, 3, "QOR", "format", "2"}},
        {"a newer format beyond 32 bits",
         Replaced(valid, "format=1", "format=99999999999"),
         {R::NewerFormat, 3, "QOR", "format", "99999999999"}},
        {"a newer format wins over faults before and after it",
         "garbage\n[QOR]\nformat=7\n[Mechanism1]\na=x\n",
         {R::NewerFormat, 3, "QOR", "format", "7"}},
        {"comments only", "# nothing\n; here\n", {R::MissingSection, 0, "QOR", "", ""}},
        {"no [QOR] section",
         Replaced(valid, "[QOR]", "[QOR2]"),
         {R::MissingSection, 0, "QOR", "", ""}},
        {"a section name in other case",
         Replaced(valid, "[Mechanism1]", "[mechanism1]"),
         {R::MissingSection, 0, "Mechanism1", "", ""}},
        {"no second mechanism",
         valid.substr(0, valid.find("[Mechanism2]")),
         {R::MissingSection, 0, "Mechanism2", "", ""}},
        {"no format",
         Replaced(valid, "format=1", "version=1"),
         {R::MissingKey, 2, "QOR", "format", ""}},
        {"a missing key",
         ReplacedInMechanism2(valid, "Velocity4=1", ""),
         {R::MissingKey, 19, "Mechanism2", "Velocity4", ""}},
        {"a key in other case",
         Replaced(valid, "L3=6", "l3=6"),
         {R::MissingKey, 5, "Mechanism1", "L3", ""}},
        {"L2 differs from L3",
         ReplacedInMechanism2(valid, "L3=6", "L3=7"),
         {R::CouplersDiffer, 24, "Mechanism2", "L3", ""}},
        {"L2 differs from L3, L2 written last",
         Replaced(valid, "L2=6\nL3=6", "L3=6\nL2=5"),
         {R::CouplersDiffer, 10, "Mechanism1", "L2", ""}},
        {"the first fault of the lines wins",
         Replaced(Replaced(valid, "L1=3", "L1=x"), "a=3", "a"),
         {R::NotKeyValue, 6, "Mechanism1", "", "a"}},
        {"a fault of the lines wins over a missing key",
         Replaced(ReplacedInMechanism2(valid, "b=0", "b=?"), "a=3\n", ""),
         {R::NotANumber, 20, "Mechanism2", "b", "?"}},
        {"mechanism 1 is checked before mechanism 2",
         ReplacedInMechanism2(Replaced(valid, "L1=3", "L1=7"), "L3=6", "L3=1"),
         {R::DoesNotClose, 5, "Mechanism1", "", ""}},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReadFault(c.text), c.expected);
    }
}

TEST(ReadDesign, ReadsATextOfTheLargestSize) {
    std::string text = ValidText() + "#";
    text += std::string(qor::MaxDesignTextSize - text.size(), '.');
    ASSERT_EQ(text.size(), qor::MaxDesignTextSize);
    EXPECT_EQ(ReadOk(text), Design{});
}

} // namespace
