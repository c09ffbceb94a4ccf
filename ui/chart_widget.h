#pragma once

// The chart: title lines, a foot, a left axis fixed from 0 to 100 %, a bottom axis that follows
// the points' sample indexes, and six fast line series. It draws itself into an off-screen image
// at a full redraw, which happens at the first paint after its content changed or it was resized,
// runs the after-draw hook on that image, and shows a visible copy of it. A press can restore the
// visible image from the off-screen one and draw over it; ordinary repaints only copy the visible
// image to the screen.

#include <QColor>
#include <QImage>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "plot/axis_labels.h"
#include "trend_data/trend_file_format.h"
#include "ui/chart_canvas.h"

namespace trend {

class TChart;

// Pixel extents of an axis after the last layout: columns of the bottom axis' ends, rows of the
// left axis' top (100 %) and bottom (0 %).
struct TChartAxis {
    int IStartPos = 0;
    int IEndPos = 0;
};

class TFastLineSeries {
  public:
    void Clear();
    // A point at x (kept in ascending order) and y in percent. The label and colour of a single
    // point are not shown: every point of a line has the line's colour.
    void AddXY(double x, double y, const QString& label, const QColor& color);

    [[nodiscard]] QColor SeriesColor() const { return color_; }
    void SetSeriesColor(const QColor& color);
    [[nodiscard]] const QString& Title() const { return title_; }
    void SetTitle(const QString& title) { title_ = title; }

    struct Point {
        double x;
        double y;
    };
    [[nodiscard]] const std::vector<Point>& Points() const { return points_; }

  private:
    friend class TChart;
    TChart* chart_ = nullptr;
    QColor color_;
    QString title_;
    std::vector<Point> points_;
};

class TChart : public QWidget {
    Q_OBJECT

  public:
    explicit TChart(QWidget* parent = nullptr);

    void SetTitleText(const QStringList& lines);
    [[nodiscard]] const QStringList& TitleText() const { return title_lines_; }
    void SetFootText(const QString& text);
    [[nodiscard]] QColor Color() const { return color_; }
    void SetColor(const QColor& color);
    void SetBottomAxisTitle(const QString& text);
    [[nodiscard]] const QString& BottomAxisTitle() const { return bottom_axis_title_; }
    void SetLeftAxisValuesFormat(NumberFormat format);

    [[nodiscard]] const TChartAxis& BottomAxis() const { return bottom_axis_; }
    [[nodiscard]] const TChartAxis& LeftAxis() const { return left_axis_; }

    [[nodiscard]] TFastLineSeries& Series(int index) { return series_[index]; }
    [[nodiscard]] const TFastLineSeries& Series(int index) const { return series_[index]; }

    // Runs at the end of every full redraw, drawing on the off-screen image.
    std::function<void(ChartCanvas&)> OnAfterDraw;
    // A press of any mouse button, the second press of a double click included, before anything
    // else handles it: button, modifiers, and x and y in the chart's logical pixels.
    std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)> OnMouseDown;

    // Restores the visible image from the off-screen one; copies nothing while the off-screen
    // image is out of date (the next paint redraws fully anyway).
    void ReDrawBitmap();
    // Draws on the visible image only: gone at the next ReDrawBitmap or full redraw.
    void DrawOnVisibleImage(const std::function<void(ChartCanvas&)>& draw);

    // Full redraws so far, for tests and benchmarks.
    [[nodiscard]] int FullRedrawCount() const { return full_redraws_; }
    [[nodiscard]] bool NeedsFullRedraw() const;

    // Marks the content changed: the next paint redraws fully.
    void Invalidate();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    void FullRedraw();
    void DrawFrameTexts(QPainter& painter);
    void LayOut(QPainter& painter);
    void DrawAxes(QPainter& painter);
    void DrawSeries(QPainter& painter);
    // The one mapping of values to pixels, for the axes' labels and the lines alike: columns of
    // sample indexes and rows of percentages, after the last layout.
    [[nodiscard]] int XPixel(double x) const;
    [[nodiscard]] int YPixel(double percent) const;
    [[nodiscard]] QString LocaleNumber(double value, NumberFormat format) const;

    QStringList title_lines_;
    QString foot_text_;
    QColor color_ = Qt::white;
    QString bottom_axis_title_;
    NumberFormat left_axis_format_ = kLeftAxisFormat;
    int margin_top_ = 0;
    int margin_right_ = 0;
    TChartAxis bottom_axis_;
    TChartAxis left_axis_;
    double x_minimum_ = 0;
    double x_maximum_ = 0;
    bool has_points_ = false;
    std::array<TFastLineSeries, kInputsPerGroup> series_;

    QImage offscreen_;
    QImage visible_;
    CanvasState canvas_state_;
    bool content_changed_ = true;
    int full_redraws_ = 0;
};

}  // namespace trend
