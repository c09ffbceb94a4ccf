#pragma once

// The hours a load plots, chosen with the two spins: first hour (shown 1..24) and number of hours.

#include <string_view>

#include "trend_data/messages.h"
#include "trend_data/trend_file_format.h"

namespace trend {

inline constexpr std::string_view kWindowCheckText =
    "проверьте, правильно ли заданы\nначальный час и количество часов";

struct HourWindow {
    int first_hour = 0;  // 0-based: the first hour slot shown
    int hours = kHoursPerDay;

    // From the spins' positions as the user sees them (first hour 1..24, number of hours 1..24).
    [[nodiscard]] static constexpr HourWindow FromSpinPositions(int first_hour_position,
                                                                int hours_position) {
        return {first_hour_position - 1, hours_position};
    }

    // Sample indexes: the first plotted, one past the last plotted, and their count per input.
    [[nodiscard]] constexpr int Start() const { return kSamplesPerHour * first_hour; }
    [[nodiscard]] constexpr int End() const { return kSamplesPerHour * (first_hour + hours); }
    [[nodiscard]] constexpr int Length() const { return kSamplesPerHour * hours; }

    // A load plots only a window that ends by midnight. The spins never give a first hour or a
    // number of hours below 1, but such a window is refused too rather than read before slot 0.
    [[nodiscard]] constexpr bool IsValid() const {
        return first_hour >= 0 && hours >= 1 && first_hour + hours <= kHoursPerDay;
    }
};

// The message box of a refused window.
[[nodiscard]] inline MessageBoxText WindowCheckMessage() {
    return {std::string(kWindowCheckText), std::string(kWarningTitle)};
}

}  // namespace trend
