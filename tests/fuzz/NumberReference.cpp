// The number rules, read character by character without Qt.
#include "NumberReference.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>

namespace qor::fuzz {
namespace {

// Unicode white space: the Separator categories and the control characters tab to carriage
// return and next line.
bool IsWhiteSpace(char16_t c) {
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

bool IsAsciiDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

std::u16string_view Trimmed(std::u16string_view text) {
    while (!text.empty() && IsWhiteSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsWhiteSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Moves the digits at the front of text into out; returns how many there were.
std::size_t TakeDigits(std::u16string_view& text, std::string& out) {
    std::size_t count = 0;
    while (!text.empty() && IsAsciiDigit(text.front())) {
        out += static_cast<char>(text.front());
        text.remove_prefix(1);
        ++count;
    }
    return count;
}

void TakeSign(std::u16string_view& text, std::string& out) {
    if (!text.empty() && (text.front() == u'+' || text.front() == u'-')) {
        out += static_cast<char>(text.front());
        text.remove_prefix(1);
    }
}

} // namespace

std::optional<double> ReferenceReal(std::u16string_view text, char16_t separator) {
    text = Trimmed(text);
    std::string c; // the number in the C locale's notation, for strtod
    TakeSign(text, c);
    std::string mantissa;
    std::size_t digits = TakeDigits(text, mantissa);
    if (!text.empty() && text.front() == separator) {
        text.remove_prefix(1);
        mantissa += '.';
        digits += TakeDigits(text, mantissa);
    }
    if (digits == 0) {
        return std::nullopt;
    }
    c += mantissa;
    if (!text.empty() && (text.front() == u'e' || text.front() == u'E')) {
        text.remove_prefix(1);
        c += 'e';
        TakeSign(text, c);
        if (TakeDigits(text, c) == 0) {
            return std::nullopt;
        }
    }
    if (!text.empty()) {
        return std::nullopt;
    }
    errno = 0;
    char* end = nullptr;
    const double value = std::strtod(c.c_str(), &end);
    if (end != c.c_str() + c.size()) {
        return std::nullopt;
    }
    // Too large: rounds to infinity. Too small to be told from zero: a mantissa with a digit
    // other than zero that rounds to zero. Subnormal values can still be told from zero.
    const bool zeroMantissa = mantissa.find_first_not_of("0.") == std::string::npos;
    if (std::isinf(value) || (value == 0 && !zeroMantissa)) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::int32_t> ReferenceInteger(std::u16string_view text) {
    text = Trimmed(text);
    std::string sign;
    TakeSign(text, sign);
    std::string digits;
    if (TakeDigits(text, digits) == 0 || !text.empty()) {
        return std::nullopt;
    }
    const std::size_t first = digits.find_first_not_of('0');
    digits = first == std::string::npos ? "0" : digits.substr(first);
    if (digits.size() > 10) {
        return std::nullopt;
    }
    std::int64_t magnitude = 0;
    for (const char d : digits) {
        magnitude = magnitude * 10 + (d - '0');
    }
    const std::int64_t value = sign == "-" ? -magnitude : magnitude;
    if (value < INT32_MIN || value > INT32_MAX) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

} // namespace qor::fuzz
