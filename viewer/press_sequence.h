#pragma once

// The two chart events: the overlay drawn at the end of each full redraw, and a press of a mouse
// button on the chart. Both work out everything they draw or write here, without the window.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "plot/overlay_layout.h"
#include "readout/readout_tables.h"
#include "viewer/stores.h"

namespace trend {

// One overlay text, ready to draw at its top-left corner.
struct OverlayDrawnText {
    int x;
    int y;
    std::string text;
};

struct OverlayDrawing {
    std::array<OverlayDrawnText, 8> texts;  // in drawing order
    std::array<OverlayTick, 8> ticks;
};

// At the end of a full redraw, with the axes' extents of that redraw: what the overlay draws,
// when the overlay was requested. Clears the request either way.
[[nodiscard]] std::optional<OverlayDrawing> Chart1AfterDraw(ViewerStores& stores, int plot_left,
                                                            int plot_right, int plot_bottom);

// What a press writes into the two readout tables and draws over the plot.
struct PressDrawing {
    std::array<ReadoutTable, 2> tables;
    CursorMarker marker;
};

// A press at column x, with the plot as last laid out and the spins' positions at the press.
// Requests the overlay for the next full redraw. Empty when the press has no sample to read
// (left of the plot at the first hour, or a plot not laid out yet): the tables and the plot stay
// as they are.
[[nodiscard]] std::optional<PressDrawing> Chart1MouseDown(ViewerStores& stores, int x,
                                                          const PlotExtents& plot,
                                                          int first_hour_position,
                                                          int hours_position,
                                                          std::string_view decimal_separator);

// The series' titles, for the tables' first column.
[[nodiscard]] const std::array<std::string, kInputsPerGroup>& SeriesTitles();

}  // namespace trend
