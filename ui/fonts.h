#pragma once

// The window's fonts. The recorder's software used "MS Sans Serif" and "Arial", which Linux does
// not have; Liberation Sans has Arial's metrics and Cyrillic glyphs, DejaVu Sans stands in where
// it is missing. Sizes are pixel heights at 96 dpi, like every position in the window.

#include <QFont>

namespace trend {

[[nodiscard]] QFont WindowFont(int pixel_height, bool bold = false, bool italic = false);

// Pixel height of a font of `points` points at 96 dpi, rounded as the canvas does.
[[nodiscard]] constexpr int PointsToPixels(int points) {
    return (points * 96 + 36) / 72;
}

}  // namespace trend
