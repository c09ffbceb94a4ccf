#include "readout/cursor_readout.h"

#include <limits>

#include "plot/captions.h"
#include "plot/float_math.h"

namespace trend {

#if defined(__x86_64__) || defined(__i386__)
static_assert(std::numeric_limits<long double>::digits == 64,
              "engineering values are computed in the x87 extended format");
#endif

namespace {

// The extended-precision value nearest to 0.01; a division by 100 would round differently.
constexpr long double kHundredth = 0.01L;

}  // namespace

std::optional<CursorReadout> ComputeCursorReadout(int x, const PlotExtents& plot, int F, int N,
                                                  const SampleTable& samples,
                                                  const GroupDescriptor& descriptor,
                                                  const StartStamp& stamp) {
    const std::int64_t width = std::int64_t{plot.PlotRight} - plot.PlotLeft;
    if (width == 0) {
        return std::nullopt;
    }
    const std::int64_t window_start = std::int64_t{kSamplesPerHour} * F;
    const std::int64_t window_length = std::int64_t{kSamplesPerHour} * N;
    // Product first, then the truncating division, then the window start. 64-bit arithmetic gives
    // the same index as 32-bit wherever 32 bits do not overflow.
    const std::int64_t index =
        window_start + ((std::int64_t{x} - plot.PlotLeft) * window_length) / width;
    if (!SampleTable::Contains(index)) {
        return std::nullopt;
    }

    CursorReadout readout;
    readout.SampleIndex = static_cast<int>(index);

    const auto plot_height = static_cast<long double>(std::int64_t{plot.PlotBottom} - plot.PlotTop);
    for (int k = 0; k < kInputsPerGroup; ++k) {
        const float percent = samples.At(k, readout.SampleIndex);
        readout.Percent[k] = percent;
        readout.MarkerY[k] = RoundToSingle(static_cast<long double>(plot.PlotBottom) -
                                           plot_height * percent * kHundredth);
        const ScaleRange& scale = descriptor.scales[k];
        const float span = RoundToSingle(static_cast<long double>(scale.high) - scale.low);
        readout.EngValue[k] = static_cast<long double>(percent) * span * kHundredth + scale.low;
    }

    const bool first_of_minute = readout.SampleIndex % 2 == 0;
    const int minute_of_day =
        first_of_minute ? readout.SampleIndex / 2 : (readout.SampleIndex - 1) / 2;
    readout.SampleNumber = first_of_minute ? 1 : 2;
    readout.Hours = minute_of_day / kMinutesPerHour;
    if (readout.Hours >= kHoursPerDay) {
        readout.Hours = 0;  // one past the last sample of the day reads as midnight
    }
    readout.Minutes = minute_of_day % kMinutesPerHour;
    readout.TimeText = ClockText(readout.Hours, readout.Minutes);
    readout.DateText = CursorDateText(stamp);
    return readout;
}

std::string CursorDateText(const StartStamp& stamp) {
    std::string year = std::to_string(stamp.year);
    if (year.size() < 4) {
        year = (year.size() == 1 ? "200" : "20") + year;
    }
    return TwoCharacterText(stamp.day) + "." + TwoCharacterText(stamp.month) + "." + year;
}

std::string InputNameText(const GroupDescriptor& descriptor, int k) {
    return FieldText(descriptor.names[k]);
}

std::string InputUnitsText(const GroupDescriptor& descriptor, int k) {
    return FieldText(descriptor.units[k]);
}

}  // namespace trend
