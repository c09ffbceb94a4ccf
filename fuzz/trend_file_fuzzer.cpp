// libFuzzer target: arbitrary bytes as a trend file, with the group text, the hour window, the
// plot's extents and four presses taken from the input's first bytes, through the whole chain of
// a load and a press. Anything but the documented outcomes aborts, and the sanitizers catch reads
// outside a buffer and undefined arithmetic.
//
// Input: byte 0 the group text (a digit, or empty), bytes 1 and 2 the spins' positions, byte 3
// the plot's extents, bytes 4..19 four press columns (int32, little-endian), the rest the file.

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/fuzz_input.h"
#include "plot/captions.h"
#include "plot/overlay_layout.h"
#include "readout/readout_tables.h"
#include "trend_data/group_loading.h"

namespace {

using namespace trend;

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "undocumented outcome: %s\n", what);
        std::abort();
    }
}

bool IsLoadMessage(const MessageBoxText& message) {
    return message.title == kWarningTitle &&
           (message.text.starts_with("В указанном файле только ") ||
            message.text == kGroupBelowOneText);
}

void CheckLoad(const GroupLoadResult& result, std::int64_t file_size, std::int64_t group_count) {
    Require(result.chart_title == "Файл: fuzz", "chart title");
    if (result.error) {
        Require(result.messages.empty() && !result.group, "conversion error ends the load");
        return;
    }
    if (!result.group) {
        Require(result.messages.size() == 1 && IsLoadMessage(result.messages[0]),
                "a load that ends early shows one group message");
        return;
    }
    const std::int64_t hours = HourCount(file_size, group_count);
    const std::vector<MessageBoxText> expected =
        hours < kHoursPerDay   ? std::vector<MessageBoxText>{{std::string(kIncompleteFileText),
                                                              std::string(kWarningTitle)}}
        : hours > kHoursPerDay ? std::vector<MessageBoxText>{{std::string(kDamagedFileText),
                                                              std::string(kWarningTitle)}}
                               : std::vector<MessageBoxText>{};
    Require(result.messages == expected, "hour count warnings");
}

void CheckPoints(const PointLists& points, const SampleTable& table, HourWindow window) {
    if (!window.IsValid()) {
        for (const PointList& list : points) {
            Require(list.empty(), "a refused window has no points");
        }
        return;
    }
    for (int k = 0; k < kInputsPerGroup; ++k) {
        Require(points[k].size() == static_cast<std::size_t>(window.Length()), "point count");
        for (std::size_t i = 0; i < points[k].size(); ++i) {
            const int index = window.Start() + static_cast<int>(i);
            Require(points[k][i].x == index, "x is the sample index");
            Require(points[k][i].y == table.At(k, index), "y is the table's entry");
        }
    }
}

void Press(int x, const PlotExtents& plot, HourWindow window, const SampleTable& table,
           const LoadedGroup& loaded) {
    const auto readout = ComputeCursorReadout(x, plot, window.first_hour, window.hours, table,
                                              loaded.descriptor, loaded.start_stamp);
    if (!readout) {
        return;
    }
    Require(SampleTable::Contains(readout->SampleIndex), "index inside the tables");
    Require(readout->SampleNumber == 1 || readout->SampleNumber == 2, "sample number");
    for (int k = 0; k < kInputsPerGroup; ++k) {
        Require(readout->Percent[k] == table.At(k, readout->SampleIndex),
                "percent is the table's entry");
    }
    static const std::array<std::string, kInputsPerGroup> kTitles = {"1", "2", "3", "4", "5", "6"};
    const auto tables = BuildReadoutTables(*readout, loaded.descriptor, kTitles, ",");
    for (const ReadoutTable& cells : tables) {
        Require(cells.size() == 27, "27 cells a table");
    }
    const CursorMarker marker = ComputeCursorMarker(x, plot, *readout, ",");
    Require(marker.line_x == x, "marker line at the press");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FuzzInput input = SplitFuzzInput(data, size);
    // The percent tables live as long as the program, as in the viewer: loads overwrite them.
    static SampleTable table;
    static LoadedGroup last_loaded;

    MemoryByteSource source(input.file);
    const std::int64_t file_size = source.Size();
    const std::int64_t group_count =
        input.file.size() < 2 ? 0 : static_cast<std::int16_t>(input.file[0] | (input.file[1] << 8));
    const GroupLoadResult result = LoadGroupFrom(&source, "fuzz", input.group_text);
    CheckLoad(result, file_size, group_count);

    const HourWindow window = HourWindow::FromSpinPositions(input.first_hour, input.hours);
    if (result.group) {
        last_loaded = *result.group;
        const PointLists points = table.Fill(last_loaded.hour_slots, window);
        CheckPoints(points, table, window);
        if (window.IsValid()) {
            const WindowTexts texts = WindowTimeTexts(window);
            Require(texts.bottom_axis_title.size() == 5 && texts.label10.size() == 5,
                    "window time texts");
        }
        (void)StartTimeCaption(last_loaded.start_stamp);
        (void)DateCaption(last_loaded.start_stamp);
    }
    (void)ComputeOverlayLayout(input.plot.PlotLeft, input.plot.PlotRight, input.plot.PlotBottom);
    for (const int x : input.presses) {
        Press(x, input.plot, window, table, last_loaded);
    }
    return 0;
}
