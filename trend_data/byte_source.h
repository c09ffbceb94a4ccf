#pragma once

// Read access to a trend file by offset. The load reads through this interface only, so that it
// can run on a file on disk or on bytes in memory (tests, fuzzing) alike.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace trend {

class ByteSource {
  public:
    virtual ~ByteSource() = default;

    // Size of the source in bytes at the time it was opened.
    [[nodiscard]] virtual std::int64_t Size() const = 0;

    // Copies up to out.size() bytes starting at `offset` into `out` and returns how many were
    // delivered: fewer at the end of the source, none past it or for a negative offset.
    [[nodiscard]] virtual std::size_t ReadAt(std::int64_t offset, std::span<std::uint8_t> out) = 0;
};

// Fills `out` from `offset`; the bytes the source does not reach become zero, so that a short
// file never leaves stale data of an earlier load in a record.
void ReadZeroFilled(ByteSource& source, std::int64_t offset, std::span<std::uint8_t> out);

class MemoryByteSource final : public ByteSource {
  public:
    explicit MemoryByteSource(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

    std::int64_t Size() const override { return static_cast<std::int64_t>(bytes_.size()); }
    std::size_t ReadAt(std::int64_t offset, std::span<std::uint8_t> out) override;

  private:
    std::vector<std::uint8_t> bytes_;
};

// Opens a regular file for reading as raw bytes. Returns null, without waiting, when the file is
// missing, cannot be read, or is not a regular file (a directory, a named pipe, a device). The
// file is closed when the returned object is destroyed.
[[nodiscard]] std::unique_ptr<ByteSource> OpenFileForReading(const std::string& path);

}  // namespace trend
