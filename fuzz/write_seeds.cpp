// Writes the fuzzer's seed corpus into a folder: the demo days, small and damaged files, and
// files of 0, 1, 2 and 11 bytes, each behind an input prefix that loads group 1 or 2 with the
// default window and presses across the plot.
//
//   write_seeds FOLDER

#include <cstdio>
#include <filesystem>

#include "fuzz/fuzz_input.h"
#include "tools/demo_days.h"
#include "tools/trend_file_builder.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    using namespace trend;
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);

    const auto one_group_day = TrendFileBuilder(1).HourBlocks(
        {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23});
    auto truncated = ShortDemoDay(3);
    truncated.resize(truncated.size() - 700);
    const std::vector<std::pair<std::string, std::vector<std::uint8_t>>> files = {
        {"eight-groups", CompleteDemoDay()},
        {"one-group", one_group_day.Bytes()},
        {"damaged-order", DamagedOrderDemoDay()},
        {"truncated", truncated},
        {"empty", {}},
        {"one-byte", {0x01}},
        {"two-bytes", {0x01, 0x00}},
        {"eleven-bytes", {0x01, 0x00, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
    };
    int written = 0;
    for (const auto& [name, bytes] : files) {
        for (const int group : {1, 2}) {
            std::vector<std::uint8_t> seed = FuzzPrefix(group, {57, 620, 1181, 20});
            seed.insert(seed.end(), bytes.begin(), bytes.end());
            const auto path = folder / (name + "-group" + std::to_string(group));
            if (!WriteBytesToFile(path.string(), seed)) {
                std::fprintf(stderr, "cannot write %s\n", path.c_str());
                return 1;
            }
            ++written;
        }
    }
    std::printf("%d seeds in %s\n", written, folder.c_str());
    return 0;
}
