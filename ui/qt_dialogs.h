#pragma once

// The real dialogs of a load: the open dialog, the warning boxes and the error display.

#include "viewer/load_sequence.h"

class QWidget;

namespace trend {

class QtDialogs final : public Dialogs {
  public:
    // The open dialog is centred over `window`; the boxes have no owner window, as the load's
    // messages always had.
    explicit QtDialogs(QWidget* window) : window_(window) {}

    std::optional<std::string> ChooseFile(std::string_view title,
                                          const std::string& file_name) override;
    void ShowMessage(const MessageBoxText& message) override;
    void ShowError(const std::string& message) override;

  private:
    QWidget* window_;
};

}  // namespace trend
