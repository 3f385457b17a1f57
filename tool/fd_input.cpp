#include "tool/fd_input.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ios>

FdStreamBuffer::FdStreamBuffer(int fd, bool owned)
    : fd_(fd), owned_(owned), buffer_(new char[kBufferBytes]) {
    struct stat status;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
        start_ = ::lseek(fd, 0, SEEK_CUR);
    }
}

bool FdStreamBuffer::restart() {
    if (start_ < 0 || ::lseek(fd_, start_, SEEK_SET) != start_) {
        return false;
    }
    setg(nullptr, nullptr, nullptr);
    return true;
}

FdStreamBuffer::~FdStreamBuffer() {
    if (owned_) {
        ::close(fd_);
    }
}

FdStreamBuffer::int_type FdStreamBuffer::underflow() {
    ssize_t bytes;
    do {
        bytes = ::read(fd_, buffer_.get(), kBufferBytes);
    } while (bytes < 0 && errno == EINTR);
    if (bytes < 0) {
        error_ = errno;
        throw std::ios_base::failure("read error");
    }
    setg(buffer_.get(), buffer_.get(), buffer_.get() + bytes);
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

bool InputFile::canReadAgain() const {
    const auto* buffer = stream_ ? dynamic_cast<const FdStreamBuffer*>(stream_->rdbuf()) : nullptr;
    return buffer != nullptr && buffer->canRestart();
}

std::istream* InputFile::readAgain() {
    auto* buffer = stream_ ? dynamic_cast<FdStreamBuffer*>(stream_->rdbuf()) : nullptr;
    if (buffer == nullptr || !buffer->restart()) {
        return nullptr;
    }
    stream_->clear();
    return stream_;
}

int InputFile::readError() const {
    const auto* buffer = stream_ ? dynamic_cast<const FdStreamBuffer*>(stream_->rdbuf()) : nullptr;
    return buffer ? buffer->error() : 0;
}
