#pragma once

// The load behind the "Из файла" button, from the open dialog to the emptied readout rows, as a
// sequence of effects on the window and updates of the stores, in the order the user sees them.
//
// The effects are calls on two small interfaces rather than a list handed back at the end: the
// message boxes are modal and run the event loop, during which the chart may repaint, so every
// store must change exactly at its place among the effects (the overlay request above all).

#include <optional>
#include <string>
#include <string_view>

#include "plot/sample_table.h"
#include "trend_data/messages.h"
#include "viewer/stores.h"

namespace trend {

inline constexpr std::string_view kOpenDialogTitle = "Открытие файла накопления трендов";

// The dialogs of a load. The window shows real ones; tests record what a load showed.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // The open dialog, starting at `file_name`. The chosen path as the file system's bytes, or
    // nothing when the user cancelled.
    virtual std::optional<std::string> ChooseFile(std::string_view title,
                                                  const std::string& file_name) = 0;
    // A modal warning box with one OK button; returns when the user has closed it.
    virtual void ShowMessage(const MessageBoxText& message) = 0;
    // The error display, for a group text that is not a number.
    virtual void ShowError(const std::string& message) = 0;
};

// The controls a load changes.
enum class Caption {
    Label7,
    Label8,
    BottomAxisTitle,
    Label1,
    Label2,
    Label3,
    Label4,
    Label5,
    Label6,
    Label9,
    Label10,
};

class LoadTarget {
  public:
    virtual ~LoadTarget() = default;
    // While the file is read: the window shows that it is busy.
    virtual void ReadingFile(bool reading) = 0;
    virtual void SetChartTitle(const std::string& text) = 0;
    virtual void ClearSeries(int series) = 0;
    // Hands series `series` (0..5) its points, in rising x order.
    virtual void AddPoints(int series, const PointList& points) = 0;
    virtual void SetCaption(Caption caption, const std::string& text) = 0;
    // Empties rows 1..3 of both readout tables, column 0 included.
    virtual void ClearReadoutRows() = 0;
};

// What the load reads from the window besides the file: the group number as typed and the two
// spins' positions.
struct LoadChoices {
    std::string group_text;
    int first_hour_position = 1;
    int hours_position = kHoursPerDay;
};

// The whole load: dialog, remembered name, then LoadChosenFile.
void OpenFileClick(ViewerStores& stores, Dialogs& dialogs, LoadTarget& target,
                   const LoadChoices& choices);

// The load of a file already chosen (the dialog confirmed, or a path given at start): remembers
// the path, reads the group, and plots the window. Every early end leaves the stores and the
// window as far as the load had got.
void LoadChosenFile(ViewerStores& stores, Dialogs& dialogs, LoadTarget& target,
                    const std::string& path, const LoadChoices& choices);

}  // namespace trend
