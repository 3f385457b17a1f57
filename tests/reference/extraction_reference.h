// The plain formatted-extraction reading of an edge list, kept as a reference
// for the loaders: `in >> c >> i >> c >> i`, then `while (in >> s >> t >> w)`,
// with the stream defaults. It calls nothing of the library; only the `Stop`
// names of `LoadReport` are shared, so that results compare directly.
#ifndef TESTS_REFERENCE_EXTRACTION_REFERENCE_H_
#define TESTS_REFERENCE_EXTRACTION_REFERENCE_H_

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "graph/Graph.h"

struct ExtractedTriple {
    char source;
    char target;
    int weight;
};

struct Extraction {
    std::vector<ExtractedTriple> triples;
    bool eof = false;  // the stream's state when reading ended
    bool fail = false;
    bool bad = false;
    std::uint64_t consumed = 0;  // bytes taken: `tellg()` once the state is cleared
    // Why reading ended, told from the item that failed: end of the input while
    // skipping to it, 0 stored (no digits) or INT_MAX/INT_MIN stored (overflow).
    LoadReport::Stop stop = LoadReport::Stop::endOfInput;
    std::size_t failedItem = 0;  // its index: 0 to 3 in the header, then 3 per triple
    bool inHeader = false;
    // Its first byte after the whitespace before it (the end of the input when
    // there is none); after a read error, `consumed`.
    std::uint64_t stoppedAt = 0;
    // The byte directly after the first weight read, when that byte is not
    // whitespace ("1.25", "6B").
    std::optional<std::uint64_t> joinedAt;
};

// Whitespace as the classic locale has it: space, \t, \n, \v, \f, \r.
bool isExtractionSpace(char byte);

// Reads `in`, which serves `bytes` from its start (and may fail to read part of
// them), in the locale `in` has. `tellg()` must work on it.
Extraction extractByOperator(std::istream& in, const std::string& bytes);

// Reads `bytes` from a std::istringstream in the classic locale.
Extraction extractByOperator(const std::string& bytes);

#endif  // TESTS_REFERENCE_EXTRACTION_REFERENCE_H_
