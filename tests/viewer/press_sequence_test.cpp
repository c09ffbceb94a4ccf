#include "viewer/press_sequence.h"

#include <gtest/gtest.h>

#include <map>

namespace trend {
namespace {

const PlotExtents kPlot{40, 1190, 10, 560};

std::map<std::pair<int, int>, std::string> Cells(const ReadoutTable& table) {
    std::map<std::pair<int, int>, std::string> cells;
    for (const ReadoutCell& cell : table) {
        cells[{cell.row, cell.column}] = cell.text;
    }
    return cells;
}

TEST(Overlay, DrawsOnlyWhenRequestedAndClearsTheRequest) {
    ViewerStores stores;
    EXPECT_FALSE(Chart1AfterDraw(stores, 57, 1181, 560));
    EXPECT_EQ(stores.OverlayRequest, 0);

    stores.OverlayRequest = 1;
    stores.window_texts = WindowTimeTexts({0, 24});
    const auto drawing = Chart1AfterDraw(stores, 57, 1181, 560);
    ASSERT_TRUE(drawing);
    EXPECT_EQ(stores.OverlayRequest, 0);
    const char* texts[] = {"0:00", "24:00", "06:00", "18:00", "03:00", "15:00", "09:00", "21:00"};
    const int xs[] = {57, 1161, 322, 884, 181, 743, 462, 1024};
    const int ticks[] = {58, 620, 198, 339, 479, 760, 901, 1041};
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(drawing->texts[i].text, texts[i]);
        EXPECT_EQ(drawing->texts[i].x, xs[i]);
        EXPECT_EQ(drawing->texts[i].y, 578);
        EXPECT_EQ(drawing->ticks[i].x, ticks[i]);
        EXPECT_EQ(drawing->ticks[i].top, 552);
        EXPECT_EQ(drawing->ticks[i].bottom, 560);
    }
    // The next redraw with no load or press since leaves the overlay out.
    EXPECT_FALSE(Chart1AfterDraw(stores, 57, 1181, 560));
}

TEST(Press, BeforeAnyLoadReadsTheStartUpStores) {
    ViewerStores stores;
    const auto drawing = Chart1MouseDown(stores, 614, kPlot, 1, 24, ",");
    ASSERT_TRUE(drawing);
    EXPECT_EQ(stores.OverlayRequest, 1);
    for (int table = 0; table < 2; ++table) {
        SCOPED_TRACE(table);
        const auto cells = Cells(drawing->tables[table]);
        for (int row = 1; row <= 3; ++row) {
            const int k = table * 3 + row - 1;
            EXPECT_EQ(cells.at({row, 0}), SeriesTitles()[k]);
            EXPECT_EQ(cells.at({row, 1}), "");
            EXPECT_EQ(cells.at({row, 2}), "0,00 - 0,00");
            EXPECT_EQ(cells.at({row, 3}), "0,00");
            EXPECT_EQ(cells.at({row, 4}), "");
            EXPECT_EQ(cells.at({row, 5}), "00.00.2000   11:58");
            EXPECT_EQ(cells.at({row, 6}), "2 изм");
        }
    }
    EXPECT_EQ(SeriesTitles()[0], "вход  1");
    EXPECT_EQ(drawing->marker.line_x, 614);
    EXPECT_EQ(drawing->marker.inputs[0].text, "0,00");
}

TEST(Press, AtTheFirstSampleReadsTheStartUpEntries) {
    // Entry 0 of table k holds k until a load overwrites it.
    ViewerStores stores;
    const auto drawing = Chart1MouseDown(stores, 40, kPlot, 1, 24, ".");
    ASSERT_TRUE(drawing);
    EXPECT_EQ(drawing->marker.inputs[0].text, "1.00");
    EXPECT_EQ(drawing->marker.inputs[5].text, "6.00");
    EXPECT_EQ(Cells(drawing->tables[0]).at({1, 5}), "00.00.2000   00:00");
}

TEST(Press, WithoutASampleChangesNothingButRequestsTheOverlay) {
    struct Case {
        const char* name;
        int x;
        PlotExtents plot;
    };
    const Case cases[] = {
        {"left of the plot at the first hour", 20, kPlot},
        {"a chart never laid out", 10, PlotExtents{}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ViewerStores stores;
        EXPECT_FALSE(Chart1MouseDown(stores, c.x, c.plot, 1, 24, "."));
        EXPECT_EQ(stores.OverlayRequest, 1);
    }
}

TEST(Press, ReadsTheSpinsAtThePress) {
    // The window of the spins at the press, not that of the load: hours 7..12 over the plot.
    ViewerStores stores;
    const auto drawing = Chart1MouseDown(stores, 1190, kPlot, 7, 6, ".");
    ASSERT_TRUE(drawing);
    EXPECT_EQ(Cells(drawing->tables[1]).at({2, 5}), "00.00.2000   12:00");
    const auto left = Chart1MouseDown(stores, 40, kPlot, 7, 6, ".");
    ASSERT_TRUE(left);
    EXPECT_EQ(Cells(left->tables[1]).at({2, 5}), "00.00.2000   06:00");
}

}  // namespace
}  // namespace trend
