// The overlay after a full redraw and the press readout: pixel probes at the positions that the
// Qt-free geometry computes for the chart's extents, and the cells of both tables.

#include <QApplication>
#include <QtTest>
#include <filesystem>

#include "plot/overlay_layout.h"
#include "readout/cursor_readout.h"
#include "tests/ui/recording_dialogs.h"
#include "tools/trend_file_builder.h"
#include "ui/main_window.h"
#include "viewer/series_style.h"

using namespace trend;

namespace {

QColor At(const QImage& image, int x, int y) {
    const qreal ratio = image.devicePixelRatio();
    return image.pixelColor(int(x * ratio + ratio / 2), int(y * ratio + ratio / 2));
}

// Text is antialiased: a pixel counts as drawn in `colour` when it is close to it.
bool Near(const QColor& pixel, const QColor& colour) {
    return std::abs(pixel.red() - colour.red()) < 70 &&
           std::abs(pixel.green() - colour.green()) < 70 &&
           std::abs(pixel.blue() - colour.blue()) < 70;
}

bool AnyIn(const QImage& image, const QRect& box, const QColor& colour) {
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            if (Near(At(image, x, y), colour)) {
                return true;
            }
        }
    }
    return false;
}

// The first row of `box` that holds a pixel of `colour`, or -1.
int FirstRowWith(const QImage& image, const QRect& box, const QColor& colour) {
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            if (Near(At(image, x, y), colour)) {
                return y;
            }
        }
    }
    return -1;
}

QStringList AllCells(const TForm1& window) {
    QStringList cells;
    for (const TStringGrid* grid : {window.StringGrid1, window.StringGrid2}) {
        for (int row = 0; row < 4; ++row) {
            for (int column = 0; column < 7; ++column) {
                cells << grid->Cell(column, row);
            }
        }
    }
    return cells;
}

PlotExtents Extents(const TForm1& window) {
    return {window.Chart1->BottomAxis().IStartPos, window.Chart1->BottomAxis().IEndPos,
            window.Chart1->LeftAxis().IStartPos, window.Chart1->LeftAxis().IEndPos};
}

const QColor kBlue(Qt::blue);
const QColor kBlack(Qt::black);

}  // namespace

class OverlayAndPressTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        dir_ = std::filesystem::temp_directory_path() /
               ("trend_press_" + std::to_string(QCoreApplication::applicationPid()));
        std::filesystem::create_directories(dir_);
        // Input 1 at 100 % all day, the others at 10..50 %; scales 0..10 for every input.
        TrendFileBuilder builder(1);
        builder.Stamp({18, 3, 5, 8, 0});
        for (int input = 0; input < 6; ++input) {
            builder.Scale(1, input, 0.0f, 10.0f);
        }
        for (int h = 0; h < 24; ++h) {
            builder.HourBlock(static_cast<std::int16_t>(h));
        }
        builder.Samples([](int, int, int position) {
            const int input = (position % 12) / 2;
            return static_cast<std::int16_t>(input == 0 ? 10000 : 1000 * input);
        });
        day_ = (dir_ / "levels.dat").string();
        QVERIFY(WriteBytesToFile(day_, builder.Bytes()));
    }
    void cleanupTestCase() { std::filesystem::remove_all(dir_); }

    void init() {
        QTest::failOnWarning(QRegularExpression(".*"));
        window_ = std::make_unique<TForm1>();
        dialogs_ = &RecordingDialogs::InstallOn(*window_);
        dialogs_->chosen = day_;
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        image_ = Grab();
    }
    void cleanup() { window_.reset(); }

    void noOverlayBeforeAnyLoadOrPress() { ExpectOverlay(false); }

    void overlayAfterALoadStaysThroughRepaints() {
        Load();
        ExpectOverlay(true);
        QCOMPARE(window_->Stores().OverlayRequest, 0);

        // A box over the chart and away again: the chart only blits its image.
        const int redraws = window_->Chart1->FullRedrawCount();
        QWidget cover;
        cover.setGeometry(window_->Chart1->mapToGlobal(QPoint(100, 100)).x(),
                          window_->Chart1->mapToGlobal(QPoint(100, 100)).y(), 600, 500);
        cover.show();
        QVERIFY(QTest::qWaitForWindowExposed(&cover));
        cover.hide();
        window_->Chart1->repaint();
        image_ = Grab();
        QCOMPARE(window_->Chart1->FullRedrawCount(), redraws);
        ExpectOverlay(true);

        // A full redraw with no load and no press since leaves the overlay out.
        window_->Chart1->Invalidate();
        image_ = Grab();
        QCOMPARE(window_->Chart1->FullRedrawCount(), redraws + 1);
        ExpectOverlay(false);
    }

    void pressBeforeAnyLoad() {
        const PlotExtents plot = Extents(*window_);
        const int x = (plot.PlotLeft + plot.PlotRight) / 2 + 7;
        Press(Qt::LeftButton, x, plot.PlotTop + 50);
        const auto readout =
            ComputeCursorReadout(x, plot, 0, 24, SampleTable(), GroupDescriptor(), StartStamp());
        QVERIFY(readout);
        const QString when =
            QStringLiteral("00.00.2000   ") + QString::fromStdString(readout->TimeText);
        const QString sample = QString::number(readout->SampleNumber) + QStringLiteral(" изм");
        for (int table = 0; table < 2; ++table) {
            const TStringGrid* grid = table == 0 ? window_->StringGrid1 : window_->StringGrid2;
            QCOMPARE(grid->Cell(1, 0), QStringLiteral("   позиция"));
            QCOMPARE(grid->Cell(6, 0), QStringLiteral("№ изм"));
            QCOMPARE(grid->Cell(0, 0), QString());
            for (int row = 1; row <= 3; ++row) {
                const int k = table * 3 + row - 1;
                QCOMPARE(grid->Cell(0, row), QString::fromUtf8(kSeriesStyles[k].title.data(),
                                                               kSeriesStyles[k].title.size()));
                QCOMPARE(grid->Cell(1, row), QString());
                QCOMPARE(grid->Cell(2, row), QStringLiteral("0.00 - 0.00"));
                QCOMPARE(grid->Cell(3, row), QStringLiteral("0.00"));
                QCOMPARE(grid->Cell(4, row), QString());
                QCOMPARE(grid->Cell(5, row), when);
                QCOMPARE(grid->Cell(6, row), sample);
            }
        }
        image_ = Grab();
        // The cursor line from the plot's top row down; the circles of the six 0 % values cover
        // its lower end.
        QCOMPARE(At(image_, x, plot.PlotTop), kBlack);
        QCOMPARE(At(image_, x, plot.PlotBottom - 10), kBlack);
        QCOMPARE(At(image_, x, plot.PlotBottom), QColor::fromRgb(kSeriesStyles[5].rgb));
        QCOMPARE(window_->Stores().OverlayRequest, 1);
    }

    void secondPressMovesTheOneMarker() {
        const PlotExtents plot = Extents(*window_);
        const int first = plot.PlotLeft + 301;
        const int second = plot.PlotLeft + 603;
        const int row = plot.PlotTop + 40;
        Press(Qt::LeftButton, first, row);
        const QStringList headers = AllCells(*window_).mid(0, 7);
        Press(Qt::LeftButton, second, row);
        image_ = Grab();
        QCOMPARE(At(image_, second, row), kBlack);
        QVERIFY(At(image_, first, row) != kBlack);
        QCOMPARE(AllCells(*window_).mid(0, 7), headers);
        QCOMPARE(window_->Chart1->FullRedrawCount(), 1);  // presses never redraw the chart
    }

    void everyButtonAndPlaceOfAColumnGivesTheSameReadout() {
        Load();
        const PlotExtents plot = Extents(*window_);
        const int x = plot.PlotLeft + 421;
        Press(Qt::LeftButton, x, plot.PlotTop + 60);
        const QStringList cells = AllCells(*window_);
        const QImage marked = Grab();
        struct Way {
            const char* name;
            Qt::MouseButton button;
            int y;
            bool double_click;
        };
        const Way ways[] = {
            {"right button", Qt::RightButton, plot.PlotTop + 60, false},
            {"middle button", Qt::MiddleButton, plot.PlotTop + 60, false},
            {"double click", Qt::LeftButton, plot.PlotTop + 60, true},
            {"above the plot", Qt::LeftButton, plot.PlotTop - 20, false},
            {"below the plot", Qt::LeftButton, plot.PlotBottom + 30, false},
        };
        for (const Way& way : ways) {
            // Another column first, so that each way has to draw the marker afresh.
            Press(Qt::LeftButton, x + 200, plot.PlotTop + 60);
            if (way.double_click) {
                QTest::mouseDClick(window_->Chart1, way.button, Qt::NoModifier, QPoint(x, way.y));
            } else {
                Press(way.button, x, way.y);
            }
            QVERIFY2(AllCells(*window_) == cells, way.name);
            QVERIFY2(Grab() == marked, way.name);
        }
    }

    void fullPercentDrawsOnThePlotsTopRow() {
        Load();
        const PlotExtents plot = Extents(*window_);
        const int x = plot.PlotLeft + 500;
        Press(Qt::LeftButton, x, 300);
        QCOMPARE(window_->StringGrid1->Cell(3, 1), QStringLiteral("10.00"));  // 100 % of 0..10
        QCOMPARE(window_->StringGrid1->Cell(5, 1),
                 QStringLiteral("05.03.2018   ") + window_->StringGrid1->Cell(5, 1).right(5));
        image_ = Grab();
        const QColor red(Qt::red);
        // The circle's box: columns x-3..x+2, rows PlotTop-3..PlotTop+2, centred on the top row.
        // Probed a row above it, clear of the red line along the top row.
        const int above = plot.PlotTop - 1;
        QCOMPARE(At(image_, x, above), red);
        QCOMPARE(At(image_, x - 3, above), red);
        QCOMPARE(At(image_, x + 2, above), red);
        QVERIFY(At(image_, x + 3, above) != red);
        QVERIFY(At(image_, x - 4, above) != red);
        QCOMPARE(At(image_, x, plot.PlotTop - 3), red);
        QVERIFY(At(image_, x, plot.PlotTop - 4) != red);
        // The text "100.00" has its top at PlotTop - 15, right of the line.
        const int text_top = FirstRowWith(image_, QRect(x + 5, plot.PlotTop - 22, 45, 14), red);
        QVERIFY2(text_top >= plot.PlotTop - 15 && text_top <= plot.PlotTop - 11,
                 qPrintable(QString::number(text_top)));
    }

    void completedLoadEmptiesTheRowsAndRemovesTheMarker() {
        const PlotExtents plot = Extents(*window_);
        const int x = plot.PlotLeft + 333;
        Press(Qt::LeftButton, x, plot.PlotTop + 40);
        const QStringList headers = AllCells(*window_).mid(0, 7);
        Load();
        QCOMPARE(AllCells(*window_).mid(0, 7), headers);
        const QStringList cells = AllCells(*window_);
        for (int i = 7; i < 28; ++i) {
            QCOMPARE(cells[i], QString());
            QCOMPARE(cells[28 + i], QString());
        }
        QVERIFY(At(image_, x, plot.PlotTop + 40) != kBlack);
    }

    void pressReadsTheSpinsMovedSinceTheLoad() {
        Load();
        window_->UpDown1->SetPosition(7);
        window_->UpDown2->SetPosition(6);
        const PlotExtents plot = Extents(*window_);
        Press(Qt::LeftButton, plot.PlotRight, plot.PlotTop + 40);
        QCOMPARE(window_->StringGrid1->Cell(5, 2), QStringLiteral("05.03.2018   12:00"));
        Press(Qt::LeftButton, plot.PlotLeft, plot.PlotTop + 40);
        QCOMPARE(window_->StringGrid1->Cell(5, 2), QStringLiteral("05.03.2018   06:00"));
    }

  private:
    QImage Grab() { return window_->Chart1->grab().toImage(); }

    void Load() {
        QTest::mouseClick(window_->OpenFile, Qt::LeftButton);
        QCOMPARE(window_->InputSeries[0]->Points().size(), std::size_t{2880});
        image_ = Grab();
    }

    void Press(Qt::MouseButton button, int x, int y) {
        QTest::mousePress(window_->Chart1, button, Qt::NoModifier, QPoint(x, y));
        QTest::mouseRelease(window_->Chart1, button, Qt::NoModifier, QPoint(x, y));
    }

    // The overlay's ticks and texts at the positions computed for the chart's extents.
    void ExpectOverlay(bool drawn) {
        const PlotExtents plot = Extents(*window_);
        const OverlayLayout layout =
            ComputeOverlayLayout(plot.PlotLeft, plot.PlotRight, plot.PlotBottom);
        for (const OverlayTick& tick : layout.ticks) {
            for (int y = tick.top; y < tick.bottom; ++y) {
                QVERIFY2(Near(At(image_, tick.x, y), kBlue) == drawn,
                         qPrintable(QStringLiteral("tick at %1, %2").arg(tick.x).arg(y)));
            }
            // The line leaves out its last point: the frame's black stays at the bottom row.
            QVERIFY(!Near(At(image_, tick.x, tick.bottom), kBlue));
        }
        for (const OverlayText& text : layout.texts) {
            const QRect box(text.x, text.y, 32, 16);
            QVERIFY2(AnyIn(image_, box, kBlue) == drawn,
                     qPrintable(QStringLiteral("text at %1, %2").arg(text.x).arg(text.y)));
        }
    }

    std::filesystem::path dir_;
    std::string day_;
    std::unique_ptr<TForm1> window_;
    RecordingDialogs* dialogs_ = nullptr;
    QImage image_;
};

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    OverlayAndPressTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "overlay_and_press_test.moc"
