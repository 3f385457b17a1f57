#include "tool/output.h"

#include <unistd.h>

#include <cerrno>

#include "tool/retry.h"

Output::Output(int fd) : fd_(fd) {
    buffer_.reserve(kBufferBytes);
}

Output::Output(std::string& text) : text_(&text) {}

void Output::write(std::string_view text) {
    if (linePrefix_.empty()) {
        append(text);
        return;
    }
    while (!text.empty()) {
        if (atLineStart_) {
            append(linePrefix_);
        }
        const std::size_t lineEnd = text.find('\n');
        const std::size_t length = lineEnd == std::string_view::npos ? text.size() : lineEnd + 1;
        append(text.substr(0, length));
        atLineStart_ = lineEnd != std::string_view::npos;
        text.remove_prefix(length);
    }
}

void Output::append(std::string_view text) {
    if (failed()) {
        return;
    }
    buffer_.append(text);
    if (buffer_.size() >= kBufferBytes) {
        flush();
    }
}

bool Output::flush() {
    if (text_ != nullptr) {
        text_->append(buffer_);
        buffer_.clear();
        return true;
    }
    std::size_t written = 0;
    while (!failed() && written < buffer_.size()) {
        const ssize_t result = retryOnInterrupt(
            [&] { return ::write(fd_, buffer_.data() + written, buffer_.size() - written); });
        if (result >= 0) {
            written += static_cast<std::size_t>(result);
        } else {
            error_ = errno;
        }
    }
    buffer_.clear();
    return !failed();
}
