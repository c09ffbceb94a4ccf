#include "plot/overlay_layout.h"

#include <gtest/gtest.h>

namespace trend {
namespace {

struct ExpectedText {
    std::string WindowTexts::*caption;
    int x;
};

void ExpectTexts(const OverlayLayout& layout, const std::array<ExpectedText, 8>& expected, int y) {
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(::testing::Message() << "text " << i);
        EXPECT_EQ(layout.texts[i].caption, expected[i].caption);
        EXPECT_EQ(layout.texts[i].x, expected[i].x);
        EXPECT_EQ(layout.texts[i].y, y);
    }
}

TEST(OverlayLayout, WorkedExample) {
    const OverlayLayout layout = ComputeOverlayLayout(57, 1181, 560);
    ExpectTexts(layout,
                {{{&WindowTexts::label1, 57},
                  {&WindowTexts::label2, 1161},
                  {&WindowTexts::label3, 322},
                  {&WindowTexts::label4, 884},
                  {&WindowTexts::label5, 181},
                  {&WindowTexts::label6, 743},
                  {&WindowTexts::label9, 462},
                  {&WindowTexts::label10, 1024}}},
                578);
    const int tick_x[] = {58, 620, 198, 339, 479, 760, 901, 1041};
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(layout.ticks[i].x, tick_x[i]) << "tick " << i;
        EXPECT_EQ(layout.ticks[i].top, 552);
        EXPECT_EQ(layout.ticks[i].bottom, 560);
    }
}

TEST(OverlayLayout, TicksFollowTheSinglePrecisionStep) {
    // Exactly computed, the ticks at 3/8 and 6/8 would stand at 481 and 904.
    const OverlayLayout layout = ComputeOverlayLayout(57, 1185, 560);
    const int tick_x[] = {58, 622, 199, 340, 480, 763, 903, 1045};
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(layout.ticks[i].x, tick_x[i]) << "tick " << i;
    }
}

TEST(OverlayLayout, PositionsLeftOfTheChartTruncateTowardZero) {
    // S = 9: the 1/8 text at 1 - 16 + 1.125 = -13.875 is drawn at -13, not -14.
    const OverlayLayout layout = ComputeOverlayLayout(1, 10, 5);
    EXPECT_EQ(layout.texts[4].caption, &WindowTexts::label5);
    EXPECT_EQ(layout.texts[4].x, -13);
    EXPECT_EQ(layout.texts[2].x, -12);  // 1 - 16 + 2.25
    EXPECT_EQ(layout.texts[1].x, -10);
    EXPECT_EQ(layout.ticks[0].top, -3);
}

}  // namespace
}  // namespace trend
