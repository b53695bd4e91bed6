// Rounding a single-precision value to 15 significant digits and writing it as the general format.
#include "platform/GeneralFloat.h"

#include <charconv>
#include <cmath>
#include <string>

namespace qor {
namespace {

constexpr int significantDigits = 15;

// Every float is a dyadic fraction whose decimal expansion ends within 112 significant digits, so
// this many digits after the first one are exact and the rounding below sees the true value.
constexpr int exactDigits = 120;

struct Decimal {
    std::string digits; // significant digits, no leading or trailing zeros
    int exponent;       // power of ten of the first digit
};

// The positive, finite, non-zero value rounded to 15 significant digits. Rounding here, on exact
// digits, keeps the result independent of the floating-point rounding mode.
Decimal Rounded(double magnitude) {
    char text[exactDigits + 16];
    const auto written = std::to_chars(text, text + sizeof text, magnitude,
                                       std::chars_format::scientific, exactDigits);
    // written.ptr points past "d.ddd...e±xx".
    const std::string scientific(text, written.ptr);
    const std::size_t e = scientific.find('e');
    std::string digits = scientific.substr(0, 1) + scientific.substr(2, e - 2);
    int exponent = std::stoi(scientific.substr(e + 1));

    const bool up = digits[significantDigits] >= '5';
    digits.resize(significantDigits);
    if (up) {
        int i = significantDigits - 1;
        while (i >= 0 && digits[i] == '9')
            digits[i--] = '0';
        if (i >= 0) {
            ++digits[i];
        } else {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++exponent;
        }
    }
    digits.erase(digits.find_last_not_of('0') + 1);
    return {digits, exponent};
}

std::string FixedText(const Decimal& d) {
    const int count = static_cast<int>(d.digits.size());
    if (d.exponent < 0)
        return "0." + std::string(-d.exponent - 1, '0') + d.digits;
    const int whole = d.exponent + 1;
    if (count <= whole)
        return d.digits + std::string(whole - count, '0');
    return d.digits.substr(0, whole) + "." + d.digits.substr(whole);
}

std::string ScientificText(const Decimal& d) {
    std::string text = d.digits.substr(0, 1);
    if (d.digits.size() > 1)
        text += "." + d.digits.substr(1);
    return text + "E" + std::to_string(d.exponent);
}

} // namespace

QString GeneralFloatText(float value) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (value == 0)
        return QStringLiteral("0");

    // Widening to double is exact, as widening to extended precision is.
    const Decimal d = Rounded(std::fabs(static_cast<double>(value)));
    const bool fixed = d.exponent >= -5 && d.exponent < significantDigits;
    const std::string text = (value < 0 ? "-" : "") + (fixed ? FixedText(d) : ScientificText(d));
    return QString::fromLatin1(text);
}

} // namespace qor
