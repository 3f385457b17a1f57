#include "tool/fd_input.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ios>
#include <system_error>

#include "tool/retry.h"

// A regular file is read as it is when reading begins: what is appended
// later is not read, so that every reading of it reads the same bytes. One
// that says it is empty (as files under /proc do) is read as a stream.
FdStreamBuffer::FdStreamBuffer(int fd, bool owned)
    : fd_(fd), owned_(owned), buffer_(new char[kBufferBytes]) {
    struct stat status;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
        const off_t origin = ::lseek(fd, 0, SEEK_CUR);
        if (origin >= 0 && status.st_size > origin) {
            origin_ = origin;
            length_ = static_cast<std::uint64_t>(status.st_size - origin);
            left_ = length_;
        }
    }
}

bool FdStreamBuffer::restart() {
    if (origin_ < 0 || ::lseek(fd_, origin_, SEEK_SET) != origin_) {
        return false;
    }
    setg(nullptr, nullptr, nullptr);
    left_ = length_;
    capturing_ = false;  // the start is what the first reading met
    return true;
}

FdStreamBuffer::~FdStreamBuffer() {
    if (owned_) {
        ::close(fd_);
    }
}

FdStreamBuffer::int_type FdStreamBuffer::underflow() {
    const auto wanted = static_cast<std::size_t>(std::min<std::uint64_t>(kBufferBytes, left_));
    const ssize_t bytes =
        wanted == 0 ? 0 : retryOnInterrupt([&] { return ::read(fd_, buffer_.get(), wanted); });
    if (bytes < 0) {
        error_ = errno;
        throw std::ios_base::failure("read error");
    }
    left_ -= static_cast<std::uint64_t>(bytes);
    setg(buffer_.get(), buffer_.get(), buffer_.get() + bytes);
    if (capturing_ && start_.size() < kStartBytes && !startIsWhole_) {
        start_.append(buffer_.get(),
                      std::min(static_cast<std::size_t>(bytes), kStartBytes - start_.size()));
        startIsWhole_ = bytes == 0;
    }
    return bytes == 0 ? traits_type::eof() : traits_type::to_int_type(*gptr());
}

InputFile::InputFile(const std::string& name, std::istream& standardInput) {
    if (name == "-") {
        stream_ = &standardInput;
        return;
    }
    const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        openError_ = errno;
        return;
    }
    buffer_ = std::make_unique<FdStreamBuffer>(fd, /*owned=*/true);
    ownStream_ = std::make_unique<std::istream>(buffer_.get());
    stream_ = ownStream_.get();
}

namespace {

FdStreamBuffer* fdBuffer(const std::istream* stream) {
    return stream ? dynamic_cast<FdStreamBuffer*>(stream->rdbuf()) : nullptr;
}

}  // namespace

bool InputFile::canReadAgain() const {
    const FdStreamBuffer* buffer = fdBuffer(stream_);
    return buffer != nullptr && buffer->canRestart();
}

std::istream* InputFile::readAgain() {
    FdStreamBuffer* buffer = fdBuffer(stream_);
    if (buffer == nullptr || !buffer->restart()) {
        return nullptr;
    }
    stream_->clear();
    return stream_;
}

int InputFile::readError() const {
    const FdStreamBuffer* buffer = fdBuffer(stream_);
    return readAtError_ != 0 ? readAtError_.load() : buffer ? buffer->error() : 0;
}

std::string InputFile::start() const {
    const FdStreamBuffer* buffer = fdBuffer(stream_);
    if (!canReadInParts()) {
        return buffer ? buffer->start() : std::string();
    }
    std::string start(FdStreamBuffer::kStartBytes, '\0');
    start.resize(readAt()(0, start.data(), start.size()));
    return start;
}

bool InputFile::startIsWhole() const {
    const FdStreamBuffer* buffer = fdBuffer(stream_);
    return canReadInParts() ? size() <= FdStreamBuffer::kStartBytes
                            : buffer != nullptr && buffer->startIsWhole();
}

bool InputFile::canReadInParts() const {
    return canReadAgain();
}

std::uint64_t InputFile::size() const {
    const FdStreamBuffer* buffer = fdBuffer(stream_);
    return buffer ? buffer->length() : 0;
}

ReadAt InputFile::readAt() const {
    const FdStreamBuffer* buffer = fdBuffer(stream_);
    const int fd = buffer->fd();
    const auto origin = static_cast<std::uint64_t>(buffer->origin());
    std::atomic<int>* error = &readAtError_;
    return [fd, origin, error](std::uint64_t offset, char* bytes, std::size_t size) {
        std::size_t got = 0;
        while (got < size) {
            const ssize_t read = retryOnInterrupt([&] {
                return ::pread(fd, bytes + got, size - got,
                               static_cast<off_t>(origin + offset + got));
            });
            if (read < 0) {
                error->store(errno);
                throw std::system_error(errno, std::generic_category(), "read error");
            }
            if (read == 0) {
                break;
            }
            got += static_cast<std::size_t>(read);
        }
        return got;
    };
}
