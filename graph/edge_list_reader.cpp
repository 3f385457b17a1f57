#include <istream>

#include "graph/edge_list.h"
#include "graph/internal/edge_list_reader.h"
#include "graph/internal/usual_triples.h"

#include <algorithm>
#include <cstdint>
#include <streambuf>
#include <string>

namespace {

using Stop = LoadReport::Stop;

constexpr std::size_t kFoundBytes = 32;
constexpr std::uint64_t kIntMagnitude = 2147483648;  // of INT_MIN; INT_MAX is one less

bool isSpace(int c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool isDigit(int c) {
    return c >= '0' && c <= '9';
}

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
               const graph_internal::FastPathKernel& kernel)
        : buffer_(buffer),
          kernel_(kernel),
          fingerprint_(fingerprint),
          base_(start.offset),
          linesBefore_(start.line - 1),
          lineStart_(start.offset - (start.column - 1)) {}
    ByteWindow(const ByteWindow&) = delete;
    ByteWindow& operator=(const ByteWindow&) = delete;
    ~ByteWindow() { release(); }

    // The next byte, left unread, or EOF.
    int peek() { return next_ != end_ ? static_cast<unsigned char>(*next_) : refill(); }

    // Takes the byte that `peek` returned.
    void take() { ++next_; }

    // Takes the triples of the usual shape that start here, within the
    // window, at most `capacity` of them into `out`; see parseUsualTriples.
    std::size_t takeUsualTriples(EdgeTriple* out, std::size_t capacity) {
        const auto left = static_cast<std::size_t>(end_ - next_);
        return left >= graph_internal::kUsualTriplesReach
                   ? kernel_.parse(next_, end_, out, capacity)
                   : 0;
    }

    // Whether the end of the input has been seen (what sets eofbit).
    bool atEnd() const { return atEnd_; }

    std::uint64_t offset() const { return base_ + static_cast<std::uint64_t>(next_ - start_); }

    // Where the next byte is: offset, line and column.
    InputPosition position() const {
        std::uint64_t lineStart = lineStart_;
        for (const char* at = next_; at != start_;) {
            if (*--at == '\n') {
                lineStart = base_ + static_cast<std::uint64_t>(at - start_) + 1;
                break;
            }
        }
        const std::uint64_t lines = windowSums(next_).lineFeeds;
        return {offset(), linesBefore_ + lines + 1, offset() - lineStart + 1};
    }

    // Hands the bytes taken back to the buffer, which then stands after them.
    void release() noexcept {
        if (start_ != nullptr) {
            fingerprint_ += windowSums(next_).fingerprint;
        }
        handBack();
    }

  private:
    // The sums of the window's bytes before `end`.
    graph_internal::WindowSums windowSums(const char* end) const {
        return graph_internal::windowSumsBy(kernel_, start_, end, base_);
    }

    // Hands the bytes taken back to the buffer, without noting them.
    void handBack() noexcept {
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

    // Moves on to the next window, and returns its first byte or EOF.
    int refill() {
        if (atEnd_) {
            return EOF;
        }
        next_ = end_;
        const graph_internal::WindowSums sums = windowSums(end_);
        linesBefore_ += sums.lineFeeds;
        fingerprint_ += sums.fingerprint;
        for (const char* at = end_; at != start_;) {
            if (*--at == '\n') {
                lineStart_ = base_ + static_cast<std::uint64_t>(at - start_) + 1;
                break;
            }
        }
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

    std::streambuf& buffer_;
    const graph_internal::FastPathKernel& kernel_;
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

// `at`, moved back by `bytes` that hold no line feed.
InputPosition backBy(InputPosition at, std::uint64_t bytes) {
    at.offset -= bytes;
    at.column -= bytes;
    return at;
}

// The items of an edge list, read as `>>` reads them.
class ItemParser {
  public:
    explicit ItemParser(ByteWindow& in) : in_(in) {}

    // Skips whitespace; returns the next byte, left unread, or EOF.
    int skipSpace() {
        int c = in_.peek();
        while (isSpace(c)) {
            in_.take();
            c = in_.peek();
        }
        return c;
    }

    // Reads one non-whitespace byte; false at the end of the input.
    bool readName(char& name, LoadReport& report) {
        const int c = skipSpace();
        if (c == EOF) {
            report.stoppedAt = in_.position();
            report.stop = Stop::endInTriple;
            return false;
        }
        name = static_cast<char>(c);
        in_.take();
        if (c >= 0x80 && !report.multiByteName) {
            noteMultiByteName(c, report);
        }
        return true;
    }

    // Reads an optional sign and decimal digits in the int range.
    bool readNumber(int& value, LoadReport& report) {
        const Stop stop = readInt(value, report.found);
        if (stop != Stop::endOfInput) {
            report.stoppedAt = backBy(in_.position(), in_.offset() - numberStart_);
            report.stop = stop;
        }
        return stop == Stop::endOfInput;
    }

    // Reads the two header records; false when reading stopped in them. An
    // input that ends before its first item holds no edges and is read whole.
    bool readHeader(LoadReport& report) {
        report.inHeader = true;
        for (int record = 0; record < 2; ++record) {
            char name;
            int value;
            if (!readName(name, report)) {
                report.inHeader = record > 0;
                report.stop = report.inHeader ? Stop::endInHeader : Stop::endOfInput;
                return false;
            }
            if (!readNumber(value, report)) {
                if (report.stop == Stop::endInTriple) {
                    report.stop = Stop::endInHeader;
                }
                return false;
            }
        }
        report.inHeader = false;
        return true;
    }

    // Reads triples into `batch` until it holds `capacity`, counting them in
    // `count`; false when reading stopped, with `report` saying where and why.
    bool readTriples(EdgeTriple* batch, std::size_t capacity, std::size_t& count,
                     LoadReport& report) {
        for (; count < capacity; ++count) {
            if (scalarLeft_ > 0) {
                --scalarLeft_;
            } else {
                const std::size_t usual = in_.takeUsualTriples(batch + count, capacity - count);
                count += usual;
                // Where the fast path finds nothing, the next few triples are
                // read without asking it again: an input of another shape
                // then costs little more than before.
                scalarLeft_ = usual == 0 ? kScalarAfterMiss : 0;
                if (count == capacity) {
                    break;
                }
            }
            if (skipSpace() == EOF) {
                report.stoppedAt = in_.position();
                report.stop = Stop::endOfInput;
                return false;
            }
            char source;
            char target;
            int weight;
            if (!readName(source, report) || !readName(target, report) ||
                !readNumber(weight, report)) {
                return false;
            }
            batch[count] = {weight, source, target};
            const int next = in_.peek();
            if (!report.joinedWeight && next != EOF && !isSpace(next)) {
                report.joinedWeight = true;
                report.joinedAt = in_.position();
                report.joinedByte = static_cast<char>(next);
            }
        }
        return true;
    }

  private:
    // Notes the character item `c` just taken if the byte after it is 0x80 or
    // above too.
    void noteMultiByteName(int c, LoadReport& report) {
        const int next = in_.peek();
        if (next >= 0x80) {
            report.multiByteName = true;
            report.multiByteNameAt = backBy(in_.position(), 1);
            report.multiByteNameBytes = {static_cast<char>(c), static_cast<char>(next)};
        }
    }

    // On failure returns notANumber, outOfRange or endInTriple (the end of
    // the input before the number), leaving in `found` what it took and, for
    // no digits, the byte that ended it.
    Stop readInt(int& value, std::string& found) {
        int c = skipSpace();
        numberStart_ = in_.offset();
        if (c == EOF) {
            return Stop::endInTriple;
        }
        char text[kFoundBytes];
        std::size_t length = 0;
        const auto keep = [&](int kept) {
            if (length < kFoundBytes) {
                text[length++] = static_cast<char>(kept);
            }
        };
        const bool negative = c == '-';
        if (negative || c == '+') {
            keep(c);
            in_.take();
            c = in_.peek();
        }
        std::uint64_t magnitude = 0;
        bool anyDigit = false;
        for (; isDigit(c); c = in_.peek()) {
            anyDigit = true;
            magnitude =
                std::min(magnitude * 10 + static_cast<std::uint64_t>(c - '0'), kIntMagnitude + 1);
            keep(c);
            in_.take();
        }
        if (!anyDigit || magnitude > (negative ? kIntMagnitude : kIntMagnitude - 1)) {
            if (!anyDigit && c != EOF) {
                keep(c);
            }
            found.assign(text, length);
            return anyDigit ? Stop::outOfRange : Stop::notANumber;
        }
        value = static_cast<int>(negative ? -static_cast<std::int64_t>(magnitude)
                                          : static_cast<std::int64_t>(magnitude));
        return Stop::endOfInput;
    }

    static constexpr int kScalarAfterMiss = 32;

    ByteWindow& in_;
    std::uint64_t numberStart_ = 0;
    int scalarLeft_ = 0;  // triples to read before the fast path is tried again
};

}  // namespace

void readEdgeList(std::istream& input, EdgeListHeader header, LoadReport& report,
                  const EdgeBatchVisitor& visit) {
    graph_internal::readEdgeListFrom(input, header, InputPosition(), report, visit);
}

void graph_internal::readEdgeListFrom(std::istream& input, EdgeListHeader header,
                                      const InputPosition& start, LoadReport& report,
                                      const EdgeBatchVisitor& visit, const FastPathKernel& kernel) {
    report = LoadReport();
    report.stoppedAt = start;
    const bool withHeader = header == EdgeListHeader::twoRecords;
    const std::istream::sentry ready(input, /*noskipws=*/true);
    if (!ready) {
        report.stop = input.eof() ? Stop::endOfInput : Stop::inputError;
        return;
    }
    std::ios_base::iostate state = std::ios_base::failbit;
    {
        ByteWindow window(*input.rdbuf(), start, report.fingerprint, kernel);
        ItemParser parser(window);
        // Triples are read a batch at a time and handed on between batches,
        // so that only the stream buffer can throw while reading: whatever it
        // throws is a read error, as formatted extraction takes it, while the
        // visitor's exceptions (running out of memory) pass to the caller.
        constexpr std::size_t kBatch = 4096;
        EdgeTriple batch[kBatch];
        bool headerLeft = withHeader;
        for (bool more = true; more;) {
            std::size_t count = 0;
            try {
                more = !headerLeft || parser.readHeader(report);
                headerLeft = false;
                more = more && parser.readTriples(batch, kBatch, count, report);
            } catch (...) {
                report.stop = Stop::inputError;
                report.stoppedAt = window.position();
                report.found.clear();
                state |= std::ios_base::badbit;
                more = false;
            }
            report.triples += count;
            if (count > 0) {
                visit(batch, count);
            }
        }
        if (window.atEnd()) {
            state |= std::ios_base::eofbit;
        }
    }
    input.setstate(state);
}
