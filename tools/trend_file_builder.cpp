#include "tools/trend_file_builder.h"

#include <algorithm>
#include <bit>
#include <fstream>
#include <stdexcept>

namespace trend {

namespace {

void PutInt16(std::vector<std::uint8_t>& out, std::size_t offset, std::int16_t value) {
    const auto bits = std::bit_cast<std::uint16_t>(value);
    out.at(offset) = static_cast<std::uint8_t>(bits & 0xFF);
    out.at(offset + 1) = static_cast<std::uint8_t>(bits >> 8);
}

void AppendInt16(std::vector<std::uint8_t>& out, std::int16_t value) {
    out.resize(out.size() + 2);
    PutInt16(out, out.size() - 2, value);
}

void PutFloat32(std::vector<std::uint8_t>& out, std::size_t offset, float value) {
    const auto bits = std::bit_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) {
        out.at(offset + i) = static_cast<std::uint8_t>(bits >> (8 * i));
    }
}

void PutText(std::vector<std::uint8_t>& out, std::size_t offset, std::size_t width,
             std::string_view bytes) {
    if (bytes.size() > width) {
        throw std::invalid_argument("text longer than its field");
    }
    std::fill_n(out.begin() + static_cast<std::ptrdiff_t>(offset), width, std::uint8_t{0});
    std::copy(bytes.begin(), bytes.end(), out.begin() + static_cast<std::ptrdiff_t>(offset));
}

}  // namespace

std::int16_t BuiltSample(int block, int group, int position) {
    return static_cast<std::int16_t>(block * 1000 + group * 100 + position % 97 - 16000);
}

HourSamples BuiltRecordSamples(int block, int group) {
    HourSamples samples;
    for (int position = 0; position < kSamplesPerRecord; ++position) {
        samples[position] = BuiltSample(block, group, position);
    }
    return samples;
}

TrendFileBuilder::TrendFileBuilder(int groups)
    : groups_(groups), group_count_field_(static_cast<std::int16_t>(groups)), descriptors_(groups) {
    // The uninterpreted descriptor fields carry junk, which the reader must pass over.
    for (auto& descriptor : descriptors_) {
        descriptor.bytes[0] = descriptor.bytes[1] = 0xEE;
        std::fill(descriptor.bytes.begin() + 134, descriptor.bytes.end(), std::uint8_t{0xEE});
    }
}

TrendFileBuilder& TrendFileBuilder::GroupCountField(std::int16_t value) {
    group_count_field_ = value;
    return *this;
}

TrendFileBuilder& TrendFileBuilder::Name(int group, int input, std::string_view bytes) {
    PutText(descriptors_.at(group - 1).bytes, 2 + 8 * input, 8, bytes);
    return *this;
}

TrendFileBuilder& TrendFileBuilder::Units(int group, int input, std::string_view bytes) {
    PutText(descriptors_.at(group - 1).bytes, 50 + 6 * input, 6, bytes);
    return *this;
}

TrendFileBuilder& TrendFileBuilder::Scale(int group, int input, float low, float high) {
    auto& bytes = descriptors_.at(group - 1).bytes;
    PutFloat32(bytes, 86 + 8 * input, low);
    PutFloat32(bytes, 90 + 8 * input, high);
    return *this;
}

TrendFileBuilder& TrendFileBuilder::Stamp(StartStamp stamp) {
    stamp_ = stamp;
    return *this;
}

TrendFileBuilder& TrendFileBuilder::HourBlock(std::int16_t hour_number) {
    hour_numbers_.push_back(hour_number);
    return *this;
}

TrendFileBuilder& TrendFileBuilder::HourBlocks(const std::vector<std::int16_t>& hour_numbers) {
    hour_numbers_.insert(hour_numbers_.end(), hour_numbers.begin(), hour_numbers.end());
    return *this;
}

TrendFileBuilder& TrendFileBuilder::TrailingBytes(int count) {
    trailing_bytes_ = count;
    return *this;
}

TrendFileBuilder& TrendFileBuilder::Samples(SampleFunction samples) {
    samples_ = std::move(samples);
    return *this;
}

std::vector<std::uint8_t> TrendFileBuilder::Bytes() const {
    std::vector<std::uint8_t> out;
    AppendInt16(out, group_count_field_);
    for (const auto& descriptor : descriptors_) {
        out.insert(out.end(), descriptor.bytes.begin(), descriptor.bytes.end());
    }
    for (const std::int16_t value :
         {stamp_.year, stamp_.month, stamp_.day, stamp_.hour, stamp_.minute}) {
        AppendInt16(out, value);
    }
    for (std::size_t block = 0; block < hour_numbers_.size(); ++block) {
        for (int group = 1; group <= groups_; ++group) {
            AppendInt16(out, hour_numbers_[block]);
            for (int position = 0; position < kSamplesPerRecord; ++position) {
                AppendInt16(out, samples_(static_cast<int>(block), group, position));
            }
        }
    }
    out.insert(out.end(), trailing_bytes_, std::uint8_t{0x5A});
    return out;
}

bool WriteBytesToFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

}  // namespace trend
