#pragma once

// What the viewer keeps between events: the stores of the last load, the percent tables, the
// overlay request and the texts of the captions and time labels. The window owns one for the
// program's life; the load, the press and the overlay read and write it.

#include <string>

#include "plot/captions.h"
#include "plot/sample_table.h"
#include "trend_data/trend_file_format.h"

namespace trend {

inline constexpr std::string_view kInitialLabel7 = "Время создания  файла ";  // two spaces
inline constexpr std::string_view kInitialLabel8 = "Дата";

struct ViewerStores {
    // Full path of the file last chosen in the open dialog, as the file system's bytes.
    std::string remembered_file_name;
    // Of the group that the last load read: names, units, scales; all zero before any load.
    GroupDescriptor loaded_descriptor;
    StartStamp start_stamp;
    HourSlots hour_slots{};
    SampleTable sample_table;
    // 1 asks the chart's next full redraw to draw the overlay; every redraw sets it back to 0.
    int OverlayRequest = 0;
    // The captions above the chart, the bottom axis title and the eight time labels under the
    // plot, which the overlay draws.
    std::string label7{kInitialLabel7};
    std::string label8{kInitialLabel8};
    WindowTexts window_texts = InitialWindowTexts();
};

}  // namespace trend
