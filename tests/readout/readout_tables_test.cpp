#include "readout/readout_tables.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>

namespace trend {
namespace {

const std::array<std::string, 6> kTitles = {"вход  1", "вход 2", "вход 3",
                                            "вход 4",  "вход 5", "вход 6"};

std::map<std::pair<int, int>, std::string> ByPosition(const ReadoutTable& table) {
    std::map<std::pair<int, int>, std::string> cells;
    for (const ReadoutCell& cell : table) {
        EXPECT_TRUE(cells.emplace(std::pair{cell.row, cell.column}, cell.text).second)
            << "cell written twice: row " << cell.row << " column " << cell.column;
    }
    return cells;
}

CursorReadout SampleReadout() {
    CursorReadout readout;
    readout.SampleIndex = 1437;
    readout.Hours = 11;
    readout.Minutes = 58;
    readout.SampleNumber = 2;
    readout.Percent = {47.3f, 100.0f, 0.0f, -1.5f, 25.5f, 110.0f};
    readout.MarkerY = {299.85f, 10.0f, 560.0f, 568.25f, 419.75f, -45.0f};
    readout.EngValue = {44.5999984741210937L, 12345.678L, -0.004L, -12.5L, 1234567.0L, 0.0L};
    readout.TimeText = "11:58";
    readout.DateText = "05.03.2018";
    return readout;
}

TEST(ReadoutTables, EveryCellOfBothTables) {
    GroupDescriptor descriptor;
    const std::string name = "\xC4\xE0\xE2\xEB\xE5\xED\xE8\xE5";  // 8 bytes, no NUL
    std::copy(name.begin(), name.end(), descriptor.names[0].begin());
    const std::string units = "\xEA\xE3\xF1/\xF1\xEC";  // 6 bytes, no NUL
    std::copy(units.begin(), units.end(), descriptor.units[0].begin());
    descriptor.names[4][0] = 'T';
    descriptor.units[4][0] = '%';
    descriptor.scales[0] = {-50.0f, 150.0f};
    descriptor.scales[3] = {0.0f, 100.0f};

    const auto tables = BuildReadoutTables(SampleReadout(), descriptor, kTitles, ",");
    const std::array<std::string, 7> header = {"",
                                               "   позиция",
                                               "               шкала",
                                               "     значение",
                                               "    ед изм",
                                               "    дата       время",
                                               "№ изм"};
    for (int table = 0; table < 2; ++table) {
        SCOPED_TRACE(::testing::Message() << "table " << table);
        EXPECT_EQ(tables[table].size(), 27u);
        const auto cells = ByPosition(tables[table]);
        EXPECT_FALSE(cells.contains({0, 0}));
        for (int column = 1; column < 7; ++column) {
            EXPECT_EQ(cells.at({0, column}), header[column]);
        }
        for (int row = 1; row <= 3; ++row) {
            EXPECT_EQ(cells.at({row, 0}), kTitles[table * 3 + row - 1]);
            EXPECT_EQ(cells.at({row, 5}), "05.03.2018   11:58");
            EXPECT_EQ(cells.at({row, 6}), "2 изм");
        }
    }
    struct Cell {
        int table, row, column;
        const char* text;
    };
    const Cell cells[] = {
        {0, 1, 1, "Давление"},
        {0, 1, 2, "-50,00 - 150,00"},
        {0, 1, 3, "44,60"},
        {0, 1, 4, "кгс/см"},
        {0, 2, 1, ""},
        {0, 2, 2, "0,00 - 0,00"},
        {0, 2, 3, "12345,70"},
        {0, 3, 3, "0,00"},
        {1, 1, 2, "0,00 - 100,00"},
        {1, 1, 3, "-12,50"},
        {1, 2, 1, "T"},
        {1, 2, 3, "1,23457E06"},
        {1, 2, 4, "%"},
    };
    for (const Cell& cell : cells) {
        SCOPED_TRACE(::testing::Message()
                     << "table " << cell.table << " row " << cell.row << " column " << cell.column);
        EXPECT_EQ(ByPosition(tables[cell.table]).at({cell.row, cell.column}), cell.text);
    }
}

TEST(CursorMarker, LineTextsAndCircles) {
    CursorReadout readout = SampleReadout();
    // Rows with fractions on both sides of zero: positions truncate toward zero.
    readout.MarkerY = {285.5f, 10.0f, 560.0f, -49.5f, -0.5f, -45.0f};
    const PlotExtents plot{40, 1190, 10, 560};
    const CursorMarker marker = ComputeCursorMarker(615, plot, readout, ".");
    EXPECT_EQ(marker.line_x, 615);
    EXPECT_EQ(marker.line_top, 10);
    EXPECT_EQ(marker.line_bottom, 560);
    struct Expected {
        int text_y, circle_y1, circle_y2;
        const char* text;
    };
    const Expected expected[] = {
        {270, 288, 282, "47.30"}, {-5, 13, 7, "100.00"}, {545, 563, 557, "0.00"},
        {-64, -46, -52, "-1.50"}, {-15, 2, -3, "25.50"}, {-60, -42, -48, "110.00"},
    };
    for (int k = 0; k < 6; ++k) {
        SCOPED_TRACE(::testing::Message() << "input " << k);
        const MarkerInput& input = marker.inputs[k];
        EXPECT_EQ(input.text_x, 620);
        EXPECT_EQ(input.text_y, expected[k].text_y);
        EXPECT_EQ(input.text, expected[k].text);
        EXPECT_EQ(input.circle_x1, 612);
        EXPECT_EQ(input.circle_x2, 618);
        EXPECT_EQ(input.circle_y1, expected[k].circle_y1);
        EXPECT_EQ(input.circle_y2, expected[k].circle_y2);
    }
}

// Press columns at the limits of int: the marker's columns saturate instead of overflowing.
TEST(CursorMarker, ColumnsAtTheLimitsOfInt) {
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    struct Case {
        int x, text_x, circle_x1, circle_x2;
    };
    const Case cases[] = {
        {615, 620, 612, 618},
        {kMax, kMax, kMax - 3, kMax},
        {kMax - 4, kMax, kMax - 7, kMax - 1},
        {kMin, kMin + 5, kMin, kMin + 3},
        {kMin + 1, kMin + 6, kMin, kMin + 4},
    };
    const PlotExtents plot{40, 1190, 10, 560};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "x " << c.x);
        const CursorMarker marker = ComputeCursorMarker(c.x, plot, SampleReadout(), ".");
        EXPECT_EQ(marker.line_x, c.x);
        for (const MarkerInput& input : marker.inputs) {
            EXPECT_EQ(input.text_x, c.text_x);
            EXPECT_EQ(input.circle_x1, c.circle_x1);
            EXPECT_EQ(input.circle_x2, c.circle_x2);
        }
    }
}

}  // namespace
}  // namespace trend
