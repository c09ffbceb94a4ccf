#pragma once

// Writes trend files for the tests, the fuzzer's seeds and the demo files: any group count (also
// one that disagrees with the descriptors written), names, units, scales, a start stamp, hour
// blocks with chosen hour numbers, samples from a function of block, group and position (by
// default ones that tell them apart), and trailing bytes.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "trend_data/group_loading.h"
#include "trend_data/trend_file_format.h"

namespace trend {

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
    // The sample at `position` (0..719) of group `group`'s record in hour block `block`; the
    // default is BuiltSample.
    using SampleFunction = std::function<std::int16_t(int block, int group, int position)>;
    TrendFileBuilder& Samples(SampleFunction samples);

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
    SampleFunction samples_ = BuiltSample;
};

// Writes `bytes` to `path`, replacing the file. False when the file cannot be written.
[[nodiscard]] bool WriteBytesToFile(const std::string& path,
                                    const std::vector<std::uint8_t>& bytes);

}  // namespace trend
