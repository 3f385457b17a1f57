// The grammar of an edge list, item by item as `>>` reads it, over the bytes
// a ByteWindow serves.
#include <algorithm>
#include <cstdint>
#include <istream>
#include <optional>
#include <string>

#include "graph/edge_list.h"
#include "graph/internal/byte_window.h"
#include "graph/internal/edge_list_reader.h"

namespace {

using graph_internal::ByteWindow;
using Stop = LoadReport::Stop;

constexpr std::uint64_t kIntMagnitude = 2147483648;  // of INT_MIN; INT_MAX is one less

bool isDigit(int c) {
    return c >= '0' && c <= '9';
}

// `at`, moved back by `bytes` that hold no line feed.
InputPosition backBy(InputPosition at, std::uint64_t bytes) {
    at.offset -= bytes;
    at.column -= bytes;
    return at;
}

// The items of an edge list, read as `>>` reads them.
class ItemParser {
  public:
    explicit ItemParser(ByteWindow& in) : in_(in), groupStart_(in.offset()) {}

    // Skips whitespace; returns the next byte, left unread, or EOF.
    int skipSpace() {
        int c = in_.peek();
        while (isItemSpace(static_cast<char>(c))) {
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
        const std::optional<Stop> failure = readInt(value, report.found);
        if (failure) {
            report.stoppedAt = backBy(in_.position(), in_.offset() - numberStart_);
            report.stop = *failure;
        }
        return !failure;
    }

    // Reads the two header records; false when reading stopped in them. An
    // input that ends before its first item holds no edges and is read whole.
    bool readHeader(LoadReport& report) {
        groupStart_ = in_.offset();
        report.inHeader = true;
        for (int record = 0; record < 2; ++record) {
            char name;
            int value = 0;
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
            const int first = skipSpace();
            groupStart_ = in_.offset();
            if (first == EOF) {
                report.stoppedAt = in_.position();
                report.stop = Stop::endOfInput;
                return false;
            }
            char source;
            char target;
            int weight = 0;
            if (!readName(source, report) || !readName(target, report) ||
                !readNumber(weight, report)) {
                return false;
            }
            batch[count] = {weight, source, target};
            const int next = in_.peek();
            if (!report.joinedWeight && next != EOF && !isItemSpace(static_cast<char>(next))) {
                report.joinedWeight = true;
                report.joinedAt = in_.position();
                report.joinedByte = static_cast<char>(next);
            }
        }
        return true;
    }

    // Where the header records, or the triple, that reading is in or ended in
    // began: the offset of its first item, or the header's start.
    std::uint64_t groupStart() const { return groupStart_; }

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

    // Reads an int into `value` and returns nothing; or returns why none could
    // be read: notANumber, outOfRange, or endInTriple (the end of the input
    // before the number), leaving in `found` what it took and, for no digits,
    // the byte that ended it.
    std::optional<Stop> readInt(int& value, std::string& found) {
        int c = skipSpace();
        numberStart_ = in_.offset();
        if (c == EOF) {
            return Stop::endInTriple;
        }
        char text[graph_internal::kFoundBytes];
        std::size_t length = 0;
        const auto keep = [&](int kept) {
            if (length < graph_internal::kFoundBytes) {
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
        return std::nullopt;
    }

    static constexpr int kScalarAfterMiss = 32;

    ByteWindow& in_;
    std::uint64_t numberStart_ = 0;
    std::uint64_t groupStart_ = 0;
    int scalarLeft_ = 0;  // triples to read before the fast path is tried again
};

}  // namespace

void readEdgeList(std::istream& input, EdgeListHeader header, LoadReport& report,
                  const EdgeBatchVisitor& visit) {
    graph_internal::readEdgeListFrom(input, header, InputPosition(), report, visit);
}

std::uint64_t graph_internal::readEdgeListFrom(std::istream& input, EdgeListHeader header,
                                               const InputPosition& start, LoadReport& report,
                                               const EdgeBatchVisitor& visit,
                                               const FastPathKernel& kernel) {
    report = LoadReport();
    report.stoppedAt = start;
    const bool withHeader = header == EdgeListHeader::twoRecords;
    const std::istream::sentry ready(input, /*noskipws=*/true);
    if (!ready) {
        report.stop = input.eof() ? Stop::endOfInput : Stop::inputError;
        return start.offset;
    }
    std::ios_base::iostate state = std::ios_base::failbit;
    std::uint64_t groupStart = start.offset;
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
        groupStart = parser.groupStart();
    }
    input.setstate(state);
    return groupStart;
}
