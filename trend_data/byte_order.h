#pragma once

// Little-endian decoding of the trend file's integers and reals, independent of the host's byte
// order and of alignment: values are assembled from single bytes, never cast onto the buffer.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>

namespace trend {

namespace detail {
inline void RequireBytes(std::span<const std::uint8_t> bytes, std::size_t offset,
                         std::size_t count) {
    if (offset > bytes.size() || bytes.size() - offset < count) {
        throw std::out_of_range("trend file field lies outside its record");
    }
}
}  // namespace detail

[[nodiscard]] inline std::int16_t ReadInt16LE(std::span<const std::uint8_t> bytes,
                                              std::size_t offset) {
    detail::RequireBytes(bytes, offset, 2);
    const auto bits = static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
    return std::bit_cast<std::int16_t>(bits);
}

[[nodiscard]] inline float ReadFloat32LE(std::span<const std::uint8_t> bytes, std::size_t offset) {
    detail::RequireBytes(bytes, offset, 4);
    const std::uint32_t bits =
        std::uint32_t{bytes[offset]} | (std::uint32_t{bytes[offset + 1]} << 8) |
        (std::uint32_t{bytes[offset + 2]} << 16) | (std::uint32_t{bytes[offset + 3]} << 24);
    return std::bit_cast<float>(bits);
}

}  // namespace trend
