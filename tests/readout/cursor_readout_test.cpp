#include "readout/cursor_readout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "readout/fixed_text.h"

namespace trend {
namespace {

constexpr PlotExtents kPlot{.PlotLeft = 40, .PlotRight = 1190, .PlotTop = 10, .PlotBottom = 560};

template <std::size_t N>
std::array<char, N> Field(std::string_view bytes) {
    std::array<char, N> field{};
    std::copy(bytes.begin(), bytes.end(), field.begin());
    return field;
}

// A table whose window 0..1 hour holds `raw` for input k at every sample.
SampleTable TableWith(const std::array<std::int16_t, kInputsPerGroup>& raw) {
    HourSlots slots{};
    for (int minute = 0; minute < kMinutesPerHour; ++minute) {
        for (int k = 0; k < kInputsPerGroup; ++k) {
            for (int half = 0; half < 2; ++half) {
                slots[0][SamplePosition(k, minute, half)] = raw[k];
            }
        }
    }
    SampleTable table;
    table.Fill(slots, HourWindow::FromSpinPositions(1, 1));
    return table;
}

TEST(CursorReadout, PressPositionGivesSampleTimeAndNumber) {
    struct Case {
        int x;
        PlotExtents plot;
        int F, N;
        int index;
        const char* time;
        int sample_number;
    };
    constexpr PlotExtents kOnePixelPerSample{0, 2880, 10, 560};
    const Case cases[] = {
        {40, kPlot, 0, 24, 0, "00:00", 1},
        {615, kPlot, 0, 24, 1440, "12:00", 1},
        {614, kPlot, 0, 24, 1437, "11:58", 2},   // 1437.49 truncated
        {616, kPlot, 0, 24, 1442, "12:01", 1},   // 1442.50 truncated
        {1190, kPlot, 0, 24, 2880, "00:00", 1},  // one past the day: hour 24 reads as 0
        {40, kPlot, 6, 6, 720, "06:00", 1},
        {1190, kPlot, 6, 6, 1440, "12:00", 1},
        {2879, kOnePixelPerSample, 0, 24, 2879, "23:59", 2},
        {2878, kOnePixelPerSample, 0, 24, 2878, "23:59", 1},
        {30, kPlot, 1, 24, 95, "00:47", 2},          // -25.04 truncates toward zero to -25
        {-1000, kPlot, 12, 24, 1440 - 2604, "", 0},  // negative index: no readout
        {2000, kPlot, 12, 24, 6348, "00:54", 1},     // far past the day: hour 52 reads as 0
    };
    const SampleTable table;
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "x " << c.x << " window " << c.F << "," << c.N);
        const auto readout = ComputeCursorReadout(c.x, c.plot, c.F, c.N, table, {}, {});
        if (c.index < 0) {
            EXPECT_FALSE(readout);
            continue;
        }
        ASSERT_TRUE(readout);
        EXPECT_EQ(readout->SampleIndex, c.index);
        EXPECT_EQ(readout->TimeText, c.time);
        EXPECT_EQ(readout->SampleNumber, c.sample_number);
    }
}

TEST(CursorReadout, NoReadoutOutsideTheTablesOrWithoutAPlotWidth) {
    const SampleTable table;
    struct Case {
        const char* name;
        int x;
        PlotExtents plot;
        int F, N;
    };
    const Case cases[] = {
        {"left of the plot at the first hour", 39, kPlot, 0, 24},
        {"plot of no width", 40, {40, 40, 10, 560}, 0, 24},
        {"far right of a one-pixel plot", 100, {0, 1, 10, 560}, 0, 24},
        {"one past the last entry", 34560, {0, 120, 10, 560}, 0, 1},
        {"product beyond 32 bits", std::numeric_limits<int>::max(), {0, 1, 0, 1}, 0, 24},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(ComputeCursorReadout(c.x, c.plot, c.F, c.N, table, {}, {}));
    }
    const auto last = ComputeCursorReadout(34559, {0, 120, 10, 560}, 0, 1, table, {}, {});
    ASSERT_TRUE(last);
    EXPECT_EQ(last->SampleIndex, 34559);
    EXPECT_EQ(last->Percent[0], 0.0f);
}

TEST(CursorReadout, MarkerRowsAndPercentValues) {
    const SampleTable table = TableWith({5000, 10000, 0, 11000, -150, 2550});
    const auto readout = ComputeCursorReadout(40, kPlot, 0, 24, table, {}, {});
    ASSERT_TRUE(readout);
    const std::array<float, 6> percent = {50.0f, 100.0f, 0.0f, 110.0f, -1.5f, 25.5f};
    const std::array<float, 6> rows = {285.0f, 10.0f, 560.0f, -45.0f, 568.25f, 419.75f};
    EXPECT_EQ(readout->Percent, percent);
    EXPECT_EQ(readout->MarkerY, rows);
}

TEST(CursorReadout, EngineeringValuesInExtendedPrecision) {
    GroupDescriptor descriptor;
    descriptor.scales = {{{-50.0f, 150.0f},
                          {7.5f, 7.5f},
                          {0.0f, 3.0f},
                          {100.0f, 0.0f},
                          {-1.0f, 1.0f},
                          {3e38f, -3e38f}}};
    const SampleTable table = TableWith({4730, 4730, 1000, 2500, 10000, 0});
    const auto readout = ComputeCursorReadout(40, kPlot, 0, 24, table, descriptor, {});
    ASSERT_TRUE(readout);
    // 47.3 in single precision is 47.299999237060546875; of -50..150 that is 44.59999847412109375.
    EXPECT_NEAR(static_cast<double>(readout->EngValue[0] - 44.59999847412109375L), 0.0, 1e-15);
    EXPECT_EQ(FixedText(readout->EngValue[0], 6, "."), "44.60");
    EXPECT_EQ(readout->EngValue[1], 7.5L);  // low equals high: that value at any percent
    // Not reduced to single precision, where 10 % of 0..3 would be 0.300000012.
    EXPECT_LT(fabsl(readout->EngValue[2] - 0.3L), 1e-18L);
    EXPECT_NEAR(static_cast<double>(readout->EngValue[3]), 75.0, 1e-15);
    EXPECT_NEAR(static_cast<double>(readout->EngValue[4]), 1.0, 1e-15);
    // A damaged scale whose span overflows single precision reads as not a number, not a crash.
    EXPECT_TRUE(std::isnan(readout->EngValue[5]));
    EXPECT_EQ(FixedText(readout->EngValue[5], 6, "."), "NAN");
}

TEST(CursorReadout, BeforeAnyLoadReadsTheStartUpTables) {
    const SampleTable table;
    const auto readout = ComputeCursorReadout(40, kPlot, 0, 24, table, {}, {});
    ASSERT_TRUE(readout);
    EXPECT_EQ(readout->Percent, (std::array<float, 6>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(readout->EngValue, (std::array<long double, 6>{}));
    EXPECT_EQ(readout->DateText, "00.00.2000");
}

TEST(CursorDateText, PadsDayAndMonthAndCompletesShortYears) {
    struct Case {
        StartStamp stamp;
        const char* text;
    };
    const Case cases[] = {
        {{18, 3, 5, 0, 0}, "05.03.2018"},     {{2018, 3, 5, 0, 0}, "05.03.2018"},
        {{7, 3, 5, 0, 0}, "05.03.2007"},      {{0, 0, 0, 0, 0}, "00.00.2000"},
        {{123, 11, 12, 0, 0}, "12.11.20123"}, {{12345, 3, -1, 0, 0}, "-1.03.12345"},
        {{-5, 10, 31, 0, 0}, "31.10.20-5"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CursorDateText(c.stamp), c.text);
    }
}

TEST(InputTexts, NameAndUnitsUpToTheFirstNul) {
    GroupDescriptor descriptor;
    descriptor.names[0] = Field<8>("\xC4\xE0\xE2\xEB\xE5\xED\xE8\xE5");
    descriptor.names[3] = Field<8>("T1\0xyz");
    descriptor.units[0] = Field<6>("\xEA\xE3\xF1/\xF1\xEC");
    descriptor.units[5] = Field<6>("\0abcde");
    EXPECT_EQ(InputNameText(descriptor, 0), "\xC4\xE0\xE2\xEB\xE5\xED\xE8\xE5");
    EXPECT_EQ(InputNameText(descriptor, 3), "T1");
    EXPECT_EQ(InputNameText(descriptor, 1), "");
    EXPECT_EQ(InputUnitsText(descriptor, 0), "\xEA\xE3\xF1/\xF1\xEC");
    EXPECT_EQ(InputUnitsText(descriptor, 5), "");
}

}  // namespace
}  // namespace trend
