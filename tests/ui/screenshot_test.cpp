// The window on a real X server: started as the program starts, with the complete demo day named
// on its command line, then pressed once on the plot. The picture of the whole window goes into
// the build folder for a person to look at; it is not compared with anything. The checks are that
// the load reached the window and that the press marked the chart.

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QtTest>

#include "tools/demo_days.h"
#include "tools/trend_file_builder.h"
#include "ui/main_window.h"
#include "ui/startup.h"

class ScreenshotTest : public QObject {
    Q_OBJECT

  private slots:
    void demoDayWithAPress() {
        const QString folder = QStringLiteral(TREND_SCREENSHOT_DIR);
        QVERIFY(QDir().mkpath(folder));
        const QString day = folder + QStringLiteral("/demo-day.dat");
        QVERIFY(trend::WriteBytesToFile(day.toStdString(), trend::CompleteDemoDay()));

        const auto window = trend::ShowMainWindow(day);
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QTRY_COMPARE(window->InputSeries[5]->Points().size(), std::size_t{2880});
        QTRY_VERIFY(!window->Chart1->NeedsFullRedraw());

        trend::TChart* chart = window->Chart1;
        const int x = (chart->BottomAxis().IStartPos + 2 * chart->BottomAxis().IEndPos) / 3;
        QTest::mouseClick(chart, Qt::LeftButton, Qt::NoModifier,
                          QPoint(x, chart->LeftAxis().IStartPos + 40));
        QVERIFY(!window->StringGrid1->Cell(3, 1).isEmpty());
        QTest::qWait(200);

        const QImage picture =
            window->screen()
                ->grabWindow(0, window->frameGeometry().x(), window->frameGeometry().y(),
                             window->frameGeometry().width(), window->frameGeometry().height())
                .toImage();
        QCOMPARE(picture.size(), window->frameGeometry().size());
        // The cursor line in the pressed column, black, below the chart's top edge.
        const QPoint on_line =
            chart->mapTo(window.get(), QPoint(x, chart->LeftAxis().IEndPos - 3)) +
            (window->geometry().topLeft() - window->frameGeometry().topLeft());
        QCOMPARE(picture.pixelColor(on_line), QColor(Qt::black));
        const QString path = folder + QStringLiteral("/main-window.png");
        QVERIFY(picture.save(path));
        qInfo("screenshot: %s", qPrintable(path));
    }
};

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    trend::PrepareApplication(application);
    ScreenshotTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "screenshot_test.moc"
