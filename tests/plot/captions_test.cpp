#include "plot/captions.h"

#include <gtest/gtest.h>

namespace trend {
namespace {

TEST(ClockText, TwoDigitsEachAndMidnightWrap) {
    struct Case {
        int hour, minute;
        const char* text;
    };
    const Case cases[] = {{0, 0, "00:00"},  {9, 5, "09:05"},   {24, 0, "00:00"}, {0, 7, "00:07"},
                          {12, 0, "12:00"}, {24, 30, "00:30"}, {25, 1, "00:01"}, {23, 59, "23:59"}};
    for (const Case& c : cases) {
        EXPECT_EQ(ClockText(c.hour, c.minute), c.text) << c.hour << ":" << c.minute;
    }
}

TEST(WindowTimeTexts, WorkedExamples) {
    struct Case {
        int first_hour_position, hours;
        WindowTexts texts;  // axis, Label1, Label2, Label3, Label4, Label5, Label6, Label9, Label10
    };
    const Case cases[] = {
        {1, 24, {"12:00", "0:00", "24:00", "06:00", "18:00", "03:00", "15:00", "09:00", "21:00"}},
        {7, 6, {"09:00", "6:00", "12:00", "07:30", "10:30", "06:45", "09:45", "08:15", "11:15"}},
        {1, 3, {"01:30", "0:00", "3:00", "00:45", "02:15", "00:22", "01:52", "01:07", "02:37"}},
        {13, 5, {"14:30", "12:00", "17:00", "13:15", "15:45", "12:37", "15:07", "13:52", "16:22"}},
        {24, 1, {"23:30", "23:00", "24:00", "23:15", "23:45", "23:07", "23:37", "23:22", "23:52"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "first hour " << c.first_hour_position << ", " << c.hours << " hours");
        EXPECT_EQ(WindowTimeTexts(HourWindow::FromSpinPositions(c.first_hour_position, c.hours)),
                  c.texts);
    }
}

TEST(WindowTimeTexts, InitialTextsDifferFromTheFirstDefaultLoadOnlyInLabel1) {
    WindowTexts initial = InitialWindowTexts();
    EXPECT_EQ(initial.label1, "00:00");
    initial.label1 = "0:00";
    EXPECT_EQ(initial, WindowTimeTexts(HourWindow::FromSpinPositions(1, 24)));
}

TEST(Captions, StartTimeAndDateAsStored) {
    struct Case {
        StartStamp stamp;
        const char* start_time;
        const char* date;
    };
    const Case cases[] = {
        {{2023, 3, 7, 8, 5}, "Время начала накопления: 8:5", "Дата: 7.3.2023"},
        {{23, 12, 31, 14, 30}, "Время начала накопления: 14:30", "Дата: 31.12.23"},
        {{-1, 0, -5, -2, 75}, "Время начала накопления: -2:75", "Дата: -5.0.-1"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StartTimeCaption(c.stamp), c.start_time);
        EXPECT_EQ(DateCaption(c.stamp), c.date);
    }
}

}  // namespace
}  // namespace trend
