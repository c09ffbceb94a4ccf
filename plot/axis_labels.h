#pragma once

// Number labels of the chart's axes: their texts in the axis' number format and the user's
// separators, and the label step, chosen so that no two labels touch.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace trend {

// A number picture such as "###0.00##" (two to four decimals, no grouping) or "#,##0.###" (up to
// three decimals, thousands grouped).
struct NumberFormat {
    int min_decimals;
    int max_decimals;
    bool grouped;
};

inline constexpr NumberFormat kLeftAxisFormat{2, 4, false};   // "###0.00##"
inline constexpr NumberFormat kBottomAxisFormat{0, 3, true};  // "#,##0.###"

// The value rounded to max_decimals, trailing zeros dropped down to min_decimals, with the given
// separators. Never depends on the C library's locale.
[[nodiscard]] std::string FormatAxisNumber(double value, NumberFormat format,
                                           std::string_view decimal_separator,
                                           std::string_view group_separator);

// The label values of an axis from `minimum` to `maximum` drawn over `pixel_length` pixels: whole
// multiples of the smallest step of 1, 2 or 5 times a power of ten whose labels, each
// `label_extent(value)` pixels long along the axis, stand at least `gap` pixels apart. A range of
// no length has the one label at its value.
[[nodiscard]] std::vector<double> AxisLabelValues(double minimum, double maximum,
                                                  double pixel_length,
                                                  const std::function<double(double)>& label_extent,
                                                  double gap);

}  // namespace trend
