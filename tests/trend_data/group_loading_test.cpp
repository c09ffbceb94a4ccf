#include "trend_data/group_loading.h"

#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <future>
#include <map>

#include "tools/trend_file_builder.h"

namespace trend {
namespace {

const MessageBoxText kIncomplete{"Возможно, файл неполный", "Предупреждение"};
const MessageBoxText kDamaged{"Возможно, файл поврежден", "Предупреждение"};

// Keeps the offsets the load reads from.
class RecordingSource final : public ByteSource {
  public:
    explicit RecordingSource(std::vector<std::uint8_t> bytes) : inner_(std::move(bytes)) {}
    std::int64_t Size() const override { return inner_.Size(); }
    std::size_t ReadAt(std::int64_t offset, std::span<std::uint8_t> out) override {
        offsets.push_back(offset);
        return inner_.ReadAt(offset, out);
    }
    std::vector<std::int64_t> offsets;

  private:
    MemoryByteSource inner_;
};

GroupLoadResult Load(const std::vector<std::uint8_t>& bytes, std::string_view group_text = "1") {
    MemoryByteSource source(bytes);
    return LoadGroupFrom(&source, "/data/day.dat", group_text);
}

// Slot h holds record `expected[h]` of `group`; -1 means the slot stays zero.
void ExpectSlots(const HourSlots& slots, const std::map<int, int>& filled, int group = 1) {
    for (int slot = 0; slot < kHoursPerDay; ++slot) {
        SCOPED_TRACE(::testing::Message() << "slot " << slot);
        const auto it = filled.find(slot);
        if (it == filled.end()) {
            EXPECT_EQ(slots[slot], HourSamples{});
        } else {
            EXPECT_EQ(slots[slot], BuiltRecordSamples(it->second, group));
        }
    }
}

std::vector<std::int16_t> Numbered(int from, int to) {
    std::vector<std::int16_t> numbers;
    for (int n = from; n <= to; ++n) {
        numbers.push_back(static_cast<std::int16_t>(n));
    }
    return numbers;
}

TEST(GroupLoading, AlignsHourRecordsByNumber) {
    struct Case {
        const char* name;
        std::vector<std::int16_t> hour_numbers;
        std::vector<MessageBoxText> messages;
        std::map<int, int> slot_to_record;
    };
    std::map<int, int> identity;
    for (int h = 0; h < 24; ++h) {
        identity[h] = h;
    }
    std::map<int, int> first_23(identity);
    first_23.erase(23);
    const Case cases[] = {
        {"complete day", Numbered(0, 23), {}, identity},
        {"23 blocks", Numbered(0, 22), {kIncomplete}, first_23},
        {"25 blocks, the one numbered 24 not placed", Numbered(0, 24), {kDamaged}, identity},
        {"gap in the hours",
         {0, 1, 2, 5, 6},
         {kIncomplete},
         {{0, 0}, {1, 1}, {2, 2}, {5, 3}, {6, 4}}},
        {"repeated hour: the last one counts",
         {0, 1, 1, 2},
         {kIncomplete},
         {{0, 0}, {1, 2}, {2, 3}}},
        {"falling hour ends the reading", {0, 3, 2, 4}, {kIncomplete}, {{0, 0}, {3, 1}}},
        {"first record not numbered 0", {5, 6, 7}, {kIncomplete}, {{6, 1}, {7, 2}}},
        {"all numbered 0", {0, 0, 0}, {kIncomplete}, {{0, 0}}},
        {"25 ends the reading at once", {0, 25, 2, 3}, {kIncomplete}, {{0, 0}}},
        {"24 after the first keeps later records out", {0, 24, 5, 24, 24}, {kIncomplete}, {{0, 0}}},
        {"negative first hour ends the reading", {-1, 1, 2}, {kIncomplete}, {}},
        {"no hour blocks", {}, {kIncomplete}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const GroupLoadResult result = Load(TrendFileBuilder(1).HourBlocks(c.hour_numbers).Bytes());
        EXPECT_EQ(result.chart_title, "Файл: /data/day.dat");
        EXPECT_FALSE(result.error);
        EXPECT_EQ(result.messages, c.messages);
        ASSERT_TRUE(result.group);
        ExpectSlots(result.group->hour_slots, c.slot_to_record);
    }
}

TEST(GroupLoading, StopsReadingAtTheFirstRecordOutOfOrder) {
    RecordingSource source(TrendFileBuilder(1).HourBlocks({0, 3, 2, 4}).Bytes());
    const auto result = LoadGroupFrom(&source, "f", "1");
    ASSERT_TRUE(result.group);
    const std::int64_t fourth_record = HourRecordOffset(1, 1, 3);
    EXPECT_EQ(std::count(source.offsets.begin(), source.offsets.end(), fourth_record), 0);
    EXPECT_EQ(std::count(source.offsets.begin(), source.offsets.end(), HourRecordOffset(1, 1, 2)),
              1);
}

TEST(GroupLoading, ReadsTheChosenGroupsDescriptorStampAndRecords) {
    // Every group of a three-group file: each has descriptors of its own, all share the stamp,
    // which lies after the last descriptor whichever group is read.
    const StartStamp stamp{2023, 3, 7, 8, 5};
    TrendFileBuilder builder(3);
    const std::string names[] = {"first", "second", "third"};
    const auto low_of = [](int group) { return -50.0f * static_cast<float>(group); };
    const auto high_of = [](int group) { return 150.0f + static_cast<float>(group); };
    for (int group = 1; group <= 3; ++group) {
        builder.Name(group, 0, names[group - 1])
            .Name(group, 5, "last" + std::to_string(group))
            .Units(group, 5, std::string(group, 'm'))
            .Scale(group, 2, low_of(group), high_of(group));
    }
    const auto bytes = builder.Stamp(stamp).HourBlocks(Numbered(0, 23)).Bytes();
    for (int group = 1; group <= 3; ++group) {
        SCOPED_TRACE(::testing::Message() << "group " << group);
        RecordingSource source(bytes);
        const GroupLoadResult result = LoadGroupFrom(&source, "f", std::to_string(group));
        EXPECT_TRUE(result.messages.empty());
        ASSERT_TRUE(result.group);
        const LoadedGroup& loaded = *result.group;
        EXPECT_EQ(FieldText(loaded.descriptor.names[0]), names[group - 1]);
        EXPECT_EQ(FieldText(loaded.descriptor.names[5]), "last" + std::to_string(group));
        EXPECT_EQ(FieldText(loaded.descriptor.units[5]), std::string(group, 'm'));
        EXPECT_EQ(loaded.descriptor.scales[2].low, low_of(group));
        EXPECT_EQ(loaded.descriptor.scales[2].high, high_of(group));
        EXPECT_EQ(loaded.start_stamp.year, 2023);
        EXPECT_EQ(loaded.start_stamp.month, 3);
        EXPECT_EQ(loaded.start_stamp.day, 7);
        EXPECT_EQ(loaded.start_stamp.hour, 8);
        EXPECT_EQ(loaded.start_stamp.minute, 5);
        for (int h = 0; h < 24; ++h) {
            EXPECT_EQ(loaded.hour_slots[h], BuiltRecordSamples(h, group)) << "slot " << h;
        }
        // Group g's record of block i lies at 432 + 1442 * (3i + g - 1).
        for (const std::int64_t offset : {432 + 1442 * (group - 1), 432 + 1442 * (3 + group - 1)}) {
            EXPECT_NE(std::find(source.offsets.begin(), source.offsets.end(), offset),
                      source.offsets.end())
                << "offset " << offset;
        }
    }
}

TEST(GroupLoading, TrailingBytesAreIgnored) {
    const auto result =
        Load(TrendFileBuilder(3).HourBlocks(Numbered(0, 23)).TrailingBytes(1441 * 3).Bytes(), "3");
    EXPECT_TRUE(result.messages.empty());
    ASSERT_TRUE(result.group);
    EXPECT_EQ(result.group->hour_slots[23], BuiltRecordSamples(23, 3));
}

TEST(GroupLoading, GroupCheckEndsTheLoad) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        std::string group_text;
        std::string message;
    };
    const Case cases[] = {
        {"group above the count", TrendFileBuilder(2).HourBlocks(Numbered(0, 23)).Bytes(), "3",
         "В указанном файле только 2 гр."},
        {"zero groups", TrendFileBuilder(1).GroupCountField(0).Bytes(), "1",
         "В указанном файле только 0 гр."},
        {"negative count", TrendFileBuilder(1).GroupCountField(-3).Bytes(), "8",
         "В указанном файле только -3 гр."},
        {"empty file", {}, "1", "В указанном файле только 0 гр."},
        {"one-byte file", {0x05}, "1", "В указанном файле только 0 гр."},
        {"group zero", TrendFileBuilder(2).Bytes(), "0", "Номер группы должен быть не меньше 1"},
        {"negative group", TrendFileBuilder(1).GroupCountField(-3).Bytes(), "-4",
         "Номер группы должен быть не меньше 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const GroupLoadResult result = Load(c.bytes, c.group_text);
        EXPECT_EQ(result.chart_title, "Файл: /data/day.dat");
        EXPECT_FALSE(result.error);
        EXPECT_EQ(result.messages, (std::vector<MessageBoxText>{{c.message, "Предупреждение"}}));
        EXPECT_FALSE(result.group);
    }
}

TEST(GroupLoading, GroupTextThatIsNoNumberFailsAfterTheTitle) {
    const auto bytes = TrendFileBuilder(1).HourBlocks(Numbered(0, 23)).Bytes();
    for (const std::string& text :
         std::vector<std::string>{"", "a", "1a", " ", "+-1", "99999999999"}) {
        SCOPED_TRACE(text);
        const GroupLoadResult result = Load(bytes, text);
        EXPECT_EQ(result.chart_title, "Файл: /data/day.dat");
        EXPECT_EQ(result.error, "'" + text + "' is not a valid integer value");
        EXPECT_TRUE(result.messages.empty());
        EXPECT_FALSE(result.group);
    }
    EXPECT_EQ(TextToInteger(" 2"), 2);
    EXPECT_EQ(TextToInteger("+7"), 7);
    EXPECT_EQ(TextToInteger("-3"), -3);
}

TEST(GroupLoading, FileEndingInsideItsHeaderLeavesNoStaleBytes) {
    const auto full = TrendFileBuilder(2)
                          .Name(1, 0, "AAAAAAAA")
                          .Name(1, 1, "BBBBBBBB")
                          .Scale(1, 0, 1.0f, 2.0f)
                          .Stamp({2023, 3, 7, 8, 5})
                          .Bytes();
    // Cut three bytes into the second name: the rest of the descriptor and the stamp are missing.
    const std::vector<std::uint8_t> cut(full.begin(), full.begin() + 2 + 2 + 8 + 3);
    const GroupLoadResult result = Load(cut);
    EXPECT_EQ(result.messages, std::vector<MessageBoxText>{kIncomplete});
    ASSERT_TRUE(result.group);
    EXPECT_EQ(FieldText(result.group->descriptor.names[0]), "AAAAAAAA");
    EXPECT_EQ(FieldText(result.group->descriptor.names[1]), "BBB");
    EXPECT_EQ(result.group->descriptor.scales[0].low, 0.0f);
    EXPECT_EQ(result.group->descriptor.scales[0].high, 0.0f);
    EXPECT_EQ(result.group->start_stamp.year, 0);
    ExpectSlots(result.group->hour_slots, {});
}

TEST(GroupLoading, HugeGroupCountInATinyFileReadsOnlyTheHeaderParts) {
    RecordingSource source(TrendFileBuilder(1).GroupCountField(32767).HourBlocks({0, 1}).Bytes());
    const GroupLoadResult result = LoadGroupFrom(&source, "f", "8");
    EXPECT_EQ(result.messages, std::vector<MessageBoxText>{kIncomplete});
    ASSERT_TRUE(result.group);
    ExpectSlots(result.group->hour_slots, {});
    // Group count, descriptor and stamp: no record is read and nothing loops by the count.
    EXPECT_EQ(source.offsets.size(), 3u);
}

int OpenDescriptorCount() {
    int count = 0;
    if (DIR* dir = opendir("/proc/self/fd")) {
        while (readdir(dir) != nullptr) {
            ++count;
        }
        closedir(dir);
    }
    return count;
}

class LoadFromDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("trend_load_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        const auto path = dir_ / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return path.string();
    }

    std::filesystem::path dir_;
};

TEST_F(LoadFromDisk, FilesThatCannotBeOpened) {
    const std::string fifo = (dir_ / "pipe.dat").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path :
         {(dir_ / "missing.dat").string(), dir_.string(), fifo, std::string("/dev/null")}) {
        SCOPED_TRACE(path);
        // A load that waits for a writer to the pipe would hang the test: the guard gives the pipe
        // a writer after a while, so that such a regression fails instead.
        auto load = std::async(std::launch::async, [&] { return LoadGroup(path, "1"); });
        if (load.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
            const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
            ADD_FAILURE() << "the open waited";
            load.wait();
            ::close(writer);
        }
        const GroupLoadResult result = load.get();
        EXPECT_FALSE(result.chart_title);
        EXPECT_EQ(result.messages,
                  (std::vector<MessageBoxText>{{"Файл не удается открыть", "Открытие файла"}}));
        EXPECT_FALSE(result.group);
    }
}

TEST_F(LoadFromDisk, ReadsAFileAndClosesItOnEveryWayOut) {
    const std::string complete =
        Write("complete.dat", TrendFileBuilder(1).HourBlocks(Numbered(0, 23)).Bytes());
    const std::string short_file =
        Write("short.dat", TrendFileBuilder(1).HourBlocks({0, 1}).Bytes());
    struct Case {
        const char* name;
        std::string path;
        std::string group_text;
        bool completes;
    };
    const Case cases[] = {
        {"complete", complete, "1", true},
        {"with a warning", short_file, "1", true},
        {"group text not a number", complete, "", false},
        {"group zero", complete, "0", false},
        {"group not in the file", complete, "2", false},
    };
    const int before = OpenDescriptorCount();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const GroupLoadResult result = LoadGroup(c.path, c.group_text);
        EXPECT_EQ(result.chart_title, "Файл: " + c.path);
        EXPECT_EQ(result.group.has_value(), c.completes);
        EXPECT_EQ(OpenDescriptorCount(), before);
    }
    const GroupLoadResult result = LoadGroup(complete, "1");
    ASSERT_TRUE(result.group);
    EXPECT_EQ(result.group->hour_slots[17], BuiltRecordSamples(17, 1));
}

}  // namespace
}  // namespace trend
