// Damaged files: every truncation of a small file and many seeded corruptions of it go through
// the whole path of a load and a press. Under the sanitizers of the test build, any read outside a
// buffer or undefined arithmetic fails the run; the checks below hold the load to its documented
// outcomes.

#include <gtest/gtest.h>

#include <random>

#include "readout/readout_tables.h"
#include "tests/trend_data/trend_file_builder.h"
#include "trend_data/group_loading.h"

namespace trend {
namespace {

const std::array<std::string, 6> kTitles = {"1", "2", "3", "4", "5", "6"};

// The test files hold three hours at most; the press covers them and a little beyond.
constexpr HourWindow kWindow{0, 3};

void ExpectDocumentedOutcome(const std::vector<std::uint8_t>& bytes, std::string_view group_text,
                             SampleTable& table) {
    MemoryByteSource source(bytes);
    const GroupLoadResult result = LoadGroupFrom(&source, "f", group_text);
    ASSERT_EQ(result.chart_title, "Файл: f");
    if (result.error) {
        EXPECT_TRUE(result.messages.empty());
        EXPECT_FALSE(result.group);
        return;
    }
    if (!result.group) {
        ASSERT_EQ(result.messages.size(), 1u);
        EXPECT_EQ(result.messages[0].title, "Предупреждение");
        return;
    }
    const std::int64_t group_count =
        bytes.size() < 2 ? 0 : static_cast<std::int16_t>(bytes[0] | (bytes[1] << 8));
    const std::int64_t hours = HourCount(static_cast<std::int64_t>(bytes.size()), group_count);
    EXPECT_EQ(result.messages.size(), hours == kHoursPerDay ? 0u : 1u);

    const auto points = table.Fill(result.group->hour_slots, kWindow);
    ASSERT_EQ(points[5].size(), 360u);
    const PlotExtents plot{40, 1190, 10, 560};
    for (const int x : {0, 40, 614, 1190, 5000}) {
        const auto readout =
            ComputeCursorReadout(x, plot, kWindow.first_hour, kWindow.hours, table,
                                 result.group->descriptor, result.group->start_stamp);
        if (!readout) {
            continue;
        }
        const auto tables = BuildReadoutTables(*readout, result.group->descriptor, kTitles, ".");
        EXPECT_EQ(tables[1].size(), 27u);
        const auto marker = ComputeCursorMarker(x, plot, *readout, ".");
        EXPECT_EQ(marker.line_x, x);
    }
}

std::vector<std::uint8_t> SmallFile() {
    return testing::TrendFileBuilder(2)
        .Name(1, 0, "\xC4\xE0\xE2\xEB\xE5\xED\xE8\xE5")
        .Scale(1, 0, -50.0f, 150.0f)
        .Scale(2, 5, 0.0f, 1.0f)
        .Stamp({2018, 3, 5, 8, 0})
        .HourBlocks({0, 1, 2})
        .Bytes();
}

TEST(DamagedFiles, EveryTruncation) {
    const auto file = SmallFile();
    SampleTable table;
    for (std::size_t size = 0; size <= file.size(); ++size) {
        SCOPED_TRACE(::testing::Message() << "cut at " << size);
        const std::vector<std::uint8_t> cut(file.begin(), file.begin() + static_cast<long>(size));
        ExpectDocumentedOutcome(cut, "2", table);
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
        if (round % 4 != 0) {
            damaged[0] = 2;
            damaged[1] = 0;
        }
        ExpectDocumentedOutcome(damaged, round % 3 == 0 ? "1" : "2", table);
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
    testing::TrendFileBuilder builder(1);
    for (int input = 0; input < 6; ++input) {
        builder.Scale(1, input, extremes[input], extremes[5 - input]);
    }
    builder.Stamp({-32768, 32767, -32768, 32767, -32768}).HourBlocks({0, 1});
    SampleTable table;
    ExpectDocumentedOutcome(builder.Bytes(), "1", table);
}

}  // namespace
}  // namespace trend
