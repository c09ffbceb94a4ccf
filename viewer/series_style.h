#pragma once

// The six lines of the chart, one per input: their titles (shown in the readout tables' first
// column too) and colours (also those of the colour markers beside the tables and of the cursor
// marker's texts and circles).

#include <array>
#include <cstdint>
#include <string_view>

#include "trend_data/trend_file_format.h"

namespace trend {

struct SeriesStyle {
    std::string_view title;  // UTF-8
    std::uint32_t rgb;       // 0xRRGGBB
};

inline constexpr std::array<SeriesStyle, kInputsPerGroup> kSeriesStyles = {{
    {"вход  1", 0xFF0000},  // two spaces, as the recorder's software always wrote it
    {"вход 2", 0xFF8040},
    {"вход 3", 0x00CECE},
    {"вход 4", 0x0080C0},
    {"вход 5", 0x00C600},
    {"вход 6", 0x8000FF},
}};

}  // namespace trend
