#pragma once

// Numbers of the readout as fixed-point text with two decimals.

#include <string>
#include <string_view>

namespace trend {

// The value rounded to at most `precision` significant digits and at most two decimals, whichever
// is stricter, written with exactly two decimals, a leading "-" for a negative value, and no
// thousands separator. Rounding works on the value's 18-digit decimal expansion and goes half away
// from zero, so that 44.5999985 gives 44.60; a value that rounds to zero never shows a minus sign.
// A value whose integer part has more than `precision` digits is written in scientific notation:
// at most `precision` significant digits without trailing zeros, "E", a minus sign only for a
// negative exponent, and at least two exponent digits (1.23457E07). NaN and infinities, which a
// damaged scale can produce, read "NAN", "INF" and "-INF".
[[nodiscard]] std::string FixedText(long double value, int precision,
                                    std::string_view decimal_separator);

}  // namespace trend
