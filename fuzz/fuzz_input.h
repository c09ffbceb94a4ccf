#pragma once

// How the fuzzer's input bytes split into the user's choices and a trend file. The seed writer
// uses the same layout to prefix its files.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "readout/cursor_readout.h"

namespace trend {

inline constexpr std::size_t kFuzzPrefixSize = 20;

struct FuzzInput {
    std::string group_text;
    int first_hour = 1;  // spin positions, 1..24
    int hours = 24;
    PlotExtents plot;
    std::array<int, 4> presses{};
    std::vector<std::uint8_t> file;
};

inline FuzzInput SplitFuzzInput(const std::uint8_t* data, std::size_t size) {
    std::array<std::uint8_t, kFuzzPrefixSize> prefix{};
    const std::size_t prefix_size = size < kFuzzPrefixSize ? size : kFuzzPrefixSize;
    for (std::size_t i = 0; i < prefix_size; ++i) {
        prefix[i] = data[i];
    }
    FuzzInput input;
    // Digits 0..9, and an emptied edit.
    if (prefix[0] % 11 != 10) {
        input.group_text = std::string(1, static_cast<char>('0' + prefix[0] % 11));
    }
    input.first_hour = 1 + prefix[1] % 24;
    input.hours = 1 + prefix[2] % 24;
    // The chart as laid out, one never laid out, a narrow one and one at the limits of int.
    constexpr std::array<PlotExtents, 4> kPlots = {{{57, 1181, 30, 560},
                                                    {0, 0, 0, 0},
                                                    {100, 101, 5, 6},
                                                    {-2147483647 - 1, 2147483647, -5, 2147483647}}};
    input.plot = kPlots[prefix[3] % kPlots.size()];
    for (std::size_t p = 0; p < input.presses.size(); ++p) {
        const std::size_t at = 4 + 4 * p;
        const std::uint32_t bits =
            std::uint32_t{prefix[at]} | (std::uint32_t{prefix[at + 1]} << 8) |
            (std::uint32_t{prefix[at + 2]} << 16) | (std::uint32_t{prefix[at + 3]} << 24);
        input.presses[p] = static_cast<int>(bits);
    }
    if (size > kFuzzPrefixSize) {
        input.file.assign(data + kFuzzPrefixSize, data + size);
    }
    return input;
}

// The prefix of a seed: group `group` (1..9), spins at 1 and 24, the ordinary chart, presses at
// the given columns.
inline std::vector<std::uint8_t> FuzzPrefix(int group, std::array<int, 4> presses) {
    std::vector<std::uint8_t> prefix = {static_cast<std::uint8_t>(group), 0, 23, 0};
    for (const int x : presses) {
        const auto bits = static_cast<std::uint32_t>(x);
        for (int shift = 0; shift < 32; shift += 8) {
            prefix.push_back(static_cast<std::uint8_t>(bits >> shift));
        }
    }
    return prefix;
}

}  // namespace trend
