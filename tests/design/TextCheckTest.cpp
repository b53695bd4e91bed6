// What counts as text in a design file: UTF-8 without binary bytes.
#include "design/TextCheck.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using qor::TextFault;

struct TextCase {
    const char* name;
    std::string bytes;
    std::optional<TextFault> fault;
    std::size_t offset;
};

TEST(FirstNonTextByte, FindsTheFirstByteThatIsNotText) {
    const TextCase cases[] = {
        {"ASCII with tab, CR and LF", "a=1\t\r\n", std::nullopt, 0},
        {"two, three and four bytes", "\xD1\x8F \xE2\x89\xA0 \xF0\x9F\x98\x80", std::nullopt, 0},
        {"the last code point", "\xF4\x8F\xBF\xBF", std::nullopt, 0},
        {"NUL", std::string("ab\0c", 4), TextFault::BinaryData, 2},
        {"a C0 control", "a\x1b[0m", TextFault::BinaryData, 1},
        {"DEL", "\x7f", TextFault::BinaryData, 0},
        {"a lone continuation byte", "ab\x80", TextFault::NotUtf8, 2},
        {"an overlong slash", "\xC0\xAF", TextFault::NotUtf8, 0},
        {"an overlong three-byte form", "\xE0\x80\xAF", TextFault::NotUtf8, 0},
        {"a surrogate", "x\xED\xA0\x80", TextFault::NotUtf8, 1},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", TextFault::NotUtf8, 0},
        {"a sequence cut short at the end", "ok\xE2\x82", TextFault::NotUtf8, 2},
        {"a sequence cut short by ASCII", "\xE2\x82x", TextFault::NotUtf8, 0},
        {"a byte never in UTF-8", "\xFF", TextFault::NotUtf8, 0},
        {"the first fault wins", std::string("\xFF\0", 2), TextFault::NotUtf8, 0},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto found = qor::FirstNonTextByte(c.bytes);
        ASSERT_EQ(found.has_value(), c.fault.has_value());
        if (found) {
            EXPECT_EQ(found->Fault, *c.fault);
            EXPECT_EQ(found->Offset, c.offset);
        }
    }
}

} // namespace
