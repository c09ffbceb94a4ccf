#include "trend_data/group_loading.h"

#include <charconv>
#include <limits>

#include "trend_data/byte_order.h"

namespace trend {

namespace {

MessageBoxText Warning(std::string_view text) {
    return {std::string(text), std::string(kWarningTitle)};
}

template <std::size_t N>
std::array<std::uint8_t, N> ReadBlock(ByteSource& file, std::int64_t offset) {
    std::array<std::uint8_t, N> bytes;
    ReadZeroFilled(file, offset, bytes);
    return bytes;
}

}  // namespace

std::optional<int> TextToInteger(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text.remove_prefix(first);
    if (text.starts_with('+')) {
        text.remove_prefix(1);
        if (text.starts_with('-')) {
            return std::nullopt;
        }
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::string NotAnIntegerError(std::string_view text) {
    return "'" + std::string(text) + "' is not a valid integer value";
}

std::optional<int> SlotForRecord(std::int64_t position, int hour_number) {
    if (position == 0) {
        return hour_number == 0 ? std::optional<int>(0) : std::nullopt;
    }
    if (hour_number >= 1 && hour_number < kHoursPerDay) {
        return hour_number;
    }
    return std::nullopt;
}

HourSlots ReadAlignedHours(ByteSource& file, std::int64_t group_count, std::int64_t group,
                           std::int64_t hour_count) {
    HourSlots slots{};
    int highest_accepted = 0;
    std::array<std::uint8_t, kHourRecordSize> bytes;
    for (std::int64_t block = 0; block < hour_count; ++block) {
        ReadZeroFilled(file, HourRecordOffset(group_count, group, block), bytes);
        const int hour_number = ReadInt16LE(bytes, 0);
        if (hour_number > kHoursPerDay || hour_number < highest_accepted) {
            break;
        }
        highest_accepted = hour_number;
        // Placing each record as it is accepted bounds memory by the 24 slots, however long the
        // file; a later record with the same hour number overwrites an earlier one.
        if (const auto slot = SlotForRecord(block, hour_number)) {
            slots[*slot] = DecodeHourRecord(bytes).samples;
        }
    }
    return slots;
}

GroupLoadResult LoadGroupFrom(ByteSource* file, std::string_view file_name,
                              std::string_view group_text) {
    GroupLoadResult result;
    if (file == nullptr) {
        result.messages.push_back({std::string(kOpenFailureText), std::string(kOpenFailureTitle)});
        return result;
    }
    result.chart_title = std::string(kChartTitlePrefix) + std::string(file_name);

    const std::int64_t file_size = file->Size();
    // A file too short to hold a group count counts as one with no groups.
    const std::int64_t group_count =
        file_size < kGroupCountSize ? 0 : ReadInt16LE(ReadBlock<kGroupCountSize>(*file, 0), 0);

    const std::optional<int> group = TextToInteger(group_text);
    if (!group) {
        result.error = NotAnIntegerError(group_text);
        return result;
    }
    // A group below 1 would address bytes before the first descriptor.
    if (*group < 1) {
        result.messages.push_back(Warning(kGroupBelowOneText));
        return result;
    }
    if (group_count < *group) {
        result.messages.push_back(
            Warning("В указанном файле только " + std::to_string(group_count) + " гр."));
        return result;
    }

    LoadedGroup loaded;
    loaded.descriptor = DecodeGroupDescriptor(
        ReadBlock<kGroupDescriptorSize>(*file, GroupDescriptorOffset(*group)));
    loaded.start_stamp =
        DecodeStartStamp(ReadBlock<kStartStampSize>(*file, StartStampOffset(group_count)));

    const std::int64_t hour_count = HourCount(file_size, group_count);
    if (hour_count < kHoursPerDay) {
        result.messages.push_back(Warning(kIncompleteFileText));
    } else if (hour_count > kHoursPerDay) {
        result.messages.push_back(Warning(kDamagedFileText));
    }

    loaded.hour_slots = ReadAlignedHours(*file, group_count, *group, hour_count);
    result.group = std::move(loaded);
    return result;
}

GroupLoadResult LoadGroup(const std::string& path, std::string_view group_text) {
    const std::unique_ptr<ByteSource> file = OpenFileForReading(path);
    return LoadGroupFrom(file.get(), path, group_text);
}

}  // namespace trend
