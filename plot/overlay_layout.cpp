#include "plot/overlay_layout.h"

#include "plot/float_math.h"

namespace trend {

OverlayLayout ComputeOverlayLayout(int plot_left, int plot_right, int plot_bottom) {
    // The chart's extents are taken as single-precision values; the arithmetic on them runs in
    // extended precision, and the tick step and positions are held in single precision, which
    // moves some ticks a pixel left of the exact eighth.
    const auto x0 = static_cast<float>(plot_left);
    const auto x1 = static_cast<float>(plot_right);
    const auto yb = static_cast<float>(plot_bottom);
    const auto span = static_cast<float>(static_cast<long double>(x1) - x0);

    const int text_y = TruncateToPixel(static_cast<long double>(yb) + 18);
    const auto eighth_text = [&](int eighths) {
        return TruncateToPixel(static_cast<long double>(x0) - 16 +
                               static_cast<long double>(span) * eighths * 0.125L);
    };
    const auto quarter_text = [&](int quarters) {
        return TruncateToPixel(static_cast<long double>(x0) - 16 +
                               static_cast<long double>(span) * quarters * 0.25L);
    };

    OverlayLayout layout{
        .texts = {{
            {&WindowTexts::label1, TruncateToPixel(x0), text_y},
            {&WindowTexts::label2, TruncateToPixel(static_cast<long double>(x1) - 20), text_y},
            {&WindowTexts::label3, quarter_text(1), text_y},
            {&WindowTexts::label4, quarter_text(3), text_y},
            {&WindowTexts::label5, eighth_text(1), text_y},
            {&WindowTexts::label6, eighth_text(5), text_y},
            {&WindowTexts::label9, eighth_text(3), text_y},
            {&WindowTexts::label10, eighth_text(7), text_y},
        }},
        .ticks = {},
    };

    const auto step = static_cast<float>(static_cast<long double>(span) * 1 / 120);
    const int tick_top = TruncateToPixel(static_cast<long double>(yb) - 8);
    const int tick_bottom = TruncateToPixel(yb);
    constexpr std::array<int, 8> kTickMinutes = {0, 60, 15, 30, 45, 75, 90, 105};
    for (std::size_t i = 0; i < kTickMinutes.size(); ++i) {
        const auto position = static_cast<float>(static_cast<long double>(x0) +
                                                 static_cast<long double>(kTickMinutes[i]) * step);
        layout.ticks[i] = {TruncateToPixel(static_cast<long double>(position) + 1), tick_top,
                           tick_bottom};
    }
    return layout;
}

}  // namespace trend
