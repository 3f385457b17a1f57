#include "python/src/edge_list_sources.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <istream>
#include <memory>
#include <streambuf>
#include <system_error>

namespace {

// What a stream buffer shows the reader at a time: small enough to stay in
// a core's cache while it is parsed and then summed.
constexpr std::size_t kBlockBytes = std::size_t{1} << 18;

// Bytes in memory, shown a block at a time where they lie.
class MemoryBuffer : public std::streambuf {
  public:
    MemoryBuffer(const char* data, std::size_t size)
        : next_(const_cast<char*>(data)), end_(next_ + size) {}

  protected:
    int_type underflow() override {
        char* const block = next_;
        next_ += std::min<std::size_t>(kBlockBytes, static_cast<std::size_t>(end_ - next_));
        setg(block, block, next_);
        return block == next_ ? traits_type::eof() : traits_type::to_int_type(*block);
    }

  private:
    char* next_;
    char* const end_;
};

// A file descriptor read to its end. A failed read throws, which the reader
// takes for a read error; `error()` keeps errno.
class DescriptorBuffer : public std::streambuf {
  public:
    explicit DescriptorBuffer(int fd) : fd_(fd), block_(new char[kBlockBytes]) {}

    int error() const { return error_; }

  protected:
    int_type underflow() override {
        ssize_t got;
        while ((got = ::read(fd_, block_.get(), kBlockBytes)) < 0 && errno == EINTR) {
        }
        if (got < 0) {
            error_ = errno;
            throw std::system_error(error_, std::generic_category(), "read error");
        }
        setg(block_.get(), block_.get(), block_.get() + got);
        return got == 0 ? traits_type::eof() : traits_type::to_int_type(block_[0]);
    }

  private:
    const int fd_;
    int error_ = 0;
    std::unique_ptr<char[]> block_;
};

// Closes a descriptor when it goes.
struct Descriptor {
    explicit Descriptor(int fd) : fd(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
    const int fd;
};

// Reads a regular file by offset (pread, so that threads share it); a failed
// read throws, keeping errno in `error`.
ReadAt readAtOf(int fd, std::atomic<int>& error) {
    return [fd, &error](std::uint64_t offset, char* bytes, std::size_t size) {
        std::size_t got = 0;
        while (got < size) {
            const ssize_t read =
                ::pread(fd, bytes + got, size - got, static_cast<off_t>(offset + got));
            if (read < 0 && errno == EINTR) {
                continue;
            }
            if (read < 0) {
                const int failed = errno;
                error.store(failed);
                throw std::system_error(failed, std::generic_category(), "read error");
            }
            if (read == 0) {
                break;
            }
            got += static_cast<std::size_t>(read);
        }
        return got;
    };
}

}  // namespace

std::optional<QueryIndex> readFile(const std::string& path, bool directed, EdgeListHeader header,
                                   unsigned jobs, LoadReport& report, int& error) {
    error = 0;
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.fd < 0) {
        error = errno;
        return std::nullopt;
    }
    struct stat status;
    if (::fstat(file.fd, &status) != 0) {
        error = errno;
        return std::nullopt;
    }
    if (S_ISREG(status.st_mode) && status.st_size > 0) {
        // Parts are read on threads of their own, any of which may fail.
        std::atomic<int> partError{0};
        const ReadAt readAt = readAtOf(file.fd, partError);
        try {
            QueryIndex index(readAt, static_cast<std::uint64_t>(status.st_size), directed, report,
                             header, jobs);
            error = partError.load();
            return error == 0 ? std::optional<QueryIndex>(std::move(index)) : std::nullopt;
        } catch (const std::system_error& failed) {
            error = failed.code().value();
            return std::nullopt;
        }
    }
    DescriptorBuffer buffer(file.fd);
    std::istream stream(&buffer);
    QueryIndex index(stream, directed, report, header);
    error = buffer.error();
    return error == 0 ? std::optional<QueryIndex>(std::move(index)) : std::nullopt;
}

std::optional<PartSummary> readFileRange(const std::string& path, const PartStart& start,
                                         std::uint64_t end, bool directed, int& error) {
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.fd < 0) {
        error = errno;
        return std::nullopt;
    }
    std::atomic<int> readError{0};
    PartSummary part(readAtOf(file.fd, readError), start, end, directed);
    error = readError.load();
    return error == 0 ? std::optional<PartSummary>(std::move(part)) : std::nullopt;
}

QueryIndex readMemory(const char* data, std::size_t size, bool directed, EdgeListHeader header,
                      unsigned jobs, LoadReport& report) {
    if (jobs <= 1) {
        MemoryBuffer buffer(data, size);
        std::istream stream(&buffer);
        return QueryIndex(stream, directed, report, header);
    }
    const ReadAt readAt = [data, size](std::uint64_t offset, char* bytes, std::size_t wanted) {
        const std::size_t got = offset >= size ? 0 : std::min<std::size_t>(wanted, size - offset);
        std::memcpy(bytes, data + offset, got);
        return got;
    };
    return QueryIndex(readAt, size, directed, report, header, jobs);
}
