#include "ui/chart_widget.h"

#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "ui/fonts.h"

namespace trend {

namespace {

constexpr QColor kTitleColor(0x00, 0x80, 0x80);  // teal
constexpr QColor kTitleBoxColor(0xFC, 0xFC, 0xFC);
constexpr QColor kTitleFrameColor(0xF3, 0xF3, 0xF3);
constexpr QColor kFootBoxColor(0xFB, 0xFB, 0xFB);
constexpr QColor kAxisTitleColor(0x00, 0x00, 0xFF);
constexpr QColor kGridColor(0xC0, 0xC0, 0xC0);

constexpr int kTickLength = 4;
// The bottom axis title stands this far under the plot, beside the overlay's time texts.
constexpr int kBottomTitleRow = 18;
constexpr int kGapAboveFoot = 14;
constexpr int kLabelGap = 2;

QFont TitleFont() {
    return WindowFont(12, true, true);
}
QFont FootFont() {
    return WindowFont(11);
}
QFont LabelFont() {
    return WindowFont(PointsToPixels(8));
}
QFont LeftAxisTitleFont() {
    return WindowFont(13, true, true);
}
QFont BottomAxisTitleFont() {
    return WindowFont(9, true);
}
// The overlay's texts, drawn in the canvas' font at 10 points bold.
QFont OverlayFont() {
    return WindowFont(PointsToPixels(10), true);
}

}  // namespace

void TFastLineSeries::Clear() {
    points_.clear();
    if (chart_ != nullptr) {
        chart_->Invalidate();
    }
}

void TFastLineSeries::AddXY(double x, double y, const QString& /*label*/, const QColor& /*color*/) {
    if (points_.empty() || points_.back().x <= x) {
        points_.push_back({x, y});
    } else {
        const auto at = std::upper_bound(points_.begin(), points_.end(), x,
                                         [](double value, const Point& p) { return value < p.x; });
        points_.insert(at, {x, y});
    }
    if (chart_ != nullptr) {
        chart_->Invalidate();
    }
}

void TFastLineSeries::SetSeriesColor(const QColor& color) {
    color_ = color;
    if (chart_ != nullptr) {
        chart_->Invalidate();
    }
}

TChart::TChart(QWidget* parent) : QWidget(parent) {
    for (TFastLineSeries& series : series_) {
        series.chart_ = this;
    }
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void TChart::Invalidate() {
    if (!content_changed_) {
        content_changed_ = true;
        update();
    }
}

bool TChart::NeedsFullRedraw() const {
    const QSize device_size = size() * devicePixelRatio();
    return content_changed_ || offscreen_.size() != device_size ||
           offscreen_.devicePixelRatio() != devicePixelRatio();
}

void TChart::SetTitleText(const QStringList& lines) {
    title_lines_ = lines;
    Invalidate();
}

void TChart::SetFootText(const QString& text) {
    foot_text_ = text;
    Invalidate();
}

void TChart::SetColor(const QColor& color) {
    color_ = color;
    Invalidate();
}

void TChart::SetBottomAxisTitle(const QString& text) {
    bottom_axis_title_ = text;
    Invalidate();
}

void TChart::SetLeftAxisValuesFormat(NumberFormat format) {
    left_axis_format_ = format;
    Invalidate();
}

void TChart::ReDrawBitmap() {
    if (NeedsFullRedraw()) {
        return;
    }
    visible_ = offscreen_;  // shared until the next drawing on it
    update();
}

void TChart::DrawOnVisibleImage(const std::function<void(ChartCanvas&)>& draw) {
    if (visible_.isNull()) {
        return;  // never painted: nothing to draw on, and nothing shown
    }
    {
        ChartCanvas canvas(visible_, canvas_state_);
        draw(canvas);
    }
    update();
}

void TChart::paintEvent(QPaintEvent* /*event*/) {
    if (NeedsFullRedraw()) {
        FullRedraw();
    }
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), visible_);
}

void TChart::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    update();  // the off-screen image no longer has the widget's size: the paint redraws fully
}

void TChart::mousePressEvent(QMouseEvent* event) {
    if (OnMouseDown) {
        const QPoint at = event->position().toPoint();
        OnMouseDown(event->button(), event->modifiers(), at.x(), at.y());
    }
    event->accept();
}

void TChart::mouseDoubleClickEvent(QMouseEvent* event) {
    // Qt reports the second press of a double click as this event, not as a press.
    mousePressEvent(event);
}

void TChart::wheelEvent(QWheelEvent* event) {
    // The left axis stays from 0 to 100 %, which the readout relies on: no scrolling.
    event->accept();
}

QString TChart::LocaleNumber(double value, NumberFormat format) const {
    const QLocale locale;
    return QString::fromStdString(FormatAxisNumber(
        value, format, locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()));
}

int TChart::XPixel(double x) const {
    const int left = bottom_axis_.IStartPos;
    const double span = x_maximum_ - x_minimum_;
    if (span <= 0) {
        return left;
    }
    const double pixel = left + (x - x_minimum_) * (bottom_axis_.IEndPos - left) / span;
    return static_cast<int>(std::lround(std::clamp(pixel, -1e6, 1e6)));
}

int TChart::YPixel(double percent) const {
    const int bottom = left_axis_.IEndPos;
    const double pixel = bottom - percent * (bottom - left_axis_.IStartPos) / 100.0;
    // Far-off values of a damaged file stay within what the rasteriser takes.
    return static_cast<int>(std::lround(std::clamp(pixel, -1e6, 1e6)));
}

void TChart::FullRedraw() {
    const qreal ratio = devicePixelRatio();
    if (offscreen_.size() != size() * ratio || offscreen_.devicePixelRatio() != ratio) {
        offscreen_ = QImage(size() * ratio, QImage::Format_RGB32);
        offscreen_.setDevicePixelRatio(ratio);
    }
    {
        QPainter painter(&offscreen_);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.fillRect(rect(), color_);
        LayOut(painter);
        DrawFrameTexts(painter);
        DrawAxes(painter);
        DrawSeries(painter);
    }
    ++full_redraws_;
    content_changed_ = false;
    // The canvas the after-draw hook gets is reset the way the chart leaves it.
    canvas_state_ = CanvasState{};
    if (OnAfterDraw) {
        ChartCanvas canvas(offscreen_, canvas_state_);
        OnAfterDraw(canvas);
    }
    visible_ = offscreen_;
}

void TChart::LayOut(QPainter& painter) {
    // Margins in percent of the chart's size: left 0, top 1, right 1, bottom 0.
    margin_top_ = static_cast<int>(std::lround(height() * 0.01));
    margin_right_ = static_cast<int>(std::lround(width() * 0.01));
    const int margin_left = 0;

    const QFontMetrics title_metrics(TitleFont(), painter.device());
    const int title_height =
        title_lines_.isEmpty() ? 0 : title_metrics.height() * int(title_lines_.size()) + 4;
    const QFontMetrics label_metrics(LabelFont(), painter.device());
    const int label_height = label_metrics.height();

    left_axis_.IStartPos = margin_top_ + title_height + 4 + label_height / 2;
    const int foot_top = height() - QFontMetrics(FootFont(), painter.device()).height() - 3;
    left_axis_.IEndPos = foot_top - kGapAboveFoot -
                         QFontMetrics(OverlayFont(), painter.device()).height() - kBottomTitleRow;

    int widest_label = 0;
    for (const int value : {0, 100}) {
        widest_label = std::max(
            widest_label, label_metrics.horizontalAdvance(LocaleNumber(value, left_axis_format_)));
    }
    const int axis_title_width = QFontMetrics(LeftAxisTitleFont(), painter.device()).height();
    bottom_axis_.IStartPos = margin_left + kLabelGap + axis_title_width + kLabelGap + widest_label +
                             kLabelGap + kTickLength;
    bottom_axis_.IEndPos = width() - margin_right_;

    // The bottom axis follows the points.
    bool any = false;
    for (const TFastLineSeries& series : series_) {
        if (series.points_.empty()) {
            continue;
        }
        const double first = series.points_.front().x;
        const double last = series.points_.back().x;
        x_minimum_ = any ? std::min(x_minimum_, first) : first;
        x_maximum_ = any ? std::max(x_maximum_, last) : last;
        any = true;
    }
    if (!any) {
        x_minimum_ = x_maximum_ = 0;
    }
    has_points_ = any;
}

void TChart::DrawFrameTexts(QPainter& painter) {
    if (!title_lines_.isEmpty()) {
        painter.setFont(TitleFont());
        const QFontMetrics metrics = painter.fontMetrics();
        int widest = 0;
        for (const QString& line : title_lines_) {
            widest = std::max(widest, metrics.horizontalAdvance(line));
        }
        const QRect box((width() - widest) / 2 - 4, margin_top_, widest + 8,
                        metrics.height() * int(title_lines_.size()) + 2);
        painter.setPen(kTitleFrameColor);
        painter.setBrush(kTitleBoxColor);
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        painter.setPen(kTitleColor);
        for (int line = 0; line < title_lines_.size(); ++line) {
            painter.drawText(
                QRect(0, margin_top_ + 1 + line * metrics.height(), width(), metrics.height()),
                Qt::AlignHCenter | Qt::AlignTop, title_lines_[line]);
        }
    }
    if (!foot_text_.isEmpty()) {
        painter.setFont(FootFont());
        const QFontMetrics metrics = painter.fontMetrics();
        const int text_width = metrics.horizontalAdvance(foot_text_);
        const QRect box(width() - margin_right_ - text_width - 2, height() - metrics.height() - 3,
                        text_width + 2, metrics.height());
        painter.fillRect(box, kFootBoxColor);
        painter.setPen(Qt::black);
        painter.drawText(box, Qt::AlignRight | Qt::AlignTop, foot_text_);
    }
}

void TChart::DrawAxes(QPainter& painter) {
    const int left = bottom_axis_.IStartPos;
    const int right = bottom_axis_.IEndPos;
    const int top = left_axis_.IStartPos;
    const int bottom = left_axis_.IEndPos;
    painter.setFont(LabelFont());
    const QFontMetrics metrics = painter.fontMetrics();
    QPen grid(kGridColor);
    grid.setStyle(Qt::DotLine);

    // Left axis, 0 to 100 %.
    const auto left_values = AxisLabelValues(
        0, 100, bottom - top, [&](double) { return double(metrics.height()); },
        2.0 * metrics.height());
    for (const double value : left_values) {
        const int y = YPixel(value);
        if (y != bottom && y != top) {
            painter.setPen(grid);
            painter.drawLine(QPointF(left + 1.5, y + 0.5), QPointF(right - 0.5, y + 0.5));
        }
        painter.fillRect(left - kTickLength, y, kTickLength, 1, Qt::black);
        const QString text = LocaleNumber(value, left_axis_format_);
        const QRect box(0, y - metrics.height() / 2, left - kTickLength - kLabelGap,
                        metrics.height());
        painter.setPen(Qt::black);
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, text);
    }

    // Bottom axis, following the points' x values.
    if (has_points_) {
        const auto bottom_values = AxisLabelValues(
            x_minimum_, x_maximum_, right - left,
            [&](double value) {
                return double(metrics.horizontalAdvance(LocaleNumber(value, kBottomAxisFormat)));
            },
            2.0 * metrics.averageCharWidth());
        for (const double value : bottom_values) {
            const int x = XPixel(value);
            if (x != left && x != right) {
                painter.setPen(grid);
                painter.drawLine(QPointF(x + 0.5, top + 1.5), QPointF(x + 0.5, bottom - 0.5));
            }
            painter.fillRect(x, bottom + 1, 1, kTickLength, Qt::black);
            const QString text = LocaleNumber(value, kBottomAxisFormat);
            const int text_width = metrics.horizontalAdvance(text);
            painter.setPen(Qt::black);
            painter.drawText(QRect(x - text_width / 2 - 1, bottom + kTickLength + 1, text_width + 2,
                                   metrics.height()),
                             Qt::AlignHCenter | Qt::AlignTop, text);
        }
    }

    // The plot's frame: the axes' lines and the back wall's edges.
    painter.fillRect(left, top, right - left + 1, 1, Qt::black);
    painter.fillRect(left, bottom, right - left + 1, 1, Qt::black);
    painter.fillRect(left, top, 1, bottom - top + 1, Qt::black);
    painter.fillRect(right, top, 1, bottom - top + 1, Qt::black);

    // Axis titles: "%" turned along the left axis, the window's middle time under the plot.
    painter.setFont(LeftAxisTitleFont());
    painter.setPen(kAxisTitleColor);
    painter.save();
    painter.translate(kLabelGap, (top + bottom) / 2);
    painter.rotate(-90);
    painter.drawText(QRect(-100, 0, 200, painter.fontMetrics().height()),
                     Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("%"));
    painter.restore();
    painter.setFont(BottomAxisTitleFont());
    painter.drawText(
        QRect(left, bottom + kBottomTitleRow, right - left, painter.fontMetrics().height()),
        Qt::AlignHCenter | Qt::AlignTop, bottom_axis_title_);
}

void TChart::DrawSeries(QPainter& painter) {
    const int left = bottom_axis_.IStartPos;
    const int right = bottom_axis_.IEndPos;
    const int top = left_axis_.IStartPos;
    const int bottom = left_axis_.IEndPos;

    painter.save();
    painter.setClipRect(QRect(QPoint(left, top), QPoint(right, bottom)));
    // A pen of one logical pixel is centred on its points: half a pixel in, it covers exactly the
    // pixel a point names, at every pixel ratio.
    QPolygonF line;
    for (const TFastLineSeries& series : series_) {
        if (series.points_.empty()) {
            continue;
        }
        line.resize(static_cast<int>(series.points_.size()));
        for (std::size_t i = 0; i < series.points_.size(); ++i) {
            const auto& point = series.points_[i];
            line[static_cast<int>(i)] = QPointF(XPixel(point.x) + 0.5, YPixel(point.y) + 0.5);
        }
        QPen pen(series.color_);
        pen.setWidth(1);
        painter.setPen(pen);
        painter.drawPolyline(line);
    }
    painter.restore();
}

}  // namespace trend
