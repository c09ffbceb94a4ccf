// The chart widget and its canvas: the Windows conventions of the canvas, probed pixel by pixel
// on bare images at two pixel ratios, and the chart's buffered drawing.

#include "ui/chart_widget.h"

#include <QApplication>
#include <QMouseEvent>
#include <QtTest>
#include <cmath>

using trend::CanvasState;
using trend::ChartCanvas;
using trend::TChart;

namespace {

QImage BareImage(qreal ratio) {
    QImage image(QSize(40, 40) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    return image;
}

// The colour at logical pixel (x, y), probed in the middle of its device pixels.
QColor At(const QImage& image, int x, int y) {
    const qreal ratio = image.devicePixelRatio();
    return image.pixelColor(int(x * ratio + ratio / 2), int(y * ratio + ratio / 2));
}

bool IsWhite(const QColor& colour) {
    return colour == QColor(Qt::white);
}

// The box of the pixels that are not white, in logical pixels.
QRect InkBox(const QImage& image) {
    QRect box;
    const qreal ratio = image.devicePixelRatio();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!IsWhite(image.pixelColor(x, y))) {
                box |= QRect(int(x / ratio), int(y / ratio), 1, 1);
            }
        }
    }
    return box;
}

}  // namespace

class ChartWidgetTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { QTest::failOnWarning(QRegularExpression(".*")); }

    void canvasLineLeavesOutItsLastPoint_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QRect>("covered");
        QTest::newRow("tick down")
            << 1.0 << QPoint(10, 12) << QPoint(10, 20) << QRect(10, 12, 1, 8);
        QTest::newRow("tick down at ratio 2")
            << 2.0 << QPoint(10, 12) << QPoint(10, 20) << QRect(10, 12, 1, 8);
        QTest::newRow("upward") << 1.0 << QPoint(10, 20) << QPoint(10, 12) << QRect(10, 13, 1, 8);
        QTest::newRow("rightward") << 1.0 << QPoint(3, 5) << QPoint(9, 5) << QRect(3, 5, 6, 1);
        QTest::newRow("a point") << 1.0 << QPoint(3, 5) << QPoint(3, 5) << QRect();
    }
    void canvasLineLeavesOutItsLastPoint() {
        QFETCH(qreal, ratio);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QRect, covered);
        QImage image = BareImage(ratio);
        CanvasState state;
        {
            ChartCanvas canvas(image, state);
            canvas.SetPenColor(Qt::blue);
            canvas.Line(from.x(), from.y(), to.x(), to.y());
        }
        QCOMPARE(InkBox(image), covered);
        if (!covered.isEmpty()) {
            QCOMPARE(At(image, covered.left(), covered.top()), QColor(Qt::blue));
            QCOMPARE(At(image, covered.right(), covered.bottom()), QColor(Qt::blue));
        }
    }

    void canvasEllipseFillsItsBoxWithoutRightAndBottomEdges_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QRect>("corners");  // first and second corner, as the marker passes them
        QTest::newRow("corners below then above") << 1.0 << QRect(QPoint(12, 23), QPoint(18, 17));
        QTest::newRow("corners in order") << 1.0 << QRect(QPoint(12, 17), QPoint(18, 23));
        QTest::newRow("at ratio 2") << 2.0 << QRect(QPoint(12, 23), QPoint(18, 17));
    }
    void canvasEllipseFillsItsBoxWithoutRightAndBottomEdges() {
        QFETCH(qreal, ratio);
        QFETCH(QRect, corners);
        QImage image = BareImage(ratio);
        CanvasState state;
        {
            ChartCanvas canvas(image, state);
            canvas.SetPenColor(Qt::red);
            canvas.SetBrushColor(Qt::green);
            canvas.Ellipse(corners.left(), corners.top(), corners.right(), corners.bottom());
        }
        // A 6 x 6 circle: columns 12..17 and rows 17..22.
        QCOMPARE(InkBox(image), QRect(12, 17, 6, 6));
        QCOMPARE(At(image, 15, 20), QColor(Qt::green));
        QCOMPARE(At(image, 12, 20), QColor(Qt::red));
        QVERIFY(IsWhite(At(image, 12, 17)));  // the box's corner is outside the circle
    }

    void canvasTextOutPlacesTheTopLeftCorner() {
        QImage image = BareImage(1.0);
        image = image.scaled(200, 60);
        image.fill(Qt::white);
        CanvasState state;
        {
            ChartCanvas canvas(image, state);
            canvas.SetFontColor(Qt::blue);
            canvas.SetFontStyle(true, false);
            canvas.TextOut(20, 30, QStringLiteral("12:00"));
        }
        const QRect ink = InkBox(image);
        QVERIFY2(!ink.isEmpty(), "no text drawn");
        // Digits begin just inside the text's cell: below its top edge, right of its left edge.
        QVERIFY2(ink.top() >= 30 && ink.top() <= 34, qPrintable(QString::number(ink.top())));
        QVERIFY2(ink.left() >= 20 && ink.left() <= 23, qPrintable(QString::number(ink.left())));
        QVERIFY(ink.bottom() <= 30 + 16);
    }

    void fullRedrawOnlyAfterAChange() {
        TChart chart;
        chart.resize(400, 300);
        int hooks = 0;
        chart.OnAfterDraw = [&](ChartCanvas&) { ++hooks; };
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        (void)chart.grab();
        const int after_show = chart.FullRedrawCount();
        QCOMPARE(hooks, after_show);
        QVERIFY(after_show >= 1);

        chart.repaint();
        (void)chart.grab();
        QCOMPARE(chart.FullRedrawCount(), after_show);  // an ordinary repaint only blits

        for (int i = 0; i < 100; ++i) {
            chart.Series(0).AddXY(i, i, QString(), Qt::red);
        }
        chart.SetBottomAxisTitle(QStringLiteral("01:00"));
        (void)chart.grab();
        QCOMPARE(chart.FullRedrawCount(), after_show + 1);  // many changes, one redraw
        QCOMPARE(hooks, after_show + 1);

        chart.resize(420, 300);
        (void)chart.grab();
        QCOMPARE(chart.FullRedrawCount(), after_show + 2);
    }

    void linesStandWhereTheAxesPutThem() {
        TChart chart;
        chart.resize(600, 400);
        chart.Series(2).SetSeriesColor(QColor(0x00, 0xCE, 0xCE));
        chart.Series(2).AddXY(0, 0, QString(), Qt::black);
        chart.Series(2).AddXY(100, 100, QString(), Qt::black);
        chart.Series(2).AddXY(50, 50, QString(), Qt::black);  // kept in x order
        const QImage image = chart.grab().toImage();
        const int left = chart.BottomAxis().IStartPos;
        const int right = chart.BottomAxis().IEndPos;
        const int top = chart.LeftAxis().IStartPos;
        const int bottom = chart.LeftAxis().IEndPos;
        QVERIFY(left > 0 && right > left && bottom > top && top > 0);
        const QColor cyan(0x00, 0xCE, 0xCE);
        // The line from (left, bottom) through the middle to (right, top), over the frame.
        QCOMPARE(At(image, left, bottom), cyan);
        const int middle_x = int(std::lround(left + (right - left) / 2.0));
        const int middle_y = int(std::lround(bottom - (bottom - top) / 2.0));
        QCOMPARE(At(image, middle_x, middle_y), cyan);
        QCOMPARE(At(image, right, top), cyan);
    }

    void reDrawBitmapRestoresTheOffscreenImage() {
        TChart chart;
        chart.resize(400, 300);
        chart.OnAfterDraw = [](ChartCanvas& canvas) {
            canvas.SetPenColor(Qt::blue);
            canvas.Line(30, 10, 30, 20);
        };
        QImage image = chart.grab().toImage();
        QCOMPARE(At(image, 30, 15), QColor(Qt::blue));
        const int redraws = chart.FullRedrawCount();

        chart.DrawOnVisibleImage([](ChartCanvas& canvas) {
            canvas.SetPenColor(Qt::red);
            canvas.Line(60, 10, 60, 20);
        });
        image = chart.grab().toImage();
        QCOMPARE(At(image, 60, 15), QColor(Qt::red));
        QCOMPARE(At(image, 30, 15), QColor(Qt::blue));

        chart.ReDrawBitmap();
        image = chart.grab().toImage();
        QVERIFY(At(image, 60, 15) != QColor(Qt::red));
        QCOMPARE(At(image, 30, 15), QColor(Qt::blue));
        QCOMPARE(chart.FullRedrawCount(), redraws);

        // While the off-screen image is out of date nothing is copied; the next paint redraws.
        chart.DrawOnVisibleImage([](ChartCanvas& canvas) {
            canvas.SetPenColor(Qt::red);
            canvas.Line(60, 10, 60, 20);
        });
        chart.SetBottomAxisTitle(QStringLiteral("x"));
        QVERIFY(chart.NeedsFullRedraw());
        chart.ReDrawBitmap();
        image = chart.grab().toImage();
        QCOMPARE(chart.FullRedrawCount(), redraws + 1);
        QVERIFY(At(image, 60, 15) != QColor(Qt::red));
    }

    void mouseDownForEveryButtonAndBothPressesOfADoubleClick() {
        TChart chart;
        chart.resize(400, 300);
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        QStringList seen;
        chart.OnMouseDown = [&](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x,
                                int y) {
            seen
                << QStringLiteral("%1 %2 %3 %4").arg(int(button)).arg(int(modifiers)).arg(x).arg(y);
        };
        QTest::mousePress(&chart, Qt::LeftButton, Qt::NoModifier, QPoint(100, 50));
        QTest::mouseRelease(&chart, Qt::LeftButton, Qt::NoModifier, QPoint(100, 50));
        QTest::mousePress(&chart, Qt::RightButton, Qt::ShiftModifier, QPoint(120, 60));
        QTest::mouseRelease(&chart, Qt::RightButton, Qt::ShiftModifier, QPoint(120, 60));
        QTest::mousePress(&chart, Qt::MiddleButton, Qt::NoModifier, QPoint(140, 70));
        QTest::mouseRelease(&chart, Qt::MiddleButton, Qt::NoModifier, QPoint(140, 70));
        // A double click: a press and release, then the second press, which Qt reports as a
        // double click.
        QTest::mousePress(&chart, Qt::LeftButton, Qt::NoModifier, QPoint(160, 80));
        QTest::mouseRelease(&chart, Qt::LeftButton, Qt::NoModifier, QPoint(160, 80));
        QTest::mouseDClick(&chart, Qt::LeftButton, Qt::NoModifier, QPoint(160, 80));
        const QStringList expected = {
            QStringLiteral("%1 0 100 50").arg(int(Qt::LeftButton)),
            QStringLiteral("%1 %2 120 60").arg(int(Qt::RightButton)).arg(int(Qt::ShiftModifier)),
            QStringLiteral("%1 0 140 70").arg(int(Qt::MiddleButton)),
            QStringLiteral("%1 0 160 80").arg(int(Qt::LeftButton)),
            QStringLiteral("%1 0 160 80").arg(int(Qt::LeftButton)),
        };
        QCOMPARE(seen, expected);
    }
};

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    ChartWidgetTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "chart_widget_test.moc"
