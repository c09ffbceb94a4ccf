#pragma once

// Realistic demo trend files: eight groups of a boiler house's inputs with Cyrillic names and
// units, sensible scales, and signals made of slow waves, steps and a little noise. The same
// bytes every time, so that they can serve as test fixtures and fuzzing seeds too.

#include <cstdint>
#include <string>
#include <vector>

namespace trend {

inline constexpr int kDemoGroups = 8;

// A whole day: hour blocks 0..23.
[[nodiscard]] std::vector<std::uint8_t> CompleteDemoDay();
// A day whose recording stopped after `hours` hours (blocks 0..hours-1).
[[nodiscard]] std::vector<std::uint8_t> ShortDemoDay(int hours);
// A day whose hour numbers fall back after hour 9: the load keeps hours 0..9 only.
[[nodiscard]] std::vector<std::uint8_t> DamagedOrderDemoDay();

// The three demo files and their names.
struct DemoFile {
    std::string name;
    std::vector<std::uint8_t> bytes;
};
[[nodiscard]] std::vector<DemoFile> DemoFiles();

// UTF-8 text in Windows-1251, the code page of the file's texts; characters the code page lacks
// become "?".
[[nodiscard]] std::string EncodeWindows1251(std::string_view utf8);

}  // namespace trend
