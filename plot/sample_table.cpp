#include "plot/sample_table.h"

namespace trend {

SampleTable::SampleTable()
    : entries_(static_cast<std::size_t>(kInputsPerGroup) * kSampleTableEntries, 0.0f) {
    for (int input = 0; input < kInputsPerGroup; ++input) {
        Entry(input, 0) = static_cast<float>(input + 1);
    }
}

PointLists SampleTable::Fill(const HourSlots& slots, HourWindow window) {
    PointLists points;
    if (!window.IsValid()) {
        return points;
    }
    for (PointList& list : points) {
        list.reserve(static_cast<std::size_t>(window.Length()));
    }
    for (int hour = window.first_hour; hour < window.first_hour + window.hours; ++hour) {
        const HourSamples& samples = slots[hour];
        for (int minute = 0; minute < kMinutesPerHour; ++minute) {
            for (int input = 0; input < kInputsPerGroup; ++input) {
                for (int half = 0; half < kSamplesPerMinute; ++half) {
                    const int index = SampleIndex(hour, minute, half);
                    float& entry = Entry(input, index);
                    entry = PercentOfRaw(samples[SamplePosition(input, minute, half)]);
                    points[input].push_back({static_cast<double>(index), entry});
                }
            }
        }
    }
    return points;
}

}  // namespace trend
