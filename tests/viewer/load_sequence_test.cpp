#include "viewer/load_sequence.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "tools/trend_file_builder.h"
#include "viewer/key_filter.h"

namespace trend {
namespace {

const char* CaptionName(Caption caption) {
    switch (caption) {
        case Caption::Label7:
            return "Label7";
        case Caption::Label8:
            return "Label8";
        case Caption::BottomAxisTitle:
            return "axis";
        case Caption::Label1:
            return "Label1";
        case Caption::Label2:
            return "Label2";
        case Caption::Label3:
            return "Label3";
        case Caption::Label4:
            return "Label4";
        case Caption::Label5:
            return "Label5";
        case Caption::Label6:
            return "Label6";
        case Caption::Label9:
            return "Label9";
        case Caption::Label10:
            return "Label10";
    }
    return "?";
}

// Records every effect of a load as a line, with the overlay request where the points arrive.
class Recorder final : public Dialogs, public LoadTarget {
  public:
    explicit Recorder(const ViewerStores& stores) : stores_(stores) {}

    std::optional<std::string> chosen;
    std::vector<std::string> effects;
    std::array<PointList, kInputsPerGroup> points;

    std::optional<std::string> ChooseFile(std::string_view title,
                                          const std::string& file_name) override {
        effects.push_back("dialog " + std::string(title) + " at '" + file_name + "'");
        return chosen;
    }
    void ShowMessage(const MessageBoxText& message) override {
        effects.push_back("message " + message.text + " | " + message.title);
    }
    void ShowError(const std::string& message) override { effects.push_back("error " + message); }
    void ReadingFile(bool reading) override { effects.push_back(reading ? "busy" : "idle"); }
    void SetChartTitle(const std::string& text) override { effects.push_back("title " + text); }
    void ClearSeries(int series) override {
        effects.push_back("clear " + std::to_string(series));
        points[series].clear();
    }
    void AddPoints(int series, const PointList& list) override {
        effects.push_back("points " + std::to_string(series) + " " + std::to_string(list.size()) +
                          " overlay " + std::to_string(stores_.OverlayRequest));
        points[series].insert(points[series].end(), list.begin(), list.end());
    }
    void SetCaption(Caption caption, const std::string& text) override {
        effects.push_back(std::string(CaptionName(caption)) + " " + text);
    }
    void ClearReadoutRows() override { effects.push_back("clear readout rows"); }

  private:
    const ViewerStores& stores_;
};

std::vector<std::int16_t> Hours(int count) {
    std::vector<std::int16_t> hours;
    for (int h = 0; h < count; ++h) {
        hours.push_back(static_cast<std::int16_t>(h));
    }
    return hours;
}

class LoadSequence : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("trend_sequence_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
        // Every case starts after an earlier load, so that "unchanged" and "new" differ.
        earlier_ = Write("earlier.dat", TrendFileBuilder(1)
                                            .Name(1, 0, "old")
                                            .Stamp({2001, 1, 1, 1, 1})
                                            .HourBlocks(Hours(24))
                                            .Bytes());
        Recorder recorder(stores_);
        LoadChosenFile(stores_, recorder, recorder, earlier_, {"1", 1, 24});
        ASSERT_EQ(stores_.OverlayRequest, 1);
        stores_.OverlayRequest = 0;  // as the chart's redraw leaves it
        before_ = stores_;
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        const std::string path = (dir_ / name).string();
        EXPECT_TRUE(WriteBytesToFile(path, bytes));
        return path;
    }

    // A new file: 2 groups, a stamp of its own, names that tell it from the earlier one.
    std::string NewFile(int blocks = 24, std::int16_t group_count = 2) {
        return Write("new.dat", TrendFileBuilder(2)
                                    .GroupCountField(group_count)
                                    .Name(1, 0, "new")
                                    .Name(2, 0, "new2")
                                    .Stamp({2023, 3, 7, 8, 5})
                                    .HourBlocks(Hours(blocks))
                                    .Bytes());
    }

    void ExpectStoresOfTheEarlierLoad() const {
        EXPECT_EQ(FieldText(stores_.loaded_descriptor.names[0]), "old");
        EXPECT_EQ(stores_.start_stamp.year, 2001);
        EXPECT_EQ(stores_.hour_slots, before_.hour_slots);
    }
    void ExpectWindowTextsAndTablesUnchanged() const {
        EXPECT_EQ(stores_.label7, before_.label7);
        EXPECT_EQ(stores_.label8, before_.label8);
        EXPECT_EQ(stores_.window_texts, before_.window_texts);
        EXPECT_EQ(stores_.OverlayRequest, 0);
        for (int k = 0; k < kInputsPerGroup; ++k) {
            for (const int index : {0, 1000, 2879}) {
                EXPECT_EQ(stores_.sample_table.At(k, index), before_.sample_table.At(k, index));
            }
        }
    }

    std::filesystem::path dir_;
    std::string earlier_;
    ViewerStores stores_;
    ViewerStores before_;
};

const std::vector<std::string> kClearSeries = {"clear 0", "clear 1", "clear 2",
                                               "clear 3", "clear 4", "clear 5"};

std::vector<std::string> Concat(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

TEST_F(LoadSequence, CompleteLoadInTheOrderOfItsEffects) {
    const std::string path = NewFile();
    Recorder recorder(stores_);
    recorder.chosen = path;
    OpenFileClick(stores_, recorder, recorder, {"2", 7, 6});
    const std::vector<std::string> expected = Concat({
        {"dialog Открытие файла накопления трендов at '" + earlier_ + "'", "busy", "idle",
         "title Файл: " + path},
        kClearSeries,
        {"Label7 Время начала накопления: 8:5", "Label8 Дата: 7.3.2023"},
        {"points 0 720 overlay 1", "points 1 720 overlay 1", "points 2 720 overlay 1",
         "points 3 720 overlay 1", "points 4 720 overlay 1", "points 5 720 overlay 1"},
        {"axis 09:00", "Label3 07:30", "Label4 10:30", "Label5 06:45", "Label6 09:45",
         "Label9 08:15", "Label10 11:15", "Label1 6:00", "Label2 12:00", "clear readout rows"},
    });
    EXPECT_EQ(recorder.effects, expected);

    EXPECT_EQ(stores_.remembered_file_name, path);
    EXPECT_EQ(FieldText(stores_.loaded_descriptor.names[0]), "new2");
    EXPECT_EQ(stores_.start_stamp.year, 2023);
    EXPECT_EQ(stores_.hour_slots[23], BuiltRecordSamples(23, 2));
    EXPECT_EQ(stores_.OverlayRequest, 1);
    EXPECT_EQ(stores_.label7, "Время начала накопления: 8:5");
    EXPECT_EQ(stores_.window_texts.label2, "12:00");
    // Points of hours 6..11, each y the table's entry; the rest of the table as before.
    for (int k = 0; k < kInputsPerGroup; ++k) {
        ASSERT_EQ(recorder.points[k].size(), 720u);
        EXPECT_EQ(recorder.points[k].front().x, 720.0);
        EXPECT_EQ(recorder.points[k].back().x, 1439.0);
        for (const PlotPoint& point : recorder.points[k]) {
            ASSERT_EQ(point.y, stores_.sample_table.At(k, static_cast<int>(point.x)));
        }
        EXPECT_EQ(stores_.sample_table.At(k, 719), before_.sample_table.At(k, 719));
        EXPECT_EQ(stores_.sample_table.At(k, 1440), before_.sample_table.At(k, 1440));
    }
}

TEST_F(LoadSequence, DefaultWindowPlotsTheWholeDay) {
    const std::string path = NewFile();
    Recorder recorder(stores_);
    LoadChosenFile(stores_, recorder, recorder, path, {"1", 1, 24});
    for (int k = 0; k < kInputsPerGroup; ++k) {
        ASSERT_EQ(recorder.points[k].size(), 2880u);
        EXPECT_EQ(recorder.points[k].front().x, 0.0);
        EXPECT_EQ(recorder.points[k].back().x, 2879.0);
    }
    EXPECT_EQ(stores_.window_texts.label1, "0:00");
    EXPECT_EQ(stores_.window_texts.bottom_axis_title, "12:00");
}

TEST_F(LoadSequence, CancelledDialogChangesNothing) {
    Recorder recorder(stores_);
    OpenFileClick(stores_, recorder, recorder, {"1", 1, 24});
    EXPECT_EQ(recorder.effects,
              (std::vector<std::string>{"dialog Открытие файла накопления трендов at '" + earlier_ +
                                        "'"}));
    EXPECT_EQ(stores_.remembered_file_name, earlier_);
    ExpectStoresOfTheEarlierLoad();
    ExpectWindowTextsAndTablesUnchanged();
}

// The loads that end before the group is read: only the remembered name and, once the file is
// open, the chart title change.
TEST_F(LoadSequence, EarlyEndsBeforeTheGroupIsRead) {
    const std::string missing = (dir_ / "missing.dat").string();
    struct Case {
        const char* name;
        std::string path;
        std::string group_text;
        std::vector<std::string> effects;
    };
    const std::string two_groups = NewFile();
    const std::string zero_groups =
        Write("zero.dat", TrendFileBuilder(1).GroupCountField(0).Bytes());
    const std::string negative =
        Write("negative.dat", TrendFileBuilder(1).GroupCountField(-3).Bytes());
    const Case cases[] = {
        {"file cannot be opened",
         missing,
         "1",
         {"busy", "idle", "message Файл не удается открыть | Открытие файла"}},
        {"emptied group edit",
         two_groups,
         "",
         {"busy", "idle", "title Файл: " + two_groups, "error '' is not a valid integer value"}},
        {"group above the count",
         two_groups,
         "3",
         {"busy", "idle", "title Файл: " + two_groups,
          "message В указанном файле только 2 гр. | Предупреждение"}},
        {"no groups",
         zero_groups,
         "1",
         {"busy", "idle", "title Файл: " + zero_groups,
          "message В указанном файле только 0 гр. | Предупреждение"}},
        {"negative count",
         negative,
         "8",
         {"busy", "idle", "title Файл: " + negative,
          "message В указанном файле только -3 гр. | Предупреждение"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Recorder recorder(stores_);
        LoadChosenFile(stores_, recorder, recorder, c.path, {c.group_text, 1, 24});
        EXPECT_EQ(recorder.effects, c.effects);
        EXPECT_EQ(stores_.remembered_file_name, c.path);
        ExpectStoresOfTheEarlierLoad();
        ExpectWindowTextsAndTablesUnchanged();
    }
}

TEST_F(LoadSequence, AfterAnEmptiedGroupEditTheNextLoadWorks) {
    const std::string path = NewFile();
    Recorder failed(stores_);
    LoadChosenFile(stores_, failed, failed, path, {"", 1, 24});
    Recorder recorder(stores_);
    LoadChosenFile(stores_, recorder, recorder, path, {"2", 1, 24});
    EXPECT_EQ(recorder.effects.back(), "clear readout rows");
    EXPECT_EQ(FieldText(stores_.loaded_descriptor.names[0]), "new2");
    EXPECT_EQ(stores_.OverlayRequest, 1);
}

TEST_F(LoadSequence, RefusedWindowEmptiesTheSeriesAndKeepsTheCaptions) {
    const std::string path = NewFile();
    struct Case {
        int first_hour, hours;
    };
    for (const Case c : {Case{2, 24}, Case{24, 2}, Case{13, 13}}) {
        SCOPED_TRACE(::testing::Message() << c.first_hour << " and " << c.hours);
        Recorder recorder(stores_);
        LoadChosenFile(stores_, recorder, recorder, path, {"1", c.first_hour, c.hours});
        EXPECT_EQ(recorder.effects,
                  Concat({{"busy", "idle", "title Файл: " + path},
                          kClearSeries,
                          {"message проверьте, правильно ли заданы\nначальный час и количество "
                           "часов | Предупреждение"}}));
        // The group is loaded: descriptor, stamp and slots are the new file's.
        EXPECT_EQ(FieldText(stores_.loaded_descriptor.names[0]), "new");
        EXPECT_EQ(stores_.start_stamp.year, 2023);
        EXPECT_EQ(stores_.hour_slots[5], BuiltRecordSamples(5, 1));
        ExpectWindowTextsAndTablesUnchanged();
    }
}

TEST_F(LoadSequence, HourCountWarningsDoNotEndTheLoad) {
    struct Case {
        const char* name;
        int blocks;
        std::string message;
    };
    const Case cases[] = {
        {"23 hours", 23, "message Возможно, файл неполный | Предупреждение"},
        {"25 hours", 25, "message Возможно, файл поврежден | Предупреждение"},
        {"no hours", 0, "message Возможно, файл неполный | Предупреждение"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = NewFile(c.blocks);
        Recorder recorder(stores_);
        LoadChosenFile(stores_, recorder, recorder, path, {"1", 1, 24});
        ASSERT_GE(recorder.effects.size(), 5u);
        EXPECT_EQ(recorder.effects[3], c.message);
        EXPECT_EQ(recorder.effects[4], "clear 0");
        EXPECT_EQ(recorder.effects.back(), "clear readout rows");
        EXPECT_EQ(stores_.OverlayRequest, 1);
        EXPECT_EQ(stores_.start_stamp.year, 2023);
        // Hours the file does not hold plot as zeros.
        const float last_sample = PercentOfRaw(BuiltSample(23, 1, SamplePosition(0, 59, 1)));
        EXPECT_EQ(stores_.sample_table.At(0, 2879), c.blocks >= 24 ? last_sample : 0.0f);
        stores_.OverlayRequest = 0;
    }
}

TEST(KeyFilter, OnlyGroupDigitsAndBackspacePass) {
    for (const char32_t key : {U'1', U'2', U'5', U'8', kBackspace}) {
        EXPECT_EQ(Edit1KeyPress(key), key);
    }
    for (const char32_t key : {U'0', U'9', U'a', U' ', U'-', U'+', U'\r', U'\x1b', U'ы', U'٣'}) {
        EXPECT_EQ(Edit1KeyPress(key), 0u) << static_cast<unsigned>(key);
    }
}

}  // namespace
}  // namespace trend
