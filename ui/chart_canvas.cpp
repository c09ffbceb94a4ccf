#include "ui/chart_canvas.h"

#include <QFontMetrics>
#include <algorithm>
#include <cstdlib>

#include "ui/fonts.h"

namespace trend {

ChartCanvas::ChartCanvas(QImage& image, CanvasState& state) : painter_(&image), state_(state) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

void ChartCanvas::TextOut(int x, int y, const QString& text) {
    const QFont font =
        WindowFont(PointsToPixels(state_.font_points), state_.font_bold, state_.font_italic);
    painter_.setFont(font);
    painter_.setPen(state_.font_color);
    // The text's background stays transparent; QPainter places a text by its baseline.
    painter_.drawText(x, y + painter_.fontMetrics().ascent(), text);
}

void ChartCanvas::Line(int x0, int y0, int x1, int y1) {
    if (x0 == x1 && y0 == y1) {
        return;
    }
    const int width = std::max(state_.pen_width, 1);
    const int half = (width - 1) / 2;
    if (x0 == x1 || y0 == y1) {
        // Axis-parallel lines, the overlay's ticks and the cursor line: exactly the pixels from
        // the first point to the one before the last.
        const int last_x = x1 - (x1 > x0) + (x1 < x0);
        const int last_y = y1 - (y1 > y0) + (y1 < y0);
        const QRect pixels(QPoint(std::min(x0, last_x), std::min(y0, last_y)),
                           QPoint(std::max(x0, last_x), std::max(y0, last_y)));
        painter_.fillRect(x0 == x1 ? pixels.adjusted(-half, 0, width - 1 - half, 0)
                                   : pixels.adjusted(0, -half, 0, width - 1 - half),
                          state_.pen_color);
        return;
    }
    // Other lines end one step short of their last point along their longer direction.
    const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
    const QPointF end(x0 + (x1 - x0) * (steps - 1.0) / steps,
                      y0 + (y1 - y0) * (steps - 1.0) / steps);
    QPen pen(state_.pen_color);
    pen.setWidth(width);
    painter_.setPen(pen);
    painter_.drawLine(QPointF(x0, y0), end);
}

void ChartCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    const int left = std::min(x1, x2);
    const int right = std::max(x1, x2);
    const int top = std::min(y1, y2);
    const int bottom = std::max(y1, y2);
    if (right - left < 1 || bottom - top < 1) {
        return;
    }
    // Pixel by pixel, in device pixels: a pixel whose centre lies inside the ellipse through the
    // box's edges is filled, in the pen's colour within the pen's width of the edge and in the
    // brush's inside it. That keeps the circle exactly inside its box at every pixel ratio, which
    // QPainter's own ellipses do not.
    const qreal ratio = painter_.device()->devicePixelRatio();
    const double radius_x = (right - left) * ratio / 2;
    const double radius_y = (bottom - top) * ratio / 2;
    const double centre_x = left * ratio + radius_x;
    const double centre_y = top * ratio + radius_y;
    const double pen = std::max(state_.pen_width, 1) * ratio;
    const auto inside = [&](double x, double y, double shrink) {
        const double rx = radius_x - shrink;
        const double ry = radius_y - shrink;
        if (rx <= 0 || ry <= 0) {
            return false;
        }
        const double dx = (x - centre_x) / rx;
        const double dy = (y - centre_y) / ry;
        return dx * dx + dy * dy <= 1.0;
    };
    const int first_row = static_cast<int>(std::lround(top * ratio));
    const int last_row = static_cast<int>(std::lround(bottom * ratio));
    const int first_column = static_cast<int>(std::lround(left * ratio));
    const int last_column = static_cast<int>(std::lround(right * ratio));
    for (int row = first_row; row < last_row; ++row) {
        for (int column = first_column; column < last_column; ++column) {
            const double x = column + 0.5;
            const double y = row + 0.5;
            if (inside(x, y, 0)) {
                painter_.fillRect(QRectF(column / ratio, row / ratio, 1 / ratio, 1 / ratio),
                                  inside(x, y, pen) ? state_.brush_color : state_.pen_color);
            }
        }
    }
}

}  // namespace trend
