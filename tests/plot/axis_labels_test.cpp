#include "plot/axis_labels.h"

#include <gtest/gtest.h>

namespace trend {
namespace {

TEST(AxisLabels, NumberFormats) {
    struct Case {
        double value;
        NumberFormat format;
        const char* text;
    };
    const Case cases[] = {
        {0, kLeftAxisFormat, "0,00"},
        {100, kLeftAxisFormat, "100,00"},
        {12.5, kLeftAxisFormat, "12,50"},
        {12.34567, kLeftAxisFormat, "12,3457"},
        {1234.5, kLeftAxisFormat, "1234,50"},  // no grouping
        {-2.5, kLeftAxisFormat, "-2,50"},
        {0, kBottomAxisFormat, "0"},
        {200, kBottomAxisFormat, "200"},
        {2800, kBottomAxisFormat, "2 800"},
        {1234567, kBottomAxisFormat, "1 234 567"},
        {2.5, kBottomAxisFormat, "2,5"},
        {0.0004, kBottomAxisFormat, "0"},
        {-0.0004, kBottomAxisFormat, "0"},  // no "-0"
        {-1500, kBottomAxisFormat, "-1 500"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FormatAxisNumber(c.value, c.format, ",", " "), c.text);
    }
    EXPECT_EQ(FormatAxisNumber(2800, kBottomAxisFormat, ".", ","), "2,800");
}

TEST(AxisLabels, StepsKeepLabelsApart) {
    struct Case {
        const char* name;
        double minimum, maximum, pixels, label, gap;
        std::vector<double> first_values;
        std::size_t count;
    };
    const Case cases[] = {
        {"percent axis", 0, 100, 525, 13, 26, {0, 10, 20}, 11},
        {"short percent axis", 0, 100, 100, 13, 26, {0, 50, 100}, 3},
        {"a day of samples", 0, 2879, 1124, 30, 16, {0, 200, 400}, 15},
        {"one hour", 2760, 2879, 1124, 30, 16, {2760, 2765, 2770}, 24},
        {"no length", 5, 5, 1124, 30, 16, {5}, 1},
        {"fractions", 0, 1, 500, 30, 16, {0, 0.1, 0.2}, 11},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto values = AxisLabelValues(
            c.minimum, c.maximum, c.pixels, [&](double) { return c.label; }, c.gap);
        ASSERT_EQ(values.size(), c.count);
        for (std::size_t i = 0; i < c.first_values.size(); ++i) {
            EXPECT_DOUBLE_EQ(values[i], c.first_values[i]);
        }
        // Neighbouring labels, centred on their values, never touch.
        for (std::size_t i = 1; i < values.size(); ++i) {
            const double spacing = (values[i] - values[i - 1]) / (c.maximum - c.minimum) * c.pixels;
            EXPECT_GE(spacing, c.label + c.gap);
        }
    }
}

TEST(AxisLabels, WiderLabelsTakeALargerStep) {
    // Labels grow with their value: the step follows the widest one.
    const auto values = AxisLabelValues(
        0, 100000, 600, [](double value) { return value >= 10000 ? 60.0 : 20.0; }, 10);
    ASSERT_GE(values.size(), 2u);
    EXPECT_GE((values[1] - values[0]) / 100000 * 600, 70);
}

}  // namespace
}  // namespace trend
