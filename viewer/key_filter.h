#pragma once

// The group number edit takes only the digits 1 to 8 and backspace as typed characters.

namespace trend {

inline constexpr char32_t kBackspace = 8;

// The typed character unchanged when the edit may take it, otherwise 0: the key press is
// discarded.
[[nodiscard]] constexpr char32_t Edit1KeyPress(char32_t key) {
    const bool group_digit = key >= U'1' && key <= U'8';
    return group_digit || key == kBackspace ? key : 0;
}

}  // namespace trend
