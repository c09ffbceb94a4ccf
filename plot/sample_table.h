#pragma once

// The percent tables: for each input, the percentage of its scale at every sample index. A load
// writes the entries of its window only; every other entry keeps what an earlier load or the
// start-up left there, and the cursor readout reads whatever an entry holds.

#include <array>
#include <cstdint>
#include <vector>

#include "plot/hour_window.h"
#include "trend_data/trend_file_format.h"

namespace trend {

// Entries per input. Loads write only 0..2879; the rest stay 0 for the program's life.
inline constexpr int kSampleTableEntries = 34560;

// One point of a line: x the sample index, y the percentage exactly as the table holds it.
struct PlotPoint {
    double x = 0.0;
    double y = 0.0;
    friend bool operator==(const PlotPoint&, const PlotPoint&) = default;
};

using PointList = std::vector<PlotPoint>;
using PointLists = std::array<PointList, kInputsPerGroup>;

// The percentage a stored sample stands for: raw * 100 * 0.0001 in double, rounded to float.
[[nodiscard]] inline float PercentOfRaw(std::int16_t raw) {
    return static_cast<float>(raw * 100 * 0.0001);
}

class SampleTable {
  public:
    // Start-up contents: entry 0 of input k's table (k from 1) holds k, every other entry 0.
    SampleTable();

    [[nodiscard]] static constexpr bool Contains(std::int64_t index) {
        return index >= 0 && index < kSampleTableEntries;
    }

    // Entry `index` of input `input` (0..5). Requires Contains(index).
    [[nodiscard]] float At(int input, int index) const { return entries_[Offset(input, index)]; }

    // Writes the window's entries from the hour slots and gives each input's points in rising
    // sample order. A window that fails its check writes nothing and gives no points.
    PointLists Fill(const HourSlots& slots, HourWindow window);

  private:
    static std::size_t Offset(int input, int index) {
        return static_cast<std::size_t>(input) * kSampleTableEntries +
               static_cast<std::size_t>(index);
    }
    float& Entry(int input, int index) { return entries_[Offset(input, index)]; }

    std::vector<float> entries_;
};

}  // namespace trend
