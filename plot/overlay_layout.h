#pragma once

// Where the overlay under the plot goes: the time texts of the window's start, end and eighths
// (the middle is the bottom axis title, which the chart draws itself) and eight tick marks at the
// eighths of the bottom axis. Everything follows from the plot's left and right columns and its
// bottom row, in the order the overlay draws it.

#include <array>
#include <string>

#include "plot/captions.h"

namespace trend {

struct OverlayText {
    std::string WindowTexts::*caption;  // which time label's text
    int x;                              // top-left corner
    int y;
};

struct OverlayTick {
    int x;
    int top;
    int bottom;
};

struct OverlayLayout {
    std::array<OverlayText, 8> texts;
    std::array<OverlayTick, 8> ticks;
};

// plot_left and plot_right are the bottom axis' pixel extents, plot_bottom the left axis' end:
// the row of 0 %.
[[nodiscard]] OverlayLayout ComputeOverlayLayout(int plot_left, int plot_right, int plot_bottom);

}  // namespace trend
