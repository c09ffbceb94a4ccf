#include "trend_data/byte_source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace trend {

void ReadZeroFilled(ByteSource& source, std::int64_t offset, std::span<std::uint8_t> out) {
    const std::size_t delivered = std::min(source.ReadAt(offset, out), out.size());
    std::fill(out.begin() + static_cast<std::ptrdiff_t>(delivered), out.end(), std::uint8_t{0});
}

std::size_t MemoryByteSource::ReadAt(std::int64_t offset, std::span<std::uint8_t> out) {
    if (offset < 0 || offset >= Size()) {
        return 0;
    }
    const auto start = static_cast<std::size_t>(offset);
    const std::size_t count = std::min(out.size(), bytes_.size() - start);
    std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(start), count, out.begin());
    return count;
}

namespace {

class PosixFile final : public ByteSource {
  public:
    PosixFile(int fd, std::int64_t size) : fd_(fd), size_(size) {}
    ~PosixFile() override { ::close(fd_); }
    PosixFile(const PosixFile&) = delete;
    PosixFile& operator=(const PosixFile&) = delete;

    std::int64_t Size() const override { return size_; }

    std::size_t ReadAt(std::int64_t offset, std::span<std::uint8_t> out) override {
        std::size_t done = 0;
        while (offset >= 0 && done < out.size()) {
            const ssize_t n = ::pread(fd_, out.data() + done, out.size() - done,
                                      static_cast<off_t>(offset) + static_cast<off_t>(done));
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                break;  // end of file or a read error: the caller sees a short read
            }
            done += static_cast<std::size_t>(n);
        }
        return done;
    }

  private:
    int fd_;
    std::int64_t size_;
};

}  // namespace

std::unique_ptr<ByteSource> OpenFileForReading(const std::string& path) {
    // Without O_NONBLOCK, opening a named pipe waits for a writer and some devices wait for a
    // peer, which would freeze the window. The flag does not change reads of a regular file, and
    // anything else is refused right after the open.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        return nullptr;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    return std::make_unique<PosixFile>(fd, static_cast<std::int64_t>(info.st_size));
}

}  // namespace trend
