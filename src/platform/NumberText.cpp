#include "platform/NumberText.h"

#include "platform/DecimalSeparator.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

namespace qor {
namespace {

bool IsDigit(QChar c) {
    return c >= QChar('0') && c <= QChar('9');
}

// Reads a run of ASCII digits at `pos` into `out`; returns how many there were.
int TakeDigits(const QString& text, qsizetype& pos, std::string& out) {
    int count = 0;
    while (pos < text.size() && IsDigit(text[pos])) {
        out += static_cast<char>(text[pos].unicode());
        ++pos;
        ++count;
    }
    return count;
}

// The sign "-" is kept, "+" dropped: std::from_chars reads no plus sign.
void TakeSign(const QString& text, qsizetype& pos, std::string& out) {
    if (pos < text.size() && (text[pos] == QChar('+') || text[pos] == QChar('-'))) {
        if (text[pos] == QChar('-')) {
            out += '-';
        }
        ++pos;
    }
}

// The text rewritten in the form std::from_chars reads ("-12.5e3"), or nothing when it is not a
// real number written with `separator`.
std::optional<std::string> CanonicalReal(const QString& typed, QChar separator) {
    const QString text = typed.trimmed();
    std::string out;
    qsizetype pos = 0;
    TakeSign(text, pos, out);
    int digits = TakeDigits(text, pos, out);
    if (pos < text.size() && text[pos] == separator) {
        out += '.';
        ++pos;
        digits += TakeDigits(text, pos, out);
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (pos < text.size() && (text[pos] == QChar('e') || text[pos] == QChar('E'))) {
        out += 'e';
        ++pos;
        TakeSign(text, pos, out);
        if (TakeDigits(text, pos, out) == 0) {
            return std::nullopt;
        }
    }
    if (pos != text.size()) {
        return std::nullopt;
    }
    return out;
}

std::optional<std::string> CanonicalInteger(const QString& typed) {
    const QString text = typed.trimmed();
    std::string out;
    qsizetype pos = 0;
    TakeSign(text, pos, out);
    if (TakeDigits(text, pos, out) == 0 || pos != text.size()) {
        return std::nullopt;
    }
    return out;
}

// The text as the error message shows it. A NUL would end the message early and a surrogate
// without its pair has no UTF-8 form: both show as U+FFFD, so the message stays whole.
QString Shown(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            shown += c;
            shown += text[++i];
        } else if (c.isNull() || c.isSurrogate()) {
            shown += QChar(QChar::ReplacementCharacter);
        } else {
            shown += c;
        }
    }
    return shown;
}

[[noreturn]] void ThrowNotValid(const QString& text, const char* what) {
    const QString message = QStringLiteral("'") + Shown(text) +
                            QStringLiteral("' is not a valid ") + QString::fromLatin1(what);
    throw ConversionError(message.toStdString());
}

} // namespace

double TextToReal(const QString& text) {
    const std::optional<std::string> canonical = CanonicalReal(text, DecimalSeparator());
    double value = 0.0;
    if (canonical) {
        const char* first = canonical->data();
        const char* last = first + canonical->size();
        const std::from_chars_result result = std::from_chars(first, last, value);
        if (result.ec == std::errc() && result.ptr == last) {
            return value;
        }
    }
    ThrowNotValid(text, "floating point value");
}

int TextToInteger(const QString& text) {
    const std::optional<std::string> canonical = CanonicalInteger(text);
    int value = 0;
    if (canonical) {
        const char* first = canonical->data();
        const char* last = first + canonical->size();
        const std::from_chars_result result = std::from_chars(first, last, value);
        if (result.ec == std::errc() && result.ptr == last) {
            return value;
        }
    }
    ThrowNotValid(text, "integer value");
}

QString RealToText(double value) {
    // Longer than any shortest round-trip double ("-2.2250738585072014e-308").
    std::array<char, 32> text{};
    const std::to_chars_result written =
        std::to_chars(text.data(), text.data() + text.size(), value);
    QString shown = QString::fromLatin1(text.data(), written.ptr - text.data());
    shown.replace(QLatin1Char('.'), DecimalSeparator());
    return shown;
}

QString RealToFixedText(double value) {
    return RealToFixedText(value, 10, DecimalSeparator());
}

QString RealToFixedText(double value, int precision, QChar separator) {
    if (std::isnan(value)) {
        return QStringLiteral("NAN");
    }
    if (std::isinf(value)) {
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    }
    precision = std::clamp(precision, 1, 17);

    // The significant digits of |value| rounded to `precision` digits, and the power of ten of
    // the first one: "%.*e" rounds the exact binary value correctly.
    char scientific[40];
    std::snprintf(scientific, sizeof scientific, "%.*e", precision - 1, std::fabs(value));
    std::string digits;
    const char* p = scientific;
    for (; *p != 'e'; ++p) {
        if (*p != '.') {
            digits += *p;
        }
    }
    const int exponent = std::atoi(p + 1);

    // Keep the digits down to the hundredths, rounding the rest half away from zero. What is
    // left is the value in hundredths.
    const int keep = exponent + 3;
    bool roundUp = false;
    if (keep < 0) {
        digits.clear();
    } else if (keep < static_cast<int>(digits.size())) {
        roundUp = digits[static_cast<std::size_t>(keep)] >= '5';
        digits.resize(static_cast<std::size_t>(keep));
    } else {
        digits.append(static_cast<std::size_t>(keep) - digits.size(), '0');
    }
    if (roundUp) {
        auto it = digits.rbegin();
        for (; it != digits.rend() && *it == '9'; ++it) {
            *it = '0';
        }
        if (it == digits.rend()) {
            digits.insert(digits.begin(), '1');
        } else {
            ++*it;
        }
    }
    if (digits.size() < 3) {
        digits.insert(0, 3 - digits.size(), '0');
    }

    const bool negative = value < 0 && digits.find_first_not_of('0') != std::string::npos;
    const std::size_t point = digits.size() - 2;
    QString text = negative ? QStringLiteral("-") : QString();
    text += QString::fromLatin1(digits.data(), static_cast<qsizetype>(point));
    text += separator;
    text += QString::fromLatin1(digits.data() + point, 2);
    return text;
}

} // namespace qor
