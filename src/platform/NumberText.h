// Conversions between typed text and numbers with the process-wide decimal separator, raising
// the toolkit's conversion error with its exact text when a text is not a number.
//
// What counts as a number:
// - leading and trailing white space is ignored; a text that is empty or white space only is not
//   a number;
// - an optional sign "+" or "-", then ASCII digits;
// - reals: digits with at most one decimal separator (the current one; "5" followed by the
//   separator and ",5"-style texts with no integer digits are accepted, the separator alone is
//   not), then an optional exponent "e" or "E" with an optional sign and at least one digit;
// - no thousands separators, no hexadecimal, no "inf" or "nan"; a real whose magnitude lies
//   beyond the range of a double (too large, or too small to be told from zero) is not a number;
// - integers: digits only, within the 32-bit signed range.
#pragma once

#include <QChar>
#include <QString>

#include <stdexcept>

namespace qor {

// The toolkit's conversion error. what() is UTF-8 and holds the text as it was typed, but for
// NUL and surrogates without their pair, which show as U+FFFD.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Text to real with the current decimal separator. Throws ConversionError
// "'<text>' is not a valid floating point value".
double TextToReal(const QString& text);

// Text to a 32-bit integer. Throws ConversionError "'<text>' is not a valid integer value".
int TextToInteger(const QString& text);

// The shortest text with the current separator that TextToReal reads back as exactly this value
// ("0,1", "-2,5e-07", "1e+21"); for finite values only.
QString RealToText(double value);

// Fixed notation with two decimals and the current separator, the value first rounded to at
// most 10 significant digits: the format of every read-out (4.5 gives "4,50" in a Russian locale).
QString RealToFixedText(double value);

// The same with a chosen precision (significant digits, 1 to 17) and separator: the settings
// dialog shows its numbers with precision 15 and ".". Halves are rounded away from zero; a value
// that rounds to zero never carries a minus sign. Infinities and NaN give "INF", "-INF", "NAN".
QString RealToFixedText(double value, int precision, QChar separator);

} // namespace qor
