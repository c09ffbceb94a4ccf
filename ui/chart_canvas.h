#pragma once

// Drawing on the chart's images with the conventions of the Windows canvas that the overlay and
// the cursor marker are laid out for, which QPainter does not share by default:
//   - TextOut(x, y) puts the text's top-left corner at (x, y), not its baseline;
//   - Line draws from its first point up to but not including its last;
//   - Ellipse takes two corners in any order and fills the box from its left and top edges up to
//     but not including its right and bottom edges, outlined with the pen, filled with the brush.
// Pen, brush and font settings stay on the canvas between uses, as they do on Windows.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>

namespace trend {

struct CanvasState {
    int pen_width = 1;
    QColor pen_color = Qt::black;
    QColor brush_color = Qt::white;
    int font_points = 10;
    bool font_bold = false;
    bool font_italic = false;
    QColor font_color = Qt::black;
};

class ChartCanvas {
  public:
    // Draws on `image` (in its logical pixels) with the settings `state` holds; the settings the
    // canvas changes stay there for the next canvas on the chart.
    ChartCanvas(QImage& image, CanvasState& state);

    void SetPenWidth(int width) { state_.pen_width = width; }
    void SetPenColor(const QColor& color) { state_.pen_color = color; }
    void SetBrushColor(const QColor& color) { state_.brush_color = color; }
    void SetFontSize(int points) { state_.font_points = points; }
    void SetFontStyle(bool bold, bool italic) {
        state_.font_bold = bold;
        state_.font_italic = italic;
    }
    void SetFontColor(const QColor& color) { state_.font_color = color; }

    void TextOut(int x, int y, const QString& text);
    void Line(int x0, int y0, int x1, int y1);
    void Ellipse(int x1, int y1, int x2, int y2);

  private:
    QPainter painter_;
    CanvasState& state_;
};

}  // namespace trend
