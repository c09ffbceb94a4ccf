#pragma once

// A colour marker: a circle filled with its brush colour and outlined with its pen colour.

#include <QColor>
#include <QPainter>
#include <QWidget>

namespace trend {

class TShape : public QWidget {
    Q_OBJECT

  public:
    explicit TShape(QWidget* parent = nullptr) : QWidget(parent) {}

    void SetBrushColor(const QColor& color) {
        brush_ = color;
        update();
    }
    void SetPenColor(const QColor& color) {
        pen_ = color;
        update();
    }
    [[nodiscard]] QColor BrushColor() const { return brush_; }
    [[nodiscard]] QColor PenColor() const { return pen_; }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(pen_, 1));
        painter.setBrush(brush_);
        painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }

  private:
    QColor brush_ = Qt::white;
    QColor pen_ = Qt::black;
};

}  // namespace trend
