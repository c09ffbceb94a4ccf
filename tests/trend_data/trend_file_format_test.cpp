#include "trend_data/trend_file_format.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "tools/trend_file_builder.h"

namespace trend {
namespace {

TEST(HourCount, FollowsFileSizeAndGroupCount) {
    struct Case {
        const char* name;
        std::int64_t file_size;
        std::int64_t group_count;
        std::int64_t hours;
    };
    const Case cases[] = {
        {"complete one-group day", 34760, 1, 24},
        {"one byte short of a day", 34759, 1, 23},
        {"complete eight-group day", 277996, 8, 24},
        {"three groups, ten blocks and 500 bytes", 44192, 3, 10},
        {"one byte short of the first block", 1593, 1, 0},
        {"exactly one block", 1594, 1, 1},
        {"header only", 152, 1, 0},
        {"shorter than the header", 100, 3, 0},
        {"empty file", 0, 1, 0},
        {"no groups", 34760, 0, 0},
        {"huge group count in a tiny file", 200, 32767, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(HourCount(c.file_size, c.group_count), c.hours);
    }
}

TEST(Layout, RecordOffsets) {
    struct Case {
        std::int64_t group_count, group, block, offset;
    };
    const Case cases[] = {
        {1, 1, 0, 152},  {1, 1, 23, 152 + 23 * 1442}, {8, 8, 0, 11226}, {2, 2, 0, 1734},
        {2, 2, 1, 4618}, {3, 1, 1, 432 + 3 * 1442},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "C=" << c.group_count << " g=" << c.group << " block=" << c.block);
        EXPECT_EQ(HourRecordOffset(c.group_count, c.group, c.block), c.offset);
    }
    EXPECT_EQ(HeaderSize(8), 1132);
    EXPECT_EQ(GroupDescriptorOffset(3), 282);
    EXPECT_EQ(StartStampOffset(2), 282);
}

TEST(Layout, LastSampleOfARecordIsItsLastTwoBytes) {
    const auto file = TrendFileBuilder(1).HourBlock(0).Bytes();
    ASSERT_EQ(file.size(), 1594u);
    const int position = SamplePosition(5, 59, 1);
    EXPECT_EQ(position, 719);
    EXPECT_EQ(HourRecordOffset(1, 1, 0) + 2 + 2 * position, 1592);

    const auto record = DecodeHourRecord(std::span<const std::uint8_t, kHourRecordSize>(
        file.data() + HourRecordOffset(1, 1, 0), kHourRecordSize));
    const auto expected = static_cast<std::int16_t>(file[1592] | (file[1593] << 8));
    EXPECT_EQ(record.samples[position], expected);
    EXPECT_EQ(record.samples, BuiltRecordSamples(0, 1));
}

TEST(Layout, SampleIndexAndPositionOrder) {
    EXPECT_EQ(SampleIndex(0, 0, 0), 0);
    EXPECT_EQ(SampleIndex(23, 59, 1), 2879);
    EXPECT_EQ(SampleIndex(12, 1, 0), 1442);
    // Within a minute: input 1 first and second sample, then input 2 ...
    EXPECT_EQ(SamplePosition(0, 0, 1), 1);
    EXPECT_EQ(SamplePosition(1, 0, 0), 2);
    EXPECT_EQ(SamplePosition(0, 1, 0), 12);
}

TEST(Decode, HourNumberIsSigned) {
    struct Case {
        std::uint8_t low, high;
        std::int16_t value;
    };
    const Case cases[] = {{0xFF, 0xFF, -1},
                          {0x17, 0x00, 23},
                          {0x00, 0x80, -32768},
                          {0xFF, 0x7F, 32767},
                          {0x00, 0x01, 256}};
    for (const Case& c : cases) {
        std::array<std::uint8_t, kHourRecordSize> bytes{};
        bytes[0] = c.low;
        bytes[1] = c.high;
        bytes[2] = c.low;
        bytes[3] = c.high;
        const HourRecord record = DecodeHourRecord(bytes);
        EXPECT_EQ(record.hour_number, c.value);
        EXPECT_EQ(record.samples[0], c.value);
    }
}

TEST(Decode, DescriptorFieldsAtTheirOffsets) {
    const auto file = TrendFileBuilder(1)
                          .Name(1, 0, "ABCDEFGH")
                          .Name(1, 1, "T1")
                          .Name(1, 5, "last")
                          .Units(1, 0, "kgf/cm")
                          .Units(1, 5, "mm")
                          .Scale(1, 0, -50.0f, 150.0f)
                          .Scale(1, 5, 0.125f, -3.5f)
                          .Bytes();
    const auto descriptor = DecodeGroupDescriptor(
        std::span<const std::uint8_t, kGroupDescriptorSize>(file.data() + 2, kGroupDescriptorSize));
    EXPECT_EQ(FieldText(descriptor.names[0]), "ABCDEFGH");
    EXPECT_EQ(FieldText(descriptor.names[1]), "T1");
    EXPECT_EQ(FieldText(descriptor.names[2]), "");
    EXPECT_EQ(FieldText(descriptor.names[5]), "last");
    EXPECT_EQ(FieldText(descriptor.units[0]), "kgf/cm");
    EXPECT_EQ(FieldText(descriptor.units[5]), "mm");
    EXPECT_EQ(descriptor.scales[0].low, -50.0f);
    EXPECT_EQ(descriptor.scales[0].high, 150.0f);
    EXPECT_EQ(descriptor.scales[5].low, 0.125f);
    EXPECT_EQ(descriptor.scales[5].high, -3.5f);
    EXPECT_EQ(descriptor.scales[3].low, 0.0f);
}

TEST(FieldText, EndsAtTheFirstNul) {
    struct Case {
        const char* name;
        std::array<char, 8> field;
        std::string text;
    };
    const Case cases[] = {
        {"eight characters", {'P', 'r', 'e', 's', 's', 'u', 'r', 'e'}, "Pressure"},
        {"third byte zero", {'T', '1', '\0', 'x', 'y', 'z', 'w', 'v'}, "T1"},
        {"first byte zero", {'\0', 'a', 'b', 'c', 'd', 'e', 'f', 'g'}, ""},
        {"spaces kept", {' ', 'a', ' ', '\0', 0, 0, 0, 0}, " a "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FieldText(c.field), c.text);
    }
}

TEST(Decode, StartStampFieldsInOrder) {
    const std::array<std::uint8_t, kStartStampSize> bytes = {0xE7, 0x07, 3,    0,  7,
                                                             0,    0xFF, 0xFF, 75, 0};
    const StartStamp stamp = DecodeStartStamp(bytes);
    EXPECT_EQ(stamp.year, 2023);
    EXPECT_EQ(stamp.month, 3);
    EXPECT_EQ(stamp.day, 7);
    EXPECT_EQ(stamp.hour, -1);
    EXPECT_EQ(stamp.minute, 75);
}

}  // namespace
}  // namespace trend
