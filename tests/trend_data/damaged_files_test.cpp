// Damaged files: every truncation of a small file and many seeded corruptions of it go through
// the whole path of a load and a press. Under the sanitizers of the test build, any read outside a
// buffer or undefined arithmetic fails the run; the checks below hold the load to its documented
// outcomes, worked out from the file's layout independently of the loader.

#include <gtest/gtest.h>

#include <random>

#include "readout/readout_tables.h"
#include "tools/trend_file_builder.h"
#include "trend_data/group_loading.h"

namespace trend {
namespace {

const std::array<std::string, 6> kTitles = {"1", "2", "3", "4", "5", "6"};
const MessageBoxText kIncomplete{"Возможно, файл неполный", "Предупреждение"};
const MessageBoxText kDamaged{"Возможно, файл поврежден", "Предупреждение"};

// The test file holds three hours; the window covers them.
constexpr HourWindow kWindow{0, 3};
const PlotExtents kPlot{40, 1190, 10, 560};

// Two groups, three hour blocks numbered 0..2. Group 2 is the one loaded: its descriptor lies at
// 142..281 (scale of input 6 at 268..275), the stamp at 282..291, and its record of block i at
// 292 + 1442 * (2i + 1); a block of both groups is 2884 bytes, so the file is 8944 bytes long.
std::vector<std::uint8_t> SmallFile() {
    return TrendFileBuilder(2)
        .Name(1, 0, "\xC4\xE0\xE2\xEB\xE5\xED\xE8\xE5")
        .Scale(1, 0, -50.0f, 150.0f)
        .Scale(2, 5, 0.0f, 1.0f)
        .Stamp({2018, 3, 5, 8, 0})
        .HourBlocks({0, 1, 2})
        .Bytes();
}

// Whole hour blocks in a cut of the small file.
int WholeBlocks(std::size_t size) {
    if (size >= 8944) {
        return 3;
    }
    if (size >= 6060) {
        return 2;
    }
    return size >= 3176 ? 1 : 0;
}

// Loads, fills the percent tables and presses, checking what every load may produce.
void LoadAndPress(const std::vector<std::uint8_t>& bytes, std::string_view group_text,
                  SampleTable& table, GroupLoadResult& result) {
    MemoryByteSource source(bytes);
    result = LoadGroupFrom(&source, "f", group_text);
    ASSERT_EQ(result.chart_title, "Файл: f");
    if (!result.group) {
        return;
    }
    const auto points = table.Fill(result.group->hour_slots, kWindow);
    for (int k = 0; k < kInputsPerGroup; ++k) {
        ASSERT_EQ(points[k].size(), 360u);
        for (std::size_t i = 0; i < points[k].size(); ++i) {
            ASSERT_EQ(points[k][i].x, static_cast<double>(i));
            ASSERT_EQ(points[k][i].y, table.At(k, static_cast<int>(i)));
        }
    }
    for (const int x : {0, 40, 614, 1190, 5000}) {
        const auto readout =
            ComputeCursorReadout(x, kPlot, kWindow.first_hour, kWindow.hours, table,
                                 result.group->descriptor, result.group->start_stamp);
        if (!readout) {
            EXPECT_LT(x, 40) << "only a press left of the plot has no sample";
            continue;
        }
        EXPECT_TRUE(readout->SampleNumber == 1 || readout->SampleNumber == 2);
        EXPECT_EQ(readout->TimeText.size(), 5u);
        (void)BuildReadoutTables(*readout, result.group->descriptor, kTitles, ".");
        (void)ComputeCursorMarker(x, kPlot, *readout, ".");
    }
}

TEST(DamagedFiles, EveryTruncation) {
    const auto file = SmallFile();
    ASSERT_EQ(file.size(), 8944u);
    SampleTable table;
    for (std::size_t size = 0; size <= file.size(); ++size) {
        SCOPED_TRACE(::testing::Message() << "cut at " << size);
        const std::vector<std::uint8_t> cut(file.begin(), file.begin() + static_cast<long>(size));
        GroupLoadResult result;
        LoadAndPress(cut, "2", table, result);
        if (size < 2) {
            // No group count: the file counts as one of no groups.
            EXPECT_EQ(result.messages, (std::vector<MessageBoxText>{
                                           {"В указанном файле только 0 гр.", "Предупреждение"}}));
            EXPECT_FALSE(result.group);
            continue;
        }
        EXPECT_EQ(result.messages, std::vector<MessageBoxText>{kIncomplete});
        ASSERT_TRUE(result.group);
        const LoadedGroup& group = *result.group;
        const int blocks = WholeBlocks(size);
        for (int slot = 0; slot < kHoursPerDay; ++slot) {
            EXPECT_EQ(group.hour_slots[slot],
                      slot < blocks ? BuiltRecordSamples(slot, 2) : HourSamples{})
                << "slot " << slot;
        }
        if (size >= 276) {
            EXPECT_EQ(group.descriptor.scales[5].high, 1.0f);
        }
        if (size >= 292) {
            EXPECT_EQ(group.start_stamp.year, 2018);
            EXPECT_EQ(group.start_stamp.day, 5);
        } else {
            EXPECT_EQ(group.start_stamp.minute, 0);
        }
        // x = 614 reads index (574 * 360) / 1150 = 179: hour 1, minute 29, second sample.
        const auto readout =
            ComputeCursorReadout(614, kPlot, 0, 3, table, group.descriptor, group.start_stamp);
        ASSERT_TRUE(readout);
        EXPECT_EQ(readout->SampleIndex, 179);
        EXPECT_EQ(readout->TimeText, "01:29");
        EXPECT_EQ(readout->SampleNumber, 2);
        for (int k = 0; k < kInputsPerGroup; ++k) {
            const int raw = blocks > 1 ? BuiltSample(1, 2, SamplePosition(k, 29, 1)) : 0;
            EXPECT_FLOAT_EQ(readout->Percent[k], static_cast<float>(raw / 100.0)) << "input " << k;
        }
        if (::testing::Test::HasFailure()) {
            return;
        }
    }
}

TEST(DamagedFiles, SeededCorruptions) {
    const auto file = SmallFile();
    SampleTable table;
    std::mt19937 random(20261211);
    std::uniform_int_distribution<std::size_t> position(0, file.size() - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> flips(1, 16);
    for (int round = 0; round < 3000; ++round) {
        SCOPED_TRACE(::testing::Message() << "round " << round);
        auto damaged = file;
        for (int flip = flips(random); flip > 0; --flip) {
            damaged[position(random)] = static_cast<std::uint8_t>(byte(random));
        }
        // Most rounds keep the group count, so that the corruption reaches descriptors and records.
        const bool keeps_count = round % 4 != 0;
        if (keeps_count) {
            damaged[0] = 2;
            damaged[1] = 0;
        }
        const std::string group_text = round % 3 == 0 ? "1" : "2";
        GroupLoadResult result;
        LoadAndPress(damaged, group_text, table, result);
        EXPECT_FALSE(result.error);
        if (keeps_count) {
            // Three hour blocks of two groups, whatever the bytes inside them say.
            EXPECT_EQ(result.messages, std::vector<MessageBoxText>{kIncomplete});
            EXPECT_TRUE(result.group);
        } else if (result.group) {
            EXPECT_TRUE(result.messages == std::vector<MessageBoxText>{kIncomplete} ||
                        result.messages == std::vector<MessageBoxText>{kDamaged} ||
                        result.messages.empty());
        } else {
            ASSERT_EQ(result.messages.size(), 1u);
            EXPECT_TRUE(result.messages[0].text.starts_with("В указанном файле только "));
            EXPECT_EQ(result.messages[0].title, "Предупреждение");
        }
        if (::testing::Test::HasFailure()) {
            return;
        }
    }
}

TEST(DamagedFiles, ExtremeScalesAndStamps) {
    // Scales holding infinities, NaN, the largest floats and denormals; a stamp of extremes.
    const float extremes[] = {
        std::numeric_limits<float>::infinity(),  -std::numeric_limits<float>::infinity(),
        std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::max(),
        std::numeric_limits<float>::lowest(),    std::numeric_limits<float>::denorm_min()};
    TrendFileBuilder builder(1);
    for (int input = 0; input < 6; ++input) {
        builder.Scale(1, input, extremes[input], extremes[5 - input]);
    }
    builder.Stamp({-32768, 32767, -32768, 32767, -32768}).HourBlocks({0, 1});
    SampleTable table;
    GroupLoadResult result;
    LoadAndPress(builder.Bytes(), "1", table, result);
    ASSERT_TRUE(result.group);
    const auto readout = ComputeCursorReadout(614, kPlot, 0, 3, table, result.group->descriptor,
                                              result.group->start_stamp);
    ASSERT_TRUE(readout);
    EXPECT_EQ(readout->DateText, "-32768.32767.-32768");
    const auto tables = BuildReadoutTables(*readout, result.group->descriptor, kTitles, ".");
    // Input 3 runs from NaN to the largest float: every value is NaN.
    EXPECT_EQ(tables[0].back().text, "2 изм");
    const auto value_of_input_3 =
        std::find_if(tables[0].begin(), tables[0].end(),
                     [](const ReadoutCell& cell) { return cell.row == 3 && cell.column == 3; });
    ASSERT_NE(value_of_input_3, tables[0].end());
    EXPECT_EQ(value_of_input_3->text, "NAN");
}

}  // namespace
}  // namespace trend
