#pragma once

// Dialogs for the window's tests: the open dialog answers with a chosen path (or cancels), and
// every box a load shows is kept, in order, instead of waiting for a user.

#include <memory>
#include <string>
#include <vector>

#include "ui/main_window.h"
#include "viewer/load_sequence.h"

namespace trend {

class RecordingDialogs final : public Dialogs {
  public:
    // Puts a recorder in place of the window's dialogs; the window owns it.
    static RecordingDialogs& InstallOn(TForm1& window) {
        auto recorder = std::make_unique<RecordingDialogs>();
        RecordingDialogs& installed = *recorder;
        window.SetDialogs(std::move(recorder));
        return installed;
    }

    std::optional<std::string> chosen;
    std::vector<std::string> shown;

    std::optional<std::string> ChooseFile(std::string_view title,
                                          const std::string& file_name) override {
        shown.push_back("dialog " + std::string(title) + " at '" + file_name + "'");
        return chosen;
    }
    void ShowMessage(const MessageBoxText& message) override {
        shown.push_back("message " + message.text + " | " + message.title);
    }
    void ShowError(const std::string& message) override { shown.push_back("error " + message); }
};

}  // namespace trend
