#pragma once

// Texts of the time of day and the recording's start: the captions above the chart, the bottom
// axis title and the time labels under the plot.

#include <string>

#include "plot/hour_window.h"
#include "trend_data/trend_file_format.h"

namespace trend {

// The decimal text of a value, with a "0" in front when that text is a single character.
[[nodiscard]] std::string TwoCharacterText(int value);

// "HH:MM": each part two digits, a "0" in front of a single digit. An hour of 24 or more becomes
// 0 (a comparison, not a remainder). Meant for hours 0..23 and minutes 0..59.
[[nodiscard]] std::string ClockText(int hour, int minute);

// "Время начала накопления: H:M", both without leading zeros, as stored.
[[nodiscard]] std::string StartTimeCaption(const StartStamp& stamp);

// "Дата: D.M.Y", all without leading zeros, as stored.
[[nodiscard]] std::string DateCaption(const StartStamp& stamp);

// The nine time texts of a window, named after the controls that hold them.
struct WindowTexts {
    std::string bottom_axis_title;  // 1/2 of the window
    std::string label1;             // window start, "F:00"
    std::string label2;             // window end, "F+N:00", never wrapped
    std::string label3;             // 1/4
    std::string label4;             // 3/4
    std::string label5;             // 1/8
    std::string label6;             // 5/8
    std::string label9;             // 3/8
    std::string label10;            // 7/8
    friend bool operator==(const WindowTexts&, const WindowTexts&) = default;
};

// The texts the window's controls show before the first load.
[[nodiscard]] WindowTexts InitialWindowTexts();

// Texts of a window that passed its check.
[[nodiscard]] WindowTexts WindowTimeTexts(HourWindow window);

}  // namespace trend
