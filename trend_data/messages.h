#pragma once

// A message box the window shows: its text and title, both UTF-8. Every box of the viewer is
// modal, with the warning icon and one OK button.

#include <string>
#include <string_view>

namespace trend {

inline constexpr std::string_view kWarningTitle = "Предупреждение";

struct MessageBoxText {
    std::string text;
    std::string title;
    friend bool operator==(const MessageBoxText&, const MessageBoxText&) = default;
};

}  // namespace trend
