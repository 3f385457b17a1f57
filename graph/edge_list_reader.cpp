#include "graph/edge_list_reader.h"

#include <cstdint>
#include <streambuf>
#include <string>

namespace graph_internal {
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

// Takes characters from a stream buffer one at a time through its inline
// fast path, keeping count of where it is.
class ItemReader {
  public:
    explicit ItemReader(std::streambuf& buffer) : buffer_(buffer) {}

    InputPosition position() const { return {offset_, line_, offset_ - lineStart_ + 1}; }

    // Whether the end of the input has been seen (what sets eofbit).
    bool atEnd() const { return atEnd_; }

    // The character after the last one taken, left unread, or EOF.
    int peek() {
        const int c = buffer_.sgetc();
        if (c == EOF) {
            atEnd_ = true;
        }
        return c;
    }

    // Skips whitespace; returns the next character, left unread, or EOF.
    int skipSpace() {
        int c = peek();
        while (c != EOF && isSpace(c)) {
            if (c == '\n') {
                ++line_;
                lineStart_ = offset_ + 1;
            }
            c = takeAndPeek();
        }
        return c;
    }

    // Reads one non-whitespace character, or returns false at the end.
    bool readChar(char& value) {
        const int c = skipSpace();
        if (c == EOF) {
            return false;
        }
        value = static_cast<char>(c);
        takeAndPeek();
        return true;
    }

    // Reads an optional sign and decimal digits into `value`; on failure
    // returns notANumber, outOfRange or endInTriple (the end of the input
    // before the number), leaving in `found` what it took and the byte that
    // ended it.
    Stop readInt(int& value, std::string& found) {
        int c = skipSpace();
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
            c = takeAndPeek();
        }
        std::uint64_t magnitude = 0;
        bool anyDigit = false;
        for (; isDigit(c); c = takeAndPeek()) {
            anyDigit = true;
            magnitude =
                std::min(magnitude * 10 + static_cast<std::uint64_t>(c - '0'), kIntMagnitude + 1);
            keep(c);
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

  private:
    int takeAndPeek() {
        buffer_.sbumpc();
        ++offset_;
        return peek();
    }

    std::streambuf& buffer_;
    std::uint64_t offset_ = 0;
    std::uint64_t line_ = 1;
    std::uint64_t lineStart_ = 0;  // offset of the current line's first byte
    bool atEnd_ = false;
};

bool readName(ItemReader& reader, char& name, LoadReport& report) {
    if (reader.readChar(name)) {
        return true;
    }
    report.stoppedAt = reader.position();
    report.stop = Stop::endInTriple;
    return false;
}

bool readNumber(ItemReader& reader, int& value, LoadReport& report) {
    reader.skipSpace();
    const InputPosition start = reader.position();
    const Stop stop = reader.readInt(value, report.found);
    if (stop != Stop::endOfInput) {
        report.stoppedAt = start;
        report.stop = stop;
    }
    return stop == Stop::endOfInput;
}

// Reads the two header records; false when reading stopped in them.
bool readHeader(ItemReader& reader, LoadReport& report) {
    report.inHeader = true;
    for (int record = 0; record < 2; ++record) {
        char name;
        int value;
        if (!readName(reader, name, report) || !readNumber(reader, value, report)) {
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
bool readTriples(ItemReader& reader, Triple* batch, std::size_t capacity, std::size_t& count,
                 LoadReport& report) {
    for (; count < capacity; ++count) {
        if (reader.skipSpace() == EOF) {
            report.stoppedAt = reader.position();
            report.stop = Stop::endOfInput;
            return false;
        }
        Triple& triple = batch[count];
        if (!readName(reader, triple.source, report) || !readName(reader, triple.target, report) ||
            !readNumber(reader, triple.weight, report)) {
            return false;
        }
        const int next = reader.peek();
        if (!report.joinedWeight && next != EOF && !isSpace(next)) {
            report.joinedWeight = true;
            report.joinedAt = reader.position();
            report.joinedByte = static_cast<char>(next);
        }
    }
    return true;
}

}  // namespace

std::vector<Triple> readEdgeList(std::istream& input, LoadReport& report) {
    report = LoadReport();
    std::vector<Triple> triples;
    const std::istream::sentry ready(input, /*noskipws=*/true);
    if (!ready) {
        report.stop = input.eof() ? Stop::endInHeader : Stop::inputError;
        report.inHeader = true;
        return triples;
    }
    ItemReader reader(*input.rdbuf());
    std::ios_base::iostate state = std::ios_base::failbit;
    // Triples are read a batch at a time and stored between batches, so that
    // only the stream buffer can throw while reading: whatever it throws is a
    // read error, as formatted extraction takes it, while running out of
    // memory for the triples stays an exception.
    constexpr std::size_t kBatch = 1024;
    Triple batch[kBatch];
    bool header = true;
    for (bool more = true; more;) {
        std::size_t count = 0;
        try {
            more = !header || readHeader(reader, report);
            header = false;
            more = more && readTriples(reader, batch, kBatch, count, report);
        } catch (...) {
            report.stop = Stop::inputError;
            report.stoppedAt = reader.position();
            report.found.clear();
            state |= std::ios_base::badbit;
            more = false;
        }
        triples.insert(triples.end(), batch, batch + count);
    }
    if (reader.atEnd()) {
        state |= std::ios_base::eofbit;
    }
    report.triples = triples.size();
    input.setstate(state);
    return triples;
}

}  // namespace graph_internal
