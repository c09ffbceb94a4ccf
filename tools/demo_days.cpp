#include "tools/demo_days.h"

#include <array>
#include <cmath>
#include <map>
#include <numbers>

#include "tools/trend_file_builder.h"
#include "trend_data/windows1251.h"

namespace trend {

namespace {

struct DemoInput {
    const char* name;   // at most 8 characters
    const char* units;  // at most 6 characters
    float low;
    float high;
};

// Six inputs per group, as a boiler house might wire them.
constexpr std::array<std::array<DemoInput, kInputsPerGroup>, kDemoGroups> kGroups = {{
    {{{"Т воды 1", "°C", -50, 150},
      {"Т воды 2", "°C", -50, 150},
      {"Т газов", "°C", 0, 600},
      {"Р пара", "МПа", 0, 1.6f},
      {"Р воды", "МПа", 0, 2.5f},
      {"Уровень", "мм", -315, 315}}},
    {{{"Расход", "м3/ч", 0, 250},
      {"Т подачи", "°C", 0, 150},
      {"Т обрат.", "°C", 0, 150},
      {"Р подачи", "кгс/см", 0, 16},
      {"Р обрат.", "кгс/см", 0, 16},
      {"Разреж.", "Па", -250, 0}}},
    {{{"O2", "%", 0, 21},
      {"CO", "ppm", 0, 500},
      {"Т возд.", "°C", -50, 50},
      {"Р газа", "кПа", 0, 10},
      {"Р возд.", "кПа", 0, 5},
      {"Ток дым.", "А", 0, 100}}},
    {{{"Т масла", "°C", 0, 120},
      {"Р масла", "МПа", 0, 1},
      {"Обороты", "об/мин", 0, 3000},
      {"Вибрация", "мм/с", 0, 20},
      {"Т подш.1", "°C", 0, 120},
      {"Т подш.2", "°C", 0, 120}}},
    {{{"pH", "pH", 0, 14},
      {"Провод.", "мкСм", 0, 100},
      {"Т хвс", "°C", 0, 50},
      {"Р хвс", "МПа", 0, 1},
      {"Уровень", "м", 0, 6},
      {"Расх.хвс", "м3/ч", 0, 60}}},
    {{{"Т нв", "°C", -50, 50},
      {"Т помещ.", "°C", 0, 50},
      {"Влажн.", "%", 0, 100},
      {"Т щита", "°C", 0, 80},
      {"Напряж.", "В", 0, 400},
      {"Ток", "А", 0, 200}}},
    {{{"Т пара", "°C", 100, 300},
      {"Р барабн", "МПа", 0, 4},
      {"Расх.пар", "т/ч", 0, 25},
      {"Расх.пит", "т/ч", 0, 25},
      {"Т пит.в.", "°C", 0, 200},
      {"Соленос.", "мг/л", 0, 2000}}},
    {{{"Т дым.", "°C", 0, 400},
      {"Т экон.", "°C", 0, 400},
      {"Р топки", "Па", -100, 100},
      {"Нагрузка", "%", 0, 100},
      {"Т мазута", "°C", 0, 150},
      {"Р мазута", "МПа", 0, 4}}},
}};

// A deterministic hash of a sample's place, for noise that is the same on every machine.
std::uint32_t Hash(std::uint32_t value) {
    value ^= value >> 16;
    value *= 0x7feb352dU;
    value ^= value >> 15;
    value *= 0x846ca68bU;
    value ^= value >> 16;
    return value;
}

// The percentage, in hundredths, of input `input` of group `group` at minute `minute_of_day`
// (fractional for the second sample): a slow wave around a level of its own, a faster ripple, a
// step up in the working hours for some inputs, and noise.
std::int16_t DemoSample(int group, int input, double minute_of_day) {
    const int channel = (group - 1) * kInputsPerGroup + input;
    const double phase = channel * 0.9;
    const double level = 30.0 + 6.0 * (channel % 7);
    const double slow =
        14.0 * std::sin(2 * std::numbers::pi * minute_of_day / (480.0 + 70.0 * input) + phase);
    const double ripple = 3.0 * std::sin(2 * std::numbers::pi * minute_of_day / (37.0 + channel));
    const bool steps = channel % 3 == 0;
    const double step = steps && minute_of_day >= 8 * 60 && minute_of_day < 17 * 60 ? 12.0 : 0.0;
    const auto bits = Hash(static_cast<std::uint32_t>(channel * 10000 + minute_of_day * 2));
    const double noise = (static_cast<double>(bits % 1000) / 1000.0 - 0.5) * 1.2;
    const double percent = level + slow + ripple + step + noise;
    return static_cast<std::int16_t>(std::lround(percent * 100.0));
}

// Samples of a block: the hour of the day is the block's hour number.
TrendFileBuilder DemoBuilder(const std::vector<std::int16_t>& hour_numbers) {
    TrendFileBuilder builder(kDemoGroups);
    for (int group = 1; group <= kDemoGroups; ++group) {
        for (int input = 0; input < kInputsPerGroup; ++input) {
            const DemoInput& demo = kGroups[group - 1][input];
            builder.Name(group, input, EncodeWindows1251(demo.name))
                .Units(group, input, EncodeWindows1251(demo.units))
                .Scale(group, input, demo.low, demo.high);
        }
    }
    builder.Stamp({2026, 12, 10, 0, 0}).HourBlocks(hour_numbers);
    builder.Samples([hour_numbers](int block, int group, int position) {
        const int minute = position / 12;
        const int input = (position % 12) / 2;
        const int half = position % 2;
        const double minute_of_day = hour_numbers[block] * 60.0 + minute + half * 0.5;
        return DemoSample(group, input, minute_of_day);
    });
    return builder;
}

std::vector<std::int16_t> HoursFrom(int first, int last) {
    std::vector<std::int16_t> hours;
    for (int hour = first; hour <= last; ++hour) {
        hours.push_back(static_cast<std::int16_t>(hour));
    }
    return hours;
}

}  // namespace

std::vector<std::uint8_t> CompleteDemoDay() {
    return DemoBuilder(HoursFrom(0, 23)).Bytes();
}

std::vector<std::uint8_t> ShortDemoDay(int hours) {
    return DemoBuilder(HoursFrom(0, hours - 1)).Bytes();
}

std::vector<std::uint8_t> DamagedOrderDemoDay() {
    std::vector<std::int16_t> hours = HoursFrom(0, 9);
    hours.push_back(4);  // a block from an earlier hour: the load stops here
    const auto rest = HoursFrom(11, 23);
    hours.insert(hours.end(), rest.begin(), rest.end());
    return DemoBuilder(hours).Bytes();
}

std::vector<DemoFile> DemoFiles() {
    return {{"demo-day.dat", CompleteDemoDay()},
            {"demo-17-hours.dat", ShortDemoDay(17)},
            {"demo-damaged-order.dat", DamagedOrderDemoDay()}};
}

std::string EncodeWindows1251(std::string_view utf8) {
    static const std::map<std::string, char> kBytes = [] {
        std::map<std::string, char> bytes;
        for (int byte = 1; byte < 256; ++byte) {
            const char c = static_cast<char>(byte);
            bytes.emplace(DecodeWindows1251(std::string_view(&c, 1)), c);
        }
        return bytes;
    }();
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const auto found = kBytes.find(std::string(utf8.substr(i, length)));
        out.push_back(found == kBytes.end() ? '?' : found->second);
        i += length;
    }
    return out;
}

}  // namespace trend
