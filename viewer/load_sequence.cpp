#include "viewer/load_sequence.h"

#include "plot/captions.h"
#include "plot/hour_window.h"
#include "trend_data/group_loading.h"

namespace trend {

namespace {

// The window part of the load: series, window check, captions, points, time texts, readout rows.
void PlotWindow(ViewerStores& stores, Dialogs& dialogs, LoadTarget& target,
                const LoadChoices& choices) {
    for (int series = 0; series < kInputsPerGroup; ++series) {
        target.ClearSeries(series);
    }
    const HourWindow window =
        HourWindow::FromSpinPositions(choices.first_hour_position, choices.hours_position);
    if (!window.IsValid()) {
        dialogs.ShowMessage(WindowCheckMessage());
        return;
    }

    stores.label7 = StartTimeCaption(stores.start_stamp);
    target.SetCaption(Caption::Label7, stores.label7);
    stores.label8 = DateCaption(stores.start_stamp);
    target.SetCaption(Caption::Label8, stores.label8);
    stores.OverlayRequest = 1;

    const PointLists points = stores.sample_table.Fill(stores.hour_slots, window);
    for (int series = 0; series < kInputsPerGroup; ++series) {
        target.AddPoints(series, points[series]);
    }

    stores.window_texts = WindowTimeTexts(window);
    const WindowTexts& texts = stores.window_texts;
    const std::pair<Caption, const std::string&> in_order[] = {
        {Caption::BottomAxisTitle, texts.bottom_axis_title},
        {Caption::Label3, texts.label3},
        {Caption::Label4, texts.label4},
        {Caption::Label5, texts.label5},
        {Caption::Label6, texts.label6},
        {Caption::Label9, texts.label9},
        {Caption::Label10, texts.label10},
        {Caption::Label1, texts.label1},
        {Caption::Label2, texts.label2},
    };
    for (const auto& [caption, text] : in_order) {
        target.SetCaption(caption, text);
    }
    target.ClearReadoutRows();
}

}  // namespace

void OpenFileClick(ViewerStores& stores, Dialogs& dialogs, LoadTarget& target,
                   const LoadChoices& choices) {
    const std::optional<std::string> chosen =
        dialogs.ChooseFile(kOpenDialogTitle, stores.remembered_file_name);
    if (!chosen) {
        return;
    }
    LoadChosenFile(stores, dialogs, target, *chosen, choices);
}

void LoadChosenFile(ViewerStores& stores, Dialogs& dialogs, LoadTarget& target,
                    const std::string& path, const LoadChoices& choices) {
    stores.remembered_file_name = path;

    target.ReadingFile(true);
    GroupLoadResult result = LoadGroup(path, choices.group_text);
    target.ReadingFile(false);

    if (result.chart_title) {
        target.SetChartTitle(*result.chart_title);
    }
    if (result.error) {
        dialogs.ShowError(*result.error);
        return;
    }
    if (result.group) {
        stores.loaded_descriptor = result.group->descriptor;
        stores.start_stamp = result.group->start_stamp;
    }
    // Without a group the one message ends the load; with one, the hour count warnings do not.
    for (const MessageBoxText& message : result.messages) {
        dialogs.ShowMessage(message);
    }
    if (!result.group) {
        return;
    }
    stores.hour_slots = result.group->hour_slots;
    PlotWindow(stores, dialogs, target, choices);
}

}  // namespace trend
