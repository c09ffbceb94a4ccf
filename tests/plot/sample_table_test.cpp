#include "plot/sample_table.h"

#include <gtest/gtest.h>

#include <limits>

#include "tools/trend_file_builder.h"

namespace trend {
namespace {

HourSlots BuiltSlots(int group) {
    HourSlots slots{};
    for (int hour = 0; hour < kHoursPerDay; ++hour) {
        slots[hour] = BuiltRecordSamples(hour, group);
    }
    return slots;
}

TEST(HourWindow, FromSpinPositionsAndCheck) {
    struct Case {
        int first_hour_position, hours_position;
        int start, end, length;
        bool valid;
    };
    const Case cases[] = {
        {1, 24, 0, 2880, 2880, true},     {24, 1, 2760, 2880, 120, true},
        {13, 12, 1440, 2880, 1440, true}, {7, 2, 720, 960, 240, true},
        {2, 24, 120, 3000, 2880, false},  {24, 2, 2760, 3000, 240, false},
        {0, 5, -120, 480, 600, false},    {3, 0, 240, 240, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.first_hour_position << " and " << c.hours_position);
        const auto window = HourWindow::FromSpinPositions(c.first_hour_position, c.hours_position);
        EXPECT_EQ(window.first_hour, c.first_hour_position - 1);
        EXPECT_EQ(window.hours, c.hours_position);
        EXPECT_EQ(window.Start(), c.start);
        EXPECT_EQ(window.End(), c.end);
        EXPECT_EQ(window.Length(), c.length);
        EXPECT_EQ(window.IsValid(), c.valid);
    }
    EXPECT_EQ(WindowCheckMessage().text,
              "проверьте, правильно ли заданы\nначальный час и количество часов");
    EXPECT_EQ(WindowCheckMessage().title, "Предупреждение");
}

TEST(PercentOfRaw, HundredthsOfAPercent) {
    struct Case {
        std::int16_t raw;
        float percent;
    };
    const Case cases[] = {{10000, 100.0f}, {2550, 25.5f}, {-32768, -327.68f},
                          {1, 0.01f},      {-150, -1.5f}, {0, 0.0f}};
    for (const Case& c : cases) {
        EXPECT_EQ(PercentOfRaw(c.raw), c.percent) << "raw " << c.raw;
    }
}

TEST(PercentOfRaw, IsTheNearestFloatToRawOverHundredForEveryRawValue) {
    for (int raw = std::numeric_limits<std::int16_t>::min();
         raw <= std::numeric_limits<std::int16_t>::max(); ++raw) {
        const auto nearest = static_cast<float>(static_cast<long double>(raw) / 100.0L);
        ASSERT_EQ(PercentOfRaw(static_cast<std::int16_t>(raw)), nearest) << "raw " << raw;
    }
}

TEST(SampleTable, StartUpContents) {
    const SampleTable table;
    for (int input = 0; input < kInputsPerGroup; ++input) {
        EXPECT_EQ(table.At(input, 0), static_cast<float>(input + 1));
        for (int index = 1; index < kSampleTableEntries; ++index) {
            ASSERT_EQ(table.At(input, index), 0.0f) << "input " << input << " index " << index;
        }
    }
}

TEST(SampleTable, FullDayGivesOrderedPointsEqualToTheTable) {
    SampleTable table;
    const HourSlots slots = BuiltSlots(1);
    const PointLists points = table.Fill(slots, HourWindow::FromSpinPositions(1, 24));
    for (int input = 0; input < kInputsPerGroup; ++input) {
        SCOPED_TRACE(::testing::Message() << "input " << input);
        ASSERT_EQ(points[input].size(), 2880u);
        for (int index = 0; index < 2880; ++index) {
            ASSERT_EQ(points[input][index].x, index);
            ASSERT_EQ(points[input][index].y, static_cast<double>(table.At(input, index)));
        }
    }
    // Spot checks of where a sample lands: input, hour, minute, first or second sample.
    struct Case {
        int input, hour, minute, half;
    };
    for (const Case& c :
         {Case{0, 0, 0, 0}, Case{5, 23, 59, 1}, Case{2, 12, 30, 1}, Case{3, 7, 1, 0}}) {
        const std::int16_t raw = slots[c.hour][SamplePosition(c.input, c.minute, c.half)];
        EXPECT_EQ(table.At(c.input, SampleIndex(c.hour, c.minute, c.half)), PercentOfRaw(raw));
    }
}

TEST(SampleTable, LastHourWindow) {
    SampleTable table;
    const PointLists points = table.Fill(BuiltSlots(1), HourWindow::FromSpinPositions(24, 1));
    for (const PointList& list : points) {
        ASSERT_EQ(list.size(), 120u);
        EXPECT_EQ(list.front().x, 2760);
        EXPECT_EQ(list.back().x, 2879);
    }
    EXPECT_EQ(points[4][1].y, PercentOfRaw(BuiltRecordSamples(23, 1)[SamplePosition(4, 0, 1)]));
    // The start-up entries outside the window stay.
    EXPECT_EQ(table.At(2, 0), 3.0f);
}

TEST(SampleTable, ALoadWritesOnlyItsWindow) {
    SampleTable table;
    table.Fill(BuiltSlots(1), HourWindow::FromSpinPositions(1, 24));
    SampleTable reference;
    reference.Fill(BuiltSlots(1), HourWindow::FromSpinPositions(1, 24));

    const HourSlots second = BuiltSlots(2);
    table.Fill(second, HourWindow::FromSpinPositions(7, 2));  // entries 720..959
    for (int input = 0; input < kInputsPerGroup; ++input) {
        for (int index = 0; index < kSampleTableEntries; ++index) {
            const float expected =
                index >= 720 && index < 960
                    ? PercentOfRaw(
                          second[index / 120][SamplePosition(input, (index % 120) / 2, index % 2)])
                    : reference.At(input, index);
            ASSERT_EQ(table.At(input, index), expected) << "input " << input << " index " << index;
        }
    }
}

TEST(SampleTable, RefusedWindowWritesNothing) {
    SampleTable table;
    for (const auto window : {HourWindow::FromSpinPositions(2, 24), HourWindow{-1, 3}}) {
        const PointLists points = table.Fill(BuiltSlots(1), window);
        for (const PointList& list : points) {
            EXPECT_TRUE(list.empty());
        }
    }
    EXPECT_EQ(table.At(0, 0), 1.0f);
    EXPECT_EQ(table.At(0, 120), 0.0f);
}

}  // namespace
}  // namespace trend
