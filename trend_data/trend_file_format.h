#pragma once

// Byte layout of a trend file: one day of a recorder, all groups side by side.
//
//   offset 0                  group count C (int16)
//   offset 2                  C group descriptors of 140 bytes, group 1 first
//   offset 2 + 140*C          start stamp, 10 bytes
//   offset 12 + 140*C         H hour blocks, each holding one 1442-byte hour record per group
//
// Integers are signed 16-bit little-endian, reals IEEE single little-endian, texts fixed-width
// Windows-1251 fields ending at the first NUL byte. The hour count H is derived from the file size.

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace trend {

inline constexpr int kInputsPerGroup = 6;
inline constexpr int kHoursPerDay = 24;
inline constexpr int kMinutesPerHour = 60;
inline constexpr int kSamplesPerMinute = 2;                                  // per input
inline constexpr int kSamplesPerHour = kMinutesPerHour * kSamplesPerMinute;  // 120
inline constexpr int kSamplesPerDay = kHoursPerDay * kSamplesPerHour;        // 2880
inline constexpr int kSamplesPerRecord = kSamplesPerHour * kInputsPerGroup;  // 720

inline constexpr int kNameFieldSize = 8;
inline constexpr int kUnitsFieldSize = 6;

inline constexpr std::int64_t kGroupCountSize = 2;
inline constexpr std::int64_t kGroupDescriptorSize = 140;
inline constexpr std::int64_t kStartStampSize = 10;
inline constexpr std::int64_t kHourRecordSize = 2 + 2 * kSamplesPerRecord;  // 1442

// Offsets inside a group descriptor.
inline constexpr std::size_t kDescriptorNamesOffset = 2;
inline constexpr std::size_t kDescriptorUnitsOffset = 50;
inline constexpr std::size_t kDescriptorScalesOffset = 86;

using NameField = std::array<char, kNameFieldSize>;
using UnitsField = std::array<char, kUnitsFieldSize>;

// Low and high end of an input's scale in engineering units; p percent stands for
// low + p * (high - low) / 100. Nothing requires low < high.
struct ScaleRange {
    float low = 0.0f;
    float high = 0.0f;
};

// What the viewer keeps of a group descriptor: names, units and scales of the six inputs, as raw
// Windows-1251 bytes. The two uninterpreted fields of the record are not kept.
struct GroupDescriptor {
    std::array<NameField, kInputsPerGroup> names{};
    std::array<UnitsField, kInputsPerGroup> units{};
    std::array<ScaleRange, kInputsPerGroup> scales{};
};

// When the recorder began accumulating the file. Shown as stored, never validated.
struct StartStamp {
    std::int16_t year = 0;
    std::int16_t month = 0;
    std::int16_t day = 0;
    std::int16_t hour = 0;
    std::int16_t minute = 0;
};

using HourSamples = std::array<std::int16_t, kSamplesPerRecord>;

// The hours of one group placed by hour number: slot h holds the samples of hour h of the day; a
// slot that got no record holds zeros.
using HourSlots = std::array<HourSamples, kHoursPerDay>;

// One hour of one group: the hour number and 720 samples in hundredths of a percent, ordered by
// minute, then input, then first/second sample of the minute.
struct HourRecord {
    std::int16_t hour_number = 0;
    HourSamples samples{};
};

// Layout arithmetic. Groups are numbered from 1, hour blocks and inputs from 0 where noted.
[[nodiscard]] std::int64_t HeaderSize(std::int64_t group_count);
[[nodiscard]] std::int64_t GroupDescriptorOffset(std::int64_t group);
[[nodiscard]] std::int64_t StartStampOffset(std::int64_t group_count);
[[nodiscard]] std::int64_t HourRecordOffset(std::int64_t group_count, std::int64_t group,
                                            std::int64_t hour_block);

// Number of whole hour blocks in a file of `file_size` bytes: ((S - header) / 1442) / C in
// truncating signed arithmetic. Trailing bytes that do not fill a block are dropped; a file
// shorter than its header plus one block gives 0. Requires group_count >= 1 (gives 0 otherwise).
[[nodiscard]] std::int64_t HourCount(std::int64_t file_size, std::int64_t group_count);

// Position of a sample among a record's 720 samples: input 0..5, minute 0..59, sample 0..1.
[[nodiscard]] constexpr int SamplePosition(int input, int minute, int sample_of_minute) {
    return 12 * minute + 2 * input + sample_of_minute;
}

// Position of a sample within the day, 0..2879: the index of the percent tables and the x of
// every plotted point.
[[nodiscard]] constexpr int SampleIndex(int hour, int minute, int sample_of_minute) {
    return kSamplesPerHour * hour + kSamplesPerMinute * minute + sample_of_minute;
}

[[nodiscard]] GroupDescriptor DecodeGroupDescriptor(
    std::span<const std::uint8_t, kGroupDescriptorSize> bytes);
[[nodiscard]] StartStamp DecodeStartStamp(std::span<const std::uint8_t, kStartStampSize> bytes);
[[nodiscard]] HourRecord DecodeHourRecord(std::span<const std::uint8_t, kHourRecordSize> bytes);

// A text field's bytes up to the first NUL, or the whole field when it has none. Still
// Windows-1251; decode with DecodeWindows1251 for display.
[[nodiscard]] std::string FieldText(std::span<const char> field);

}  // namespace trend
