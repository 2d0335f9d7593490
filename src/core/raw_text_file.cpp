#include "core/raw_text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace cn3 {

namespace {

constexpr std::string_view kMissing = "does not exist";

// Closes the descriptor on every way out.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

}  // namespace

FileResult<LimitedRead> ReadRegularFile(const std::string& what, const std::string& path,
                                        std::size_t limit) {
    const auto fail = [&](std::string reason) -> FileResult<LimitedRead> {
        return FileError{what, path, 0, std::move(reason)};
    };
    // Opened without waiting: a FIFO without a writer would otherwise block the open. The type
    // is then taken from the open file itself, so nothing can be swapped in between.
    errno = 0;
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0) {
        if (errno == ENOENT) return fail(std::string(kMissing));
        return fail(FileError::Because("cannot be opened"));
    }
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) return fail(FileError::Because("cannot be read"));
    if (S_ISDIR(status.st_mode)) return fail("is a folder");
    if (!S_ISREG(status.st_mode)) return fail("is not a regular file");

    LimitedRead read;
    read.size = static_cast<std::uint64_t>(status.st_size);
    if (read.size > limit) {
        read.tooLong = true;
        return read;
    }
    // One byte past the limit tells a file that grew, or a special file with no size, apart.
    std::string bytes(read.size < limit ? static_cast<std::size_t>(read.size) + 1 : limit + 1,
                      '\0');
    std::size_t got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got > limit) break;
            bytes.resize(std::min(limit + 1, bytes.size() * 2 + 4096));
        }
        errno = 0;
        const ssize_t n = ::read(file.get(), bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return fail(FileError::Because("cannot be read"));
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    if (got > limit) {
        read.tooLong = true;
        return read;
    }
    bytes.resize(got);
    read.bytes = std::move(bytes);
    return read;
}

bool IsMissingFile(const FileError& error) {
    return error.reason == kMissing;
}

FileResult<std::string> ReadDataFileBytes(const std::string& what, const std::string& path) {
    auto read = ReadRegularFile(what, path, kTextFileLimit);
    if (!read) return read.error();
    if (read->tooLong) {
        const std::string length = read->size > kTextFileLimit
                                       ? std::to_string(read->size) + " bytes long"
                                       : "longer than " + std::to_string(kTextFileLimit) + " bytes";
        return FileError{what, path, 0,
                         "is " + length + ", more than the 16 MiB a data file may hold"};
    }
    return std::move(read->bytes);
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
    auto read = ReadDataFileBytes("file", path);
    if (!read) return std::nullopt;
    return std::move(read.value());
}

std::vector<std::string> SplitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        start = next;
    }
    return lines;
}

FileResult<std::vector<std::string>> ReadRawLines(const std::string& what,
                                                  const std::string& path) {
    const auto bytes = ReadDataFileBytes(what, path);
    if (!bytes) return bytes.error();
    return SplitLines(*bytes);
}

}  // namespace cn3
