#include "graph/internal/edge_list_parts.h"

#include <algorithm>
#include <istream>
#include <memory>
#include <streambuf>

#include "graph/internal/edge_list_reader.h"

namespace graph_internal {
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

}  // namespace

void readEdgeListRange(const ReadAt& readAt, std::uint64_t begin, std::uint64_t end,
                       EdgeListHeader header, const InputPosition& start, LoadReport& report,
                       const EdgeBatchVisitor& visit) {
    RangeBuffer buffer(readAt, begin, end);
    std::istream input(&buffer);
    readEdgeListFrom(input, header, start, report, visit);
}

std::vector<std::uint64_t> partBoundaries(const ReadAt& readAt, std::uint64_t size, unsigned jobs,
                                          std::uint64_t leastPartBytes) {
    std::vector<std::uint64_t> bounds = {0};
    const std::uint64_t parts =
        std::max<std::uint64_t>(1, std::min<std::uint64_t>(jobs, size / leastPartBytes));
    std::unique_ptr<char[]> block(new char[kBlockBytes]);
    for (std::uint64_t part = 1; part < parts; ++part) {
        // The first line start at or after this part's share: where no line
        // feed comes before the next share, there is no part here.
        std::uint64_t at = std::max(bounds.back(), size / parts * part);
        const std::uint64_t until = size / parts * (part + 1);
        for (bool found = false; !found && at < until;) {
            const std::size_t got =
                readAt(at, block.get(),
                       static_cast<std::size_t>(std::min<std::uint64_t>(kBlockBytes, until - at)));
            const char* feed = std::find(block.get(), block.get() + got, '\n');
            found = feed != block.get() + got;
            at += found ? static_cast<std::uint64_t>(feed - block.get()) + 1 : got;
            if (got == 0) {
                at = until;
            }
            if (found && at < size) {
                bounds.push_back(at);
            }
        }
    }
    bounds.push_back(size);
    return bounds;
}

void addPartReport(LoadReport& whole, const LoadReport& part, std::uint64_t linesBefore) {
    const auto shifted = [&](InputPosition at) {
        at.line += linesBefore;
        return at;
    };
    whole.triples += part.triples;
    whole.fingerprint += part.fingerprint;  // a sum over places, as parts add up
    if (!whole.joinedWeight && part.joinedWeight) {
        whole.joinedWeight = true;
        whole.joinedAt = shifted(part.joinedAt);
        whole.joinedByte = part.joinedByte;
    }
    if (!whole.multiByteName && part.multiByteName) {
        whole.multiByteName = true;
        whole.multiByteNameAt = shifted(part.multiByteNameAt);
        whole.multiByteNameBytes = part.multiByteNameBytes;
    }
    whole.stop = part.stop;
    whole.inHeader = part.inHeader;
    whole.stoppedAt = shifted(part.stoppedAt);
    whole.found = part.found;
    whole.error = part.error;
}

}  // namespace graph_internal
