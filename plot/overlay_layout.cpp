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
    // A text 16 pixels left of `parts` times `fraction` of the span, which about centres it there.
    const auto text_at = [&](int parts, long double fraction) {
        return TruncateToPixel(static_cast<long double>(x0) - 16 +
                               static_cast<long double>(span) * parts * fraction);
    };

    OverlayLayout layout{
        .texts = {{
            {&WindowTexts::label1, TruncateToPixel(x0), text_y},
            {&WindowTexts::label2, TruncateToPixel(static_cast<long double>(x1) - 20), text_y},
            {&WindowTexts::label3, text_at(1, 0.25L), text_y},
            {&WindowTexts::label4, text_at(3, 0.25L), text_y},
            {&WindowTexts::label5, text_at(1, 0.125L), text_y},
            {&WindowTexts::label6, text_at(5, 0.125L), text_y},
            {&WindowTexts::label9, text_at(3, 0.125L), text_y},
            {&WindowTexts::label10, text_at(7, 0.125L), text_y},
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
