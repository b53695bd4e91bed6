// The text of a real number in the settings file: the general format with 15 significant digits.
#pragma once

#include <QString>

namespace qor {

// The value, exactly as held, rounded to 15 significant digits (halves away from zero) with
// trailing zeros and a trailing point dropped and "." as the decimal point whatever the locale:
// 0.1f gives "0.100000001490116", 5000 gives "5000". Fixed notation while the rounded value's
// decimal exponent lies in -5..14 (from 0.00001 up to 15 digits before the point); scientific
// notation outside it, with an upper-case E and the exponent's sign only when negative:
// "9.99999974737875E-6", "3.40282346638529E38". Zero of either sign gives "0"; NaN and the
// infinities give "NAN", "INF" and "-INF".
QString GeneralFloatText(float value);

} // namespace qor
