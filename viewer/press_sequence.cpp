#include "viewer/press_sequence.h"

#include "plot/hour_window.h"
#include "viewer/series_style.h"

namespace trend {

std::optional<OverlayDrawing> Chart1AfterDraw(ViewerStores& stores, int plot_left, int plot_right,
                                              int plot_bottom) {
    const bool requested = stores.OverlayRequest == 1;
    stores.OverlayRequest = 0;
    if (!requested) {
        return std::nullopt;
    }
    const OverlayLayout layout = ComputeOverlayLayout(plot_left, plot_right, plot_bottom);
    OverlayDrawing drawing{};
    for (std::size_t i = 0; i < layout.texts.size(); ++i) {
        const OverlayText& text = layout.texts[i];
        drawing.texts[i] = {text.x, text.y, stores.window_texts.*text.caption};
    }
    drawing.ticks = layout.ticks;
    return drawing;
}

const std::array<std::string, kInputsPerGroup>& SeriesTitles() {
    static const std::array<std::string, kInputsPerGroup> titles = [] {
        std::array<std::string, kInputsPerGroup> result;
        for (int k = 0; k < kInputsPerGroup; ++k) {
            result[k] = std::string(kSeriesStyles[k].title);
        }
        return result;
    }();
    return titles;
}

std::optional<PressDrawing> Chart1MouseDown(ViewerStores& stores, int x, const PlotExtents& plot,
                                            int first_hour_position, int hours_position,
                                            std::string_view decimal_separator) {
    const HourWindow window = HourWindow::FromSpinPositions(first_hour_position, hours_position);
    const std::optional<CursorReadout> readout =
        ComputeCursorReadout(x, plot, window.first_hour, window.hours, stores.sample_table,
                             stores.loaded_descriptor, stores.start_stamp);
    stores.OverlayRequest = 1;
    if (!readout) {
        return std::nullopt;
    }
    return PressDrawing{
        BuildReadoutTables(*readout, stores.loaded_descriptor, SeriesTitles(), decimal_separator),
        ComputeCursorMarker(x, plot, *readout, decimal_separator)};
}

}  // namespace trend
