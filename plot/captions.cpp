#include "plot/captions.h"

namespace trend {

std::string TwoCharacterText(int value) {
    std::string text = std::to_string(value);
    return text.size() == 1 ? "0" + text : text;
}

std::string ClockText(int hour, int minute) {
    if (hour >= kHoursPerDay) {
        hour = 0;
    }
    return TwoCharacterText(hour) + ":" + TwoCharacterText(minute);
}

std::string StartTimeCaption(const StartStamp& stamp) {
    return "Время начала накопления: " + std::to_string(stamp.hour) + ":" +
           std::to_string(stamp.minute);
}

std::string DateCaption(const StartStamp& stamp) {
    return "Дата: " + std::to_string(stamp.day) + "." + std::to_string(stamp.month) + "." +
           std::to_string(stamp.year);
}

WindowTexts InitialWindowTexts() {
    return {"12:00", "00:00", "24:00", "06:00", "18:00", "03:00", "15:00", "09:00", "21:00"};
}

WindowTexts WindowTimeTexts(HourWindow window) {
    const int length = window.Length();  // a multiple of 120, so the quarters and eighths are exact
    // Minutes from the window start to a fraction of it; halving samples drops a half minute.
    const auto at_minutes = [&](int minutes) {
        return ClockText(window.first_hour + minutes / kMinutesPerHour, minutes % kMinutesPerHour);
    };
    WindowTexts texts;
    texts.bottom_axis_title = at_minutes((length / 2) / 2);
    texts.label3 = at_minutes((length / 4) / 2);
    texts.label4 = at_minutes((3 * (length / 4)) / 2);
    texts.label5 = at_minutes((length / 8) / 2);
    texts.label6 = at_minutes((5 * (length / 8)) / 2);
    texts.label9 = at_minutes((3 * (length / 8)) / 2);
    texts.label10 = at_minutes((7 * (length / 8)) / 2);
    texts.label1 = std::to_string(window.first_hour) + ":00";
    texts.label2 = std::to_string(window.first_hour + window.hours) + ":00";
    return texts;
}

}  // namespace trend
