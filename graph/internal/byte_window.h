// The edge-list reader's view of its input: a stream buffer's bytes read
// where they lie, a window at a time, with the bookkeeping that positions and
// the fingerprint need.
#ifndef GRAPH_INTERNAL_BYTE_WINDOW_H_
#define GRAPH_INTERNAL_BYTE_WINDOW_H_

#include <cstdint>
#include <cstdio>
#include <streambuf>

#include "graph/edge_list.h"
#include "graph/internal/fast_path_kernels.h"
#include "graph/internal/usual_triples.h"

namespace graph_internal {

// Reads a stream buffer's bytes where they lie, a window at a time: the
// buffer's get area, or a copy of its next byte for a buffer without one. The
// bytes taken are handed back to the buffer only when a window is used up and
// when reading ends, so that the parse runs on plain pointers; line feeds are
// counted window by window, for the positions a report gives.
class ByteWindow {
  public:
    // Reads `buffer`, whose next byte stands at `start`, adding the
    // fingerprint of the bytes it takes to `fingerprint`, with the fast path
    // of `kernel`.
    ByteWindow(std::streambuf& buffer, const InputPosition& start, std::uint64_t& fingerprint,
               const FastPathKernel& kernel)
        : buffer_(buffer),
          kernel_(kernel),
          fingerprint_(fingerprint),
          base_(start.offset),
          linesBefore_(start.line - 1),
          lineStart_(start.offset - (start.column - 1)) {}
    ByteWindow(const ByteWindow&) = delete;
    ByteWindow& operator=(const ByteWindow&) = delete;
    ~ByteWindow() { release(); }

    // The next byte, left unread, or EOF. O(1), but for a new window.
    int peek() { return next_ != end_ ? static_cast<unsigned char>(*next_) : refill(); }

    // Takes the byte that `peek` returned. O(1).
    void take() { ++next_; }

    // Takes the triples of the usual shape that start here, within the
    // window, at most `capacity` of them into `out`; see parseUsualTriples.
    std::size_t takeUsualTriples(EdgeTriple* out, std::size_t capacity) {
        const auto left = static_cast<std::size_t>(end_ - next_);
        return left >= kUsualTriplesReach ? kernel_.parse(next_, end_, out, capacity) : 0;
    }

    // Whether the end of the input has been seen (what sets eofbit).
    bool atEnd() const { return atEnd_; }

    // The offset of the next byte. O(1).
    std::uint64_t offset() const { return base_ + static_cast<std::uint64_t>(next_ - start_); }

    // Where the next byte is: offset, line and column. O(window).
    InputPosition position() const;

    // Hands the bytes taken back to the buffer, which then stands after them.
    void release() noexcept;

  private:
    // The sums of the window's bytes before `end`.
    WindowSums windowSums(const char* end) const {
        return windowSumsBy(kernel_, start_, end, base_);
    }

    // Hands the bytes taken back to the buffer, without noting them.
    void handBack() noexcept;

    // Moves on to the next window, and returns its first byte or EOF.
    int refill();

    // The offset of the first byte of the last line that starts within
    // [start_, end), or `otherwise` when none does.
    std::uint64_t lastLineStart(const char* end, std::uint64_t otherwise) const;

    std::streambuf& buffer_;
    const FastPathKernel& kernel_;
    std::uint64_t& fingerprint_;
    const char* start_ = nullptr;
    const char* next_ = nullptr;
    const char* end_ = nullptr;
    bool inPlace_ = false;  // the window is the buffer's own get area
    char copy_ = '\0';
    std::uint64_t base_;         // the offset of start_
    std::uint64_t linesBefore_;  // line feeds before start_
    std::uint64_t lineStart_;    // the offset of the first byte of a line at or before start_
    bool atEnd_ = false;
};

}  // namespace graph_internal

#endif  // GRAPH_INTERNAL_BYTE_WINDOW_H_
