// The plain formatted-extraction reading of an edge list, kept as the loaders'
// reference: `in >> c >> i >> c >> i`, then `while (in >> s >> t >> w)`, with
// the stream defaults. It calls nothing of the library; only the `Stop` names
// of `LoadReport` are shared, so that results compare directly.
#ifndef TESTS_REFERENCE_EXTRACTION_REFERENCE_H_
#define TESTS_REFERENCE_EXTRACTION_REFERENCE_H_

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "graph/Graph.h"

struct ExtractedTriple {
    char source, target;
    int weight;
};

struct Extraction {
    std::vector<ExtractedTriple> triples;
    bool eof = false, bad = false;  // the stream's state when reading ended
    std::uint64_t consumed = 0;     // bytes taken: `tellg()` once the state is cleared
    // Why reading ended, told from the item that failed (C++11 `>>` stores 0
    // for no digits and INT_MAX or INT_MIN for a number out of range), and
    // where that item starts after its whitespace (for a read error: `consumed`).
    LoadReport::Stop stop = LoadReport::Stop::endOfInput;
    bool inHeader = false;
    std::uint64_t stoppedAt = 0;
    // For a value that is not a number or out of range: its sign and digits
    // (at most 32 bytes), or with no digits the byte after the sign too.
    std::string found;
    // The byte directly after the first weight, when not whitespace ("1.25").
    std::optional<std::uint64_t> joinedAt;
    // The first character read of a byte 0x80 or above that the next byte,
    // 0x80 or above too, follows directly.
    std::optional<std::uint64_t> multiByteAt;
};

// Reads `in`, which serves `bytes` from its start (and may fail to read part of
// them). `tellg()` must work on it.
Extraction extractByOperator(std::istream& in, const std::string& bytes);
Extraction extractByOperator(const std::string& bytes);

// The names of `triples` once each, in the order first read, each source before its target.
std::string namesInOrder(const std::vector<ExtractedTriple>& triples);

#endif  // TESTS_REFERENCE_EXTRACTION_REFERENCE_H_
