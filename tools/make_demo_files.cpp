// Writes the demo trend files into a folder: a complete day of eight groups, a day that stops
// after 17 hours and a day whose hour order is damaged.
//
//   make_demo_files FOLDER

#include <cstdio>
#include <filesystem>

#include "tools/demo_days.h"
#include "tools/trend_file_builder.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (const trend::DemoFile& file : trend::DemoFiles()) {
        const std::string path = (folder / file.name).string();
        if (!trend::WriteBytesToFile(path, file.bytes)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%s\n", path.c_str());
    }
    return 0;
}
