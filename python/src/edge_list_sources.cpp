#include "python/src/edge_list_sources.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <istream>
#include <streambuf>
#include <system_error>

#include "tool/fd_input.h"

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

// A file opened as graph-query opens FILE: a regular file read as it is
// when reading begins, by pread for parts; anything else as a stream. A path
// "-" names a file of that name here, never standard input.
class OpenedFile {
  public:
    explicit OpenedFile(const std::string& path)
        : input_(path == "-" ? "./-" : path, noStandardInput_) {}

    InputFile& input() { return input_; }

    // errno of what failed: opening, or a read.
    int error() const {
        return input_.stream() == nullptr ? input_.openError() : input_.readError();
    }

  private:
    std::istream noStandardInput_{nullptr};
    InputFile input_;
};

}  // namespace

std::optional<QueryIndex> readFile(const std::string& path, bool directed, EdgeListHeader header,
                                   unsigned jobs, LoadReport& report, int& error) {
    OpenedFile file(path);
    InputFile& input = file.input();
    std::optional<QueryIndex> index;
    if (input.stream() != nullptr) {
        try {
            if (input.canReadInParts()) {
                index.emplace(input.readAt(), input.size(), directed, report, header, jobs);
            } else {
                index.emplace(*input.stream(), directed, report, header);
            }
        } catch (const std::system_error&) {
            // A part's read failed; its errno is kept.
        }
    }
    error = file.error();
    return error == 0 ? std::move(index) : std::nullopt;
}

std::optional<PartSummary> readFileRange(const std::string& path, const PartStart& start,
                                         std::uint64_t end, bool directed, int& error) {
    OpenedFile file(path);
    InputFile& input = file.input();
    std::optional<PartSummary> part;
    if (input.stream() != nullptr) {
        // A file that cannot be read by offset is read as it comes; it holds
        // no bytes of the range when its first read gives none.
        const ReadAt readAt = input.canReadInParts()
                                  ? input.readAt()
                                  : ReadAt([](std::uint64_t, char*, std::size_t) { return 0; });
        if (!input.canReadInParts() && input.stream()->peek() != EOF) {
            error = ESPIPE;
            return std::nullopt;
        }
        part.emplace(readAt, start, end, directed);
    }
    error = file.error();
    return error == 0 ? std::move(part) : std::nullopt;
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
