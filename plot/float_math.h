#pragma once

// Conversions of the plot's and readout's floating-point arithmetic: pixel positions truncated
// toward zero, and extended values held in single precision. Values beyond either range (a
// damaged file's scales, a press far outside the plot) saturate the way the hardware would,
// never through an undefined conversion.

#include <cmath>
#include <limits>

namespace trend {

[[nodiscard]] inline int TruncateToPixel(long double value) {
    constexpr auto kLowest = static_cast<long double>(std::numeric_limits<int>::min());
    constexpr auto kHighest = static_cast<long double>(std::numeric_limits<int>::max());
    if (std::isnan(value)) {
        return 0;
    }
    if (value <= kLowest) {
        return std::numeric_limits<int>::min();
    }
    if (value >= kHighest) {
        return std::numeric_limits<int>::max();
    }
    return static_cast<int>(value);  // truncates toward zero
}

// A pixel column or row offset from another, held to the range of int as the conversions above
// are: a press at the edge of that range must not overflow.
[[nodiscard]] constexpr int OffsetPixel(int pixel, int offset) {
    const long long sum = static_cast<long long>(pixel) + offset;
    if (sum < std::numeric_limits<int>::min()) {
        return std::numeric_limits<int>::min();
    }
    if (sum > std::numeric_limits<int>::max()) {
        return std::numeric_limits<int>::max();
    }
    return static_cast<int>(sum);
}

// Rounds to the nearest single-precision value; beyond the largest one, to an infinity, as IEEE
// rounding does.
[[nodiscard]] inline float RoundToSingle(long double value) {
    // Half an ulp above the largest float rounds to infinity.
    constexpr long double kOverflow = 0x1.ffffffp127L;
    if (std::fabs(value) >= kOverflow) {
        return value > 0 ? std::numeric_limits<float>::infinity()
                         : -std::numeric_limits<float>::infinity();
    }
    return static_cast<float>(value);
}

}  // namespace trend
