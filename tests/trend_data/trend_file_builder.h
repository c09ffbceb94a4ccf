#pragma once

// Writes trend files for tests: any group count (also one that disagrees with the descriptors
// written), names, units, scales, a start stamp, hour blocks with chosen hour numbers and samples
// that tell block, group and position apart, and trailing bytes.

#include <cstdint>
#include <string_view>
#include <vector>

#include "trend_data/group_loading.h"
#include "trend_data/trend_file_format.h"

namespace trend::testing {

// The sample the builder writes at `position` of group `group`'s record in hour block `block`.
// Distinct for every block, group and position modulo 97, never all zero, and partly negative.
[[nodiscard]] std::int16_t BuiltSample(int block, int group, int position);
[[nodiscard]] HourSamples BuiltRecordSamples(int block, int group);

class TrendFileBuilder {
  public:
    // A file whose group count field and number of descriptors are both `groups`.
    explicit TrendFileBuilder(int groups);

    TrendFileBuilder& GroupCountField(std::int16_t value);
    TrendFileBuilder& Name(int group, int input, std::string_view bytes);
    TrendFileBuilder& Units(int group, int input, std::string_view bytes);
    TrendFileBuilder& Scale(int group, int input, float low, float high);
    TrendFileBuilder& Stamp(StartStamp stamp);
    // One hour block; every group's record carries `hour_number`.
    TrendFileBuilder& HourBlock(std::int16_t hour_number);
    // One hour block per number.
    TrendFileBuilder& HourBlocks(const std::vector<std::int16_t>& hour_numbers);
    TrendFileBuilder& TrailingBytes(int count);

    [[nodiscard]] std::vector<std::uint8_t> Bytes() const;

  private:
    struct Descriptor {
        std::vector<std::uint8_t> bytes = std::vector<std::uint8_t>(kGroupDescriptorSize);
    };

    int groups_;
    std::int16_t group_count_field_;
    std::vector<Descriptor> descriptors_;
    StartStamp stamp_{};
    std::vector<std::int16_t> hour_numbers_;
    int trailing_bytes_ = 0;
};

}  // namespace trend::testing
