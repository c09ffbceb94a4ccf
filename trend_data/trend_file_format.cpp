#include "trend_data/trend_file_format.h"

#include <algorithm>

#include "trend_data/byte_order.h"

namespace trend {

std::int64_t HeaderSize(std::int64_t group_count) {
    return kGroupCountSize + kGroupDescriptorSize * group_count + kStartStampSize;
}

std::int64_t GroupDescriptorOffset(std::int64_t group) {
    return kGroupCountSize + kGroupDescriptorSize * (group - 1);
}

std::int64_t StartStampOffset(std::int64_t group_count) {
    return kGroupCountSize + kGroupDescriptorSize * group_count;
}

std::int64_t HourRecordOffset(std::int64_t group_count, std::int64_t group,
                              std::int64_t hour_block) {
    return HeaderSize(group_count) + kHourRecordSize * (hour_block * group_count + group - 1);
}

std::int64_t HourCount(std::int64_t file_size, std::int64_t group_count) {
    if (group_count < 1) {
        return 0;
    }
    // C++ division truncates toward zero, as the format's rule requires for short files.
    return ((file_size - HeaderSize(group_count)) / kHourRecordSize) / group_count;
}

GroupDescriptor DecodeGroupDescriptor(std::span<const std::uint8_t, kGroupDescriptorSize> bytes) {
    GroupDescriptor descriptor;
    for (int input = 0; input < kInputsPerGroup; ++input) {
        const auto name =
            bytes.subspan(kDescriptorNamesOffset + kNameFieldSize * input, kNameFieldSize);
        std::copy(name.begin(), name.end(), descriptor.names[input].begin());
        const auto units =
            bytes.subspan(kDescriptorUnitsOffset + kUnitsFieldSize * input, kUnitsFieldSize);
        std::copy(units.begin(), units.end(), descriptor.units[input].begin());
        const std::size_t scale = kDescriptorScalesOffset + 8 * input;
        descriptor.scales[input] = {ReadFloat32LE(bytes, scale), ReadFloat32LE(bytes, scale + 4)};
    }
    return descriptor;
}

StartStamp DecodeStartStamp(std::span<const std::uint8_t, kStartStampSize> bytes) {
    return {ReadInt16LE(bytes, 0), ReadInt16LE(bytes, 2), ReadInt16LE(bytes, 4),
            ReadInt16LE(bytes, 6), ReadInt16LE(bytes, 8)};
}

HourRecord DecodeHourRecord(std::span<const std::uint8_t, kHourRecordSize> bytes) {
    HourRecord record;
    record.hour_number = ReadInt16LE(bytes, 0);
    for (std::size_t i = 0; i < record.samples.size(); ++i) {
        record.samples[i] = ReadInt16LE(bytes, 2 + 2 * i);
    }
    return record;
}

std::string FieldText(std::span<const char> field) {
    const auto end = std::find(field.begin(), field.end(), '\0');
    return std::string(field.begin(), end);
}

}  // namespace trend
