#include "graph/internal/byte_window.h"

namespace graph_internal {
namespace {

// The protected get area of any stream buffer, reached through pointers to
// members named in a derived class, as the language allows.
struct GetArea : std::streambuf {
    static char* start(std::streambuf& buffer) { return (buffer.*&GetArea::eback)(); }
    static char* next(std::streambuf& buffer) { return (buffer.*&GetArea::gptr)(); }
    static char* end(std::streambuf& buffer) { return (buffer.*&GetArea::egptr)(); }
    static void setNext(std::streambuf& buffer, const char* next) {
        (buffer.*&GetArea::setg)(start(buffer), const_cast<char*>(next), end(buffer));
    }
};

}  // namespace

std::uint64_t ByteWindow::lastLineStart(const char* end, std::uint64_t otherwise) const {
    for (const char* at = end; at != start_;) {
        if (*--at == '\n') {
            return base_ + static_cast<std::uint64_t>(at - start_) + 1;
        }
    }
    return otherwise;
}

InputPosition ByteWindow::position() const {
    const std::uint64_t lineStart = lastLineStart(next_, lineStart_);
    const std::uint64_t lines = windowSums(next_).lineFeeds;
    return {offset(), linesBefore_ + lines + 1, offset() - lineStart + 1};
}

void ByteWindow::release() noexcept {
    if (start_ != nullptr) {
        fingerprint_ += windowSums(next_).fingerprint;
    }
    handBack();
}

void ByteWindow::handBack() noexcept {
    try {
        if (inPlace_) {
            GetArea::setNext(buffer_, next_);
        } else if (next_ != start_) {
            buffer_.sbumpc();
        }
    } catch (...) {
        // Only the copied byte was left to take; the buffer has it already.
    }
    start_ = next_ = end_ = nullptr;
    inPlace_ = false;
}

int ByteWindow::refill() {
    if (atEnd_) {
        return EOF;
    }
    next_ = end_;
    const WindowSums sums = windowSums(end_);
    linesBefore_ += sums.lineFeeds;
    fingerprint_ += sums.fingerprint;
    lineStart_ = lastLineStart(end_, lineStart_);
    const std::uint64_t windowEnd = offset();
    handBack();
    base_ = windowEnd;
    const int c = buffer_.sgetc();  // may throw: a read error
    if (c == EOF) {
        atEnd_ = true;
        return EOF;
    }
    char* const next = GetArea::next(buffer_);
    inPlace_ = next != GetArea::end(buffer_);
    if (inPlace_) {
        start_ = next_ = next;
        end_ = GetArea::end(buffer_);
    } else {
        copy_ = static_cast<char>(c);
        start_ = next_ = &copy_;
        end_ = &copy_ + 1;
    }
    return c;
}

}  // namespace graph_internal
