// Reading edge-list text: how reading ended, and a reader that hands each
// triple on as it is read, without building a table.
//
// An edge list holds two header records (a character and an integer each,
// read and ignored), then edge triples: a source character, a target
// character and a decimal `int` weight, separated by any whitespace. Items
// are read as `>>` reads them in the classic locale, up to the first item
// that cannot be read.
#ifndef GRAPH_EDGE_LIST_H_
#define GRAPH_EDGE_LIST_H_

#include <cstddef>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <system_error>

// Where in an edge list something was found: a byte offset from 0, and the
// line and byte column from 1 of that offset.
struct InputPosition {
    std::uint64_t offset = 0;
    std::uint64_t line = 1;
    std::uint64_t column = 1;
};

// How reading an edge list ended.
struct LoadReport {
    enum class Stop {
        endOfInput,   // every item was read: the input ended after a whole triple, or held none
        endInHeader,  // the input ended inside the two header records
        endInTriple,  // the input ended after the source or the target of a triple
        notANumber,   // a header value or a weight does not start with digits
        outOfRange,   // a header value or a weight lies outside the int range
        inputError,   // the stream went bad: a read error
        cannotOpen,   // the file could not be opened or read at all; see `error`
    };

    std::size_t triples = 0;  // edge triples read
    Stop stop = Stop::endOfInput;
    bool inHeader = false;  // reading stopped inside the two header records
    // The start of the item that could not be read (after the whitespace before
    // it), the end of the input, or, for an input error, how far reading got.
    InputPosition stoppedAt;
    // What was read of that item, and the one byte that ended it: "x" for a
    // weight "x", "-" for a lone minus sign at the end, the digits of a value out
    // of range (at most 32 bytes). Empty at the end of the input.
    std::string found;
    // The system's reason for Stop::cannotOpen.
    std::error_code error;
    // The first weight followed directly by a byte that is not whitespace, as
    // in "1.25", "0x10" or "6B": that byte is read as the next item, which the
    // format allows but a writer seldom means. `joinedAt` is that byte's place.
    bool joinedWeight = false;
    InputPosition joinedAt;
    char joinedByte = '\0';
    // The first character item (a name, or a header record's character) of a
    // byte 0x80 or above followed directly by another such byte, as in UTF-8
    // text, where one character is several bytes and so several items.
    bool multiByteName = false;
    InputPosition multiByteNameAt;
    std::string multiByteNameBytes;  // that byte and the one after it
    // A checksum of the bytes taken, each weighed by its place: two readings
    // of the same input agree on it, and a change in it shows with near
    // certainty.
    std::uint64_t fingerprint = 0;

    // Whether the whole input was read.
    bool complete() const { return stop == Stop::endOfInput; }
};

// Whether an edge list starts with the two header records, as the format
// has it, or directly with its first triple, as many edge lists are written.
enum class EdgeListHeader { twoRecords, none };

// Every byte value is a vertex name, so a graph has at most this many
// vertices, and a table indexed by name has this many slots.
constexpr std::size_t kNameCount = 256;

// One edge triple as read.
struct EdgeTriple {
    int weight;
    char source;
    char target;
};

// Takes the triples read, in order, a batch at a time.
using EdgeBatchVisitor = std::function<void(const EdgeTriple* triples, std::size_t count)>;

// Reads up to `size` bytes of a file at `offset` into `buffer` and returns
// how many it read, fewer only at the file's end; throws on a read error. It
// may be called from several threads at once.
using ReadAt = std::function<std::size_t(std::uint64_t offset, char* buffer, std::size_t size)>;

// readEdgeList()
//
// Reads `input` as the Graph loading constructors do, taking exactly the bytes
// that `>>` would, hands every complete triple to `visit` in order, fills
// `report`, and leaves `input` in the state the failed extraction would (what
// the stream buffer throws is a read error; what `visit` throws passes on).
// O(input) time, O(1) memory.
void readEdgeList(std::istream& input, EdgeListHeader header, LoadReport& report,
                  const EdgeBatchVisitor& visit);

// describeStop()
//
// Says why reading stopped, in the words graph-query and the Python module
// give it: "a weight is not a number (found 'x')", what was found quoted as
// quotedBytes quotes it; "the end of the input" when it did not. O(1).
std::string describeStop(const LoadReport& report);

// describeJoinedWeight()
//
// Says what the weight joined to the next item (`report.joinedByte`) is read
// as: "'.' right after a weight is read as the next item". O(1).
std::string describeJoinedWeight(const LoadReport& report);

// isItemSpace()
//
// Whether the reader takes `byte` for white space between items, as `>>` does
// in the C locale: a blank, tab, line feed, vertical tab, form feed or
// carriage return. O(1).
constexpr bool isItemSpace(char byte) {
    return byte == ' ' || (byte >= '\t' && byte <= '\r');
}

// quotedBytes()
//
// `text` between single quotes, as messages show what was read: bytes outside
// printable ASCII, the backslash and the quote as \xHH; at most 40 bytes of
// it, then "...". O(1).
std::string quotedBytes(std::string_view text);

#endif  // GRAPH_EDGE_LIST_H_
