#pragma once

// Loading one group of a trend file: the group check, the chosen group's descriptor, the start
// stamp, the hour count warnings, and the group's hour records placed into 24 hour slots by their
// hour numbers. Nothing here shows anything: the result lists what the window must show, in the
// order it must show it, and the new contents of the stores when the load replaces them.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "trend_data/byte_source.h"
#include "trend_data/messages.h"
#include "trend_data/trend_file_format.h"

namespace trend {

// Texts of the load's messages (UTF-8).
inline constexpr std::string_view kOpenFailureText = "Файл не удается открыть";
inline constexpr std::string_view kOpenFailureTitle = "Открытие файла";
inline constexpr std::string_view kIncompleteFileText = "Возможно, файл неполный";
inline constexpr std::string_view kDamagedFileText = "Возможно, файл поврежден";
inline constexpr std::string_view kGroupBelowOneText = "Номер группы должен быть не меньше 1";
inline constexpr std::string_view kChartTitlePrefix = "Файл: ";

// What a load that passed the group check puts into the stores.
struct LoadedGroup {
    GroupDescriptor descriptor;
    StartStamp start_stamp;
    HourSlots hour_slots{};
};

struct GroupLoadResult {
    // "Файл: " and the file name; set as soon as the file is open, before anything is read, so
    // that the title names the new file even when the load ends early.
    std::optional<std::string> chart_title;
    // The group text is not an integer: for the application's error display. Ends the load.
    std::optional<std::string> error;
    // Message boxes in the order they are shown. All but the hour count warnings end the load.
    std::vector<MessageBoxText> messages;
    // Present exactly when the load got past the group check: the new descriptor, stamp and slots.
    std::optional<LoadedGroup> group;
};

// The integer of a text: optional leading spaces, an optional sign and decimal digits that fit a
// signed 32-bit value, nothing else.
[[nodiscard]] std::optional<int> TextToInteger(std::string_view text);

// "'<text>' is not a valid integer value".
[[nodiscard]] std::string NotAnIntegerError(std::string_view text);

// Where the record at `position` (0-based, among the accepted records in file order) with the
// given hour number goes: the first record only to slot 0 and only when numbered 0; every later
// record to the slot of its number when that is 1..23. Empty when the record is not placed.
[[nodiscard]] std::optional<int> SlotForRecord(std::int64_t position, int hour_number);

// Reads the group's records of hour blocks 0..hour_count-1 while their hour numbers keep rising
// (equal numbers allowed, nothing above 24) and places each as it is accepted. The first record
// that breaks the order ends the reading and is not used.
[[nodiscard]] HourSlots ReadAlignedHours(ByteSource& file, std::int64_t group_count,
                                         std::int64_t group, std::int64_t hour_count);

// The load from an open file (null when it could not be opened). `file_name` names the file in
// the chart title; `group_text` is the group number as typed.
[[nodiscard]] GroupLoadResult LoadGroupFrom(ByteSource* file, std::string_view file_name,
                                            std::string_view group_text);

// Opens `path`, loads the chosen group and closes the file again on every way out.
[[nodiscard]] GroupLoadResult LoadGroup(const std::string& path, std::string_view group_text);

}  // namespace trend
