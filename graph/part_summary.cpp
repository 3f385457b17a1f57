#include "graph/part_summary.h"

#include <algorithm>
#include <cstring>
#include <istream>
#include <iterator>
#include <memory>
#include <new>
#include <stdexcept>
#include <streambuf>
#include <string>
#include <vector>

#include "graph/internal/edge_list_reader.h"
#include "graph/internal/usual_triples.h"
#include "queries/internal/part_state.h"

using graph_internal::PartState;
using Stop = LoadReport::Stop;

namespace {

// Blocks small enough to stay in a core's cache while they are parsed.
constexpr std::size_t kBlockBytes = std::size_t{1} << 18;

// The bytes [begin, end) of a file, a block at a time; what `readAt` throws
// passes on, and a stream takes it for a read error.
class RangeBuffer : public std::streambuf {
  public:
    RangeBuffer(const ReadAt& readAt, std::uint64_t begin, std::uint64_t end)
        : readAt_(readAt), next_(begin), end_(end), block_(new char[kBlockBytes]) {}

  protected:
    int_type underflow() override {
        const auto wanted =
            static_cast<std::size_t>(std::min<std::uint64_t>(kBlockBytes, end_ - next_));
        const std::size_t got = wanted == 0 ? 0 : readAt_(next_, block_.get(), wanted);
        next_ += got;
        setg(block_.get(), block_.get(), block_.get() + got);
        return got == 0 ? traits_type::eof() : traits_type::to_int_type(block_[0]);
    }

  private:
    const ReadAt& readAt_;
    std::uint64_t next_;
    const std::uint64_t end_;
    std::unique_ptr<char[]> block_;
};

// Bytes in memory, read where they lie: the whole part is one window.
class MemoryBuffer : public std::streambuf {
  public:
    MemoryBuffer(const char* bytes, std::size_t size) {
        char* const first = const_cast<char*>(bytes);  // only read: nothing is put back
        setg(first, first, first + size);
    }
};

// Reads exactly the bytes [from, to) through `readAt` into `out`.
void readExactly(const ReadAt& readAt, std::uint64_t from, std::uint64_t to, char* out) {
    if (readAt(from, out, static_cast<std::size_t>(to - from)) != to - from) {
        throw std::runtime_error("the input ended before bytes read once");
    }
}

// The line feeds and fingerprint of the bytes [from, to). O(to - from).
graph_internal::WindowSums sumsOf(const ReadAt& readAt, std::uint64_t from, std::uint64_t to) {
    graph_internal::WindowSums whole{0, 0};
    std::vector<char> block(
        static_cast<std::size_t>(std::min<std::uint64_t>(kBlockBytes, to - from)));
    for (std::uint64_t at = from; at < to;) {
        const std::uint64_t next = std::min<std::uint64_t>(to, at + block.size());
        readExactly(readAt, at, next, block.data());
        const graph_internal::WindowSums sums =
            graph_internal::windowSums(block.data(), block.data() + (next - at), at);
        whole.lineFeeds += sums.lineFeeds;
        whole.fingerprint += sums.fingerprint;
        at = next;
    }
    return whole;
}

// The column of offset `at` of a part that begins at `start`: after the last
// line feed before it, or counted on from the start's. O(the line's bytes).
std::uint64_t columnAt(const ReadAt& readAt, const PartStart& start, std::uint64_t at) {
    char block[4096];
    for (std::uint64_t to = at; to > start.offset;) {
        const std::uint64_t from = to - std::min<std::uint64_t>(to - start.offset, sizeof block);
        readExactly(readAt, from, to, block);
        const std::reverse_iterator<const char*> last(block + (to - from)), first(block);
        const auto feed = std::find(last, first, '\n');
        if (feed != first) {
            return at - (from + static_cast<std::uint64_t>(feed.base() - 1 - block));
        }
        to = from;
    }
    return start.column + (at - start.offset);
}

// Reads the part from `buffer` into `state`, and notes where the next part
// must begin; `readAt` gives the part's bytes again, for a triple it ran out
// of bytes in.
void readPart(std::streambuf& buffer, const ReadAt& readAt, PartState& state) {
    std::istream input(&buffer);
    const PartStart& start = state.start;
    LoadReport& report = state.report;
    const std::uint64_t groupStart = graph_internal::readEdgeListFrom(
        input, start.header ? EdgeListHeader::twoRecords : EdgeListHeader::none,
        {start.offset, 1, start.column}, report, [&](const EdgeTriple* triples, std::size_t count) {
            state.matrix.addTriples(triples, count);
        });
    if (!graph_internal::ranOutOfBytes(report.stop)) {
        return;  // a real stop: no later part counts
    }
    // It read every byte there is (up to `end`, unless the file was shorter).
    // Where a header or a triple was left unfinished, the next reading takes
    // it from its start, and only the bytes before it count as this part's.
    state.end = report.stoppedAt.offset;
    const bool headerLeft =
        report.stop == Stop::endInHeader || (start.header && groupStart == start.offset);
    const std::uint64_t from = headerLeft                         ? start.offset
                               : report.stop == Stop::endInTriple ? groupStart
                                                                  : state.end;
    try {
        const graph_internal::WindowSums after =
            from == start.offset
                ? graph_internal::WindowSums{report.stoppedAt.line - 1, report.fingerprint}
            : from == state.end ? graph_internal::WindowSums{0, 0}
                                : sumsOf(readAt, from, state.end);
        const std::uint64_t column =
            from == state.end ? report.stoppedAt.column : columnAt(readAt, start, from);
        state.resume = PartStart{from, column, headerLeft};
        state.linesBeforeResume = report.stoppedAt.line - 1 - after.lineFeeds;
        state.fingerprintBeforeResume = report.fingerprint - after.fingerprint;
    } catch (const std::bad_alloc&) {
        throw;
    } catch (...) {
        // Its bytes could not be read again: a read error at the end.
        report.stop = Stop::inputError;
        report.found.clear();
    }
}

// Throws std::invalid_argument unless a part may begin at `start` and end
// at `end`.
void requireStart(const PartStart& start, std::uint64_t end) {
    if (start.column == 0 || end < start.offset) {
        throw std::invalid_argument(
            "PartSummary: a part begins in column 1 or later, and ends where it begins or after");
    }
}

// "offset O, column C", and whether the header records come first.
std::string startText(const PartStart& start) {
    return "offset " + std::to_string(start.offset) + ", column " + std::to_string(start.column) +
           (start.header ? " with the header records first" : "");
}

}  // namespace

PartSummary::PartSummary(const char* bytes, std::size_t size, const PartStart& start, bool directed)
    : state_(std::make_unique<PartState>(directed)) {
    requireStart(start, start.offset + size);
    state_->start = start;
    state_->end = start.offset + size;
    MemoryBuffer buffer(bytes, size);
    const ReadAt again = [&](std::uint64_t offset, char* out, std::size_t wanted) {
        std::memcpy(out, bytes + (offset - start.offset), wanted);
        return wanted;
    };
    readPart(buffer, again, *state_);
}

PartSummary::PartSummary(const ReadAt& readAt, const PartStart& start, std::uint64_t end,
                         bool directed)
    : state_(std::make_unique<PartState>(directed)) {
    requireStart(start, end);
    state_->start = start;
    state_->end = end;
    RangeBuffer buffer(readAt, start.offset, end);
    readPart(buffer, readAt, *state_);
}

PartSummary::PartSummary(std::unique_ptr<PartState> state) : state_(std::move(state)) {}
PartSummary::PartSummary(PartSummary&&) noexcept = default;
PartSummary& PartSummary::operator=(PartSummary&&) noexcept = default;
PartSummary::~PartSummary() = default;

void PartSummary::merge(const PartSummary& later) {
    PartState& whole = *state_;
    const PartState& part = *later.state_;
    if (!whole.resume) {
        return;
    }
    if (part.start != *whole.resume) {
        throw std::invalid_argument("PartSummary::merge: the later part begins at " +
                                    startText(part.start) + ", but this one goes on at " +
                                    startText(*whole.resume) +
                                    ": read the later part again from there");
    }
    if (part.matrix.directed() != whole.matrix.directed()) {
        throw std::invalid_argument(
            "PartSummary::merge: one part is of a directed table, the other not");
    }
    whole.matrix.merge(part.matrix);
    LoadReport& report = whole.report;
    const LoadReport& read = part.report;
    const auto shifted = [&](InputPosition at) {
        at.line += whole.linesBeforeResume;
        return at;
    };
    report.triples += read.triples;
    report.fingerprint = whole.fingerprintBeforeResume + read.fingerprint;  // a sum over places
    if (!report.joinedWeight && read.joinedWeight) {
        report.joinedWeight = true;
        report.joinedAt = shifted(read.joinedAt);
        report.joinedByte = read.joinedByte;
    }
    if (!report.multiByteName && read.multiByteName) {
        report.multiByteName = true;
        report.multiByteNameAt = shifted(read.multiByteNameAt);
        report.multiByteNameBytes = read.multiByteNameBytes;
    }
    report.stop = read.stop;
    report.inHeader = read.inHeader;
    report.stoppedAt = shifted(read.stoppedAt);
    report.found = read.found;
    report.error = read.error;
    whole.end = part.end;
    whole.resume = part.resume;
    whole.linesBeforeResume += part.linesBeforeResume;
    whole.fingerprintBeforeResume += part.fingerprintBeforeResume;
}

const LoadReport& PartSummary::report() const {
    return state_->report;
}

const PartStart& PartSummary::start() const {
    return state_->start;
}

std::uint64_t PartSummary::end() const {
    return state_->end;
}

std::optional<PartStart> PartSummary::resume() const {
    return state_->resume;
}

bool PartSummary::directed() const {
    return state_->matrix.directed();
}
