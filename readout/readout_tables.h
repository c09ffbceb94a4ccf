#pragma once

// The texts a press writes into the two readout tables under the chart (inputs 1..3 and 4..6),
// and the geometry and texts of the cursor marker it draws over the plot.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "readout/cursor_readout.h"

namespace trend {

inline constexpr int kReadoutColumns = 7;
inline constexpr int kReadoutRows = 4;  // row 0 is the header
inline constexpr int kInputsPerTable = 3;

// Header texts of columns 1..6; their leading spaces are part of them. Column 0 has none.
inline constexpr std::array<std::string_view, kReadoutColumns> kReadoutHeader = {
    "",
    "   позиция",
    "               шкала",
    "     значение",
    "    ед изм",
    "    дата       время",
    "№ изм"};

struct ReadoutCell {
    int column;
    int row;
    std::string text;  // UTF-8
    friend bool operator==(const ReadoutCell&, const ReadoutCell&) = default;
};

// The cells a press writes into one table: columns 1..6 of the header row, then every column of
// rows 1..3. The header's column 0 is never written.
using ReadoutTable = std::vector<ReadoutCell>;

// Both tables of a press. `series_titles` are the six lines' titles, shown in column 0;
// `decimal_separator` is the user's locale's.
[[nodiscard]] std::array<ReadoutTable, 2> BuildReadoutTables(
    const CursorReadout& readout, const GroupDescriptor& descriptor,
    const std::array<std::string, kInputsPerGroup>& series_titles,
    std::string_view decimal_separator);

// The cursor marker of a press at column x: a vertical line through the plot, and for each input
// its percent value as text right of the line and a circle of 6 pixels at the value's row.
struct MarkerInput {
    int text_x;  // top-left corner of the percent text
    int text_y;
    std::string text;
    // The circle's box, first corner below the point and second above it, as the canvas takes it.
    int circle_x1;
    int circle_y1;
    int circle_x2;
    int circle_y2;
};

struct CursorMarker {
    int line_x;
    int line_top;
    int line_bottom;
    std::array<MarkerInput, kInputsPerGroup> inputs;  // input 1 first, drawn in this order
};

[[nodiscard]] CursorMarker ComputeCursorMarker(int x, const PlotExtents& plot,
                                               const CursorReadout& readout,
                                               std::string_view decimal_separator);

}  // namespace trend
