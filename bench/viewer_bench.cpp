// Figures of the viewer's heavy moments on an 8-group day at the window's own size: a load of
// group 8 from disk through the percent tables and the six series, a full redraw of the chart, a
// repaint that only copies the chart's image, and a press from the mouse event to the marker
// drawn and both readout tables written.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "tools/demo_days.h"
#include "tools/trend_file_builder.h"
#include "ui/main_window.h"

namespace {

// Dialogs that never wait: a load's messages are counted, not shown.
class SilentDialogs final : public trend::Dialogs {
  public:
    std::optional<std::string> ChooseFile(std::string_view, const std::string&) override {
        return std::nullopt;
    }
    void ShowMessage(const trend::MessageBoxText&) override {}
    void ShowError(const std::string&) override {}
};

std::string DemoDayPath() {
    static const std::string path = [] {
        const auto file = std::filesystem::temp_directory_path() / "trend-bench-demo-day.dat";
        if (!trend::WriteBytesToFile(file.string(), trend::CompleteDemoDay())) {
            std::fprintf(stderr, "cannot write %s\n", file.c_str());
            std::exit(1);
        }
        return file.string();
    }();
    return path;
}

// Shows the window and waits until it is on the (offscreen) screen, where repaints paint.
void ShowAndExpose(QWidget& window) {
    window.show();
    for (int round = 0;
         round < 1000 && !(window.windowHandle() && window.windowHandle()->isExposed()); ++round) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

// The window with group 8 of the demo day loaded and painted once.
struct LoadedWindow {
    TForm1 window;
    LoadedWindow() {
        window.SetDialogs(std::make_unique<SilentDialogs>());
        window.Edit1->setText(QStringLiteral("8"));
        ShowAndExpose(window);
        window.OpenFileAtStart(DemoDayPath());
        window.Chart1->repaint();
    }
};

void LoadGroup8ThroughTheSeries(benchmark::State& state) {
    TForm1 window;
    window.SetDialogs(std::make_unique<SilentDialogs>());
    window.Edit1->setText(QStringLiteral("8"));
    const std::string path = DemoDayPath();
    for (auto _ : state) {
        window.OpenFileAtStart(path);
        benchmark::DoNotOptimize(window.InputSeries[5]->Points().data());
    }
    if (window.InputSeries[5]->Points().size() != 2880) {
        state.SkipWithError("the load did not plot the whole day");
    }
}
BENCHMARK(LoadGroup8ThroughTheSeries)->Unit(benchmark::kMillisecond);

void FullRedraw(benchmark::State& state) {
    LoadedWindow loaded;
    trend::TChart* chart = loaded.window.Chart1;
    const int before = chart->FullRedrawCount();
    for (auto _ : state) {
        chart->Invalidate();
        chart->repaint();
    }
    if (chart->FullRedrawCount() - before != static_cast<int>(state.iterations())) {
        state.SkipWithError("a repaint after a change did not redraw the chart");
    }
}
BENCHMARK(FullRedraw)->Unit(benchmark::kMillisecond);

void RepaintThatOnlyBlits(benchmark::State& state) {
    LoadedWindow loaded;
    trend::TChart* chart = loaded.window.Chart1;
    const int redraws = chart->FullRedrawCount();
    for (auto _ : state) {
        chart->repaint();
    }
    if (chart->FullRedrawCount() != redraws) {
        state.SkipWithError("a plain repaint redrew the chart");
    }
}
BENCHMARK(RepaintThatOnlyBlits)->Unit(benchmark::kMicrosecond);

void PressOnThePlot(benchmark::State& state) {
    LoadedWindow loaded;
    trend::TChart* chart = loaded.window.Chart1;
    const int left = chart->BottomAxis().IStartPos;
    const int width = chart->BottomAxis().IEndPos - left;
    if (width <= 0) {
        state.SkipWithError("the chart was never laid out");
        return;
    }
    int step = 0;
    for (auto _ : state) {
        const QPointF at(left + (step++ * 37) % width, 200);
        QMouseEvent press(QEvent::MouseButtonPress, at, chart->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(chart, &press);
        benchmark::DoNotOptimize(loaded.window.StringGrid2->Cell(3, 3));
    }
}
BENCHMARK(PressOnThePlot)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
