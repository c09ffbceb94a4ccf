#include "readout/readout_tables.h"

#include "plot/float_math.h"
#include "readout/fixed_text.h"
#include "trend_data/windows1251.h"

namespace trend {

namespace {

constexpr int kTablePrecision = 6;
constexpr int kMarkerPrecision = 5;

}  // namespace

std::array<ReadoutTable, 2> BuildReadoutTables(
    const CursorReadout& readout, const GroupDescriptor& descriptor,
    const std::array<std::string, kInputsPerGroup>& series_titles,
    std::string_view decimal_separator) {
    const auto fixed = [&](long double value) {
        return FixedText(value, kTablePrecision, decimal_separator);
    };
    const std::string date_and_time = readout.DateText + "   " + readout.TimeText;
    const std::string sample_number = std::to_string(readout.SampleNumber) + " изм";

    std::array<ReadoutTable, 2> tables;
    for (int table = 0; table < 2; ++table) {
        ReadoutTable& cells = tables[table];
        cells.reserve(kReadoutColumns - 1 + kInputsPerTable * kReadoutColumns);
        for (int column = 1; column < kReadoutColumns; ++column) {
            cells.push_back({column, 0, std::string(kReadoutHeader[column])});
        }
        for (int row = 1; row <= kInputsPerTable; ++row) {
            const int k = table * kInputsPerTable + row - 1;
            const ScaleRange& scale = descriptor.scales[k];
            cells.push_back({0, row, series_titles[k]});
            cells.push_back({1, row, DecodeWindows1251(InputNameText(descriptor, k))});
            cells.push_back({2, row, fixed(scale.low) + " - " + fixed(scale.high)});
            cells.push_back({3, row, fixed(readout.EngValue[k])});
            cells.push_back({4, row, DecodeWindows1251(InputUnitsText(descriptor, k))});
            cells.push_back({5, row, date_and_time});
            cells.push_back({6, row, sample_number});
        }
    }
    return tables;
}

CursorMarker ComputeCursorMarker(int x, const PlotExtents& plot, const CursorReadout& readout,
                                 std::string_view decimal_separator) {
    CursorMarker marker{x, plot.PlotTop, plot.PlotBottom, {}};
    for (int k = 0; k < kInputsPerGroup; ++k) {
        const long double y = readout.MarkerY[k];
        marker.inputs[k] = {
            .text_x = OffsetPixel(x, 5),
            .text_y = TruncateToPixel(y - 15),
            .text = FixedText(readout.Percent[k], kMarkerPrecision, decimal_separator),
            .circle_x1 = OffsetPixel(x, -3),
            .circle_y1 = TruncateToPixel(y + 3),
            .circle_x2 = OffsetPixel(x, 3),
            .circle_y2 = TruncateToPixel(y - 3),
        };
    }
    return marker;
}

}  // namespace trend
