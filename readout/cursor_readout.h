#pragma once

// What a press on the chart reads out: the sample under the press, its time, the six percent
// values with their rows on the plot, the values in engineering units, and the date.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "plot/sample_table.h"
#include "trend_data/trend_file_format.h"

namespace trend {

// The plot area as the chart laid it out at its last paint: the bottom axis' left and right
// columns and the left axis' top (100 %) and bottom (0 %) rows.
struct PlotExtents {
    int PlotLeft = 0;
    int PlotRight = 0;
    int PlotTop = 0;
    int PlotBottom = 0;
};

struct CursorReadout {
    int SampleIndex = 0;
    int Hours = 0;
    int Minutes = 0;
    int SampleNumber = 1;  // first or second sample of its minute
    std::array<float, kInputsPerGroup> Percent{};
    std::array<float, kInputsPerGroup> MarkerY{};  // pixel row of each percent value
    std::array<long double, kInputsPerGroup> EngValue{};
    std::string TimeText;
    std::string DateText;
};

// The readout of a press at column x, with the window F, N that the spins show at the time of the
// press (not checked against the end of the day). The plot's full width stands for 120 * N
// samples. Empty when the press has no sample to read: the plot has no width yet, or the sample
// index lies outside the percent tables (a press left of the plot when the window starts at the
// first hour, or far right of a very narrow plot).
[[nodiscard]] std::optional<CursorReadout> ComputeCursorReadout(int x, const PlotExtents& plot,
                                                                int F, int N,
                                                                const SampleTable& samples,
                                                                const GroupDescriptor& descriptor,
                                                                const StartStamp& stamp);

// "DD.MM.YYYY": day and month with a "0" in front of a single character; a year of fewer than four
// characters gets "20" in front ("200" for a single character). Nothing is cut.
[[nodiscard]] std::string CursorDateText(const StartStamp& stamp);

// Name and units of input k (0..5) as the file's Windows-1251 bytes, up to the first NUL.
[[nodiscard]] std::string InputNameText(const GroupDescriptor& descriptor, int k);
[[nodiscard]] std::string InputUnitsText(const GroupDescriptor& descriptor, int k);

}  // namespace trend
