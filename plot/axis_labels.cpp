#include "plot/axis_labels.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>

namespace trend {

std::string FormatAxisNumber(double value, NumberFormat format, std::string_view decimal_separator,
                             std::string_view group_separator) {
    if (!std::isfinite(value)) {
        return "";
    }
    char buffer[400];
    const auto [end, error] = std::to_chars(std::begin(buffer), std::end(buffer), std::fabs(value),
                                            std::chars_format::fixed, format.max_decimals);
    if (error != std::errc{}) {
        return "";
    }
    std::string_view digits(buffer, static_cast<std::size_t>(end - buffer));
    const auto point = digits.find('.');
    std::string_view whole = digits.substr(0, point);
    std::string_view fraction = point == std::string_view::npos ? "" : digits.substr(point + 1);
    while (fraction.size() > static_cast<std::size_t>(format.min_decimals) &&
           fraction.back() == '0') {
        fraction.remove_suffix(1);
    }
    const bool zero = whole.find_first_not_of('0') == std::string_view::npos &&
                      fraction.find_first_not_of('0') == std::string_view::npos;
    std::string text = value < 0 && !zero ? "-" : "";
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (format.grouped && i > 0 && (whole.size() - i) % 3 == 0) {
            text.append(group_separator);
        }
        text.push_back(whole[i]);
    }
    if (!fraction.empty()) {
        text.append(decimal_separator);
        text.append(fraction);
    }
    return text;
}

std::vector<double> AxisLabelValues(double minimum, double maximum, double pixel_length,
                                    const std::function<double(double)>& label_extent, double gap) {
    if (!std::isfinite(minimum) || !std::isfinite(maximum) || maximum < minimum) {
        return {};
    }
    const double range = maximum - minimum;
    if (range == 0 || pixel_length <= 0) {
        return {minimum};
    }
    // Candidates from well below one label per pixel upward; the largest, one step over the
    // whole range, always fits as long as a label does.
    const int first_power = static_cast<int>(std::floor(std::log10(range / pixel_length)));
    for (int power = first_power;; ++power) {
        for (const double mantissa : {1.0, 2.0, 5.0}) {
            const double step = mantissa * std::pow(10.0, power);
            const double spacing = step / range * pixel_length;
            if (spacing < gap) {
                continue;  // too dense whatever the labels
            }
            const auto first = static_cast<long long>(std::ceil(minimum / step - 1e-9));
            const auto last = static_cast<long long>(std::floor(maximum / step + 1e-9));
            std::vector<double> values;
            double widest = 0;
            for (long long k = first; k <= last; ++k) {
                // Whole multiples of the step, so that labels do not drift with repeated sums.
                values.push_back(static_cast<double>(k) * step);
                widest = std::max(widest, label_extent(values.back()));
            }
            if (spacing >= widest + gap || values.size() <= 1) {
                return values;
            }
        }
    }
}

}  // namespace trend
