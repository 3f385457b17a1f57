// The fast path of the edge-list reader: triples of the usual shape, parsed
// many at a time with vector instructions where the machine has them.
#ifndef GRAPH_INTERNAL_USUAL_TRIPLES_H_
#define GRAPH_INTERNAL_USUAL_TRIPLES_H_

#include <cstddef>
#include <cstdint>

#include "graph/edge_list.h"

namespace graph_internal {

// The bytes past `next` that parseUsualTriples may read, at most, to parse
// the triples that start within the first 64.
constexpr std::size_t kUsualTriplesReach = 80;

// One of the fast path's kernels; see fast_path_kernels.h.
struct FastPathKernel;

// Parses, from `next` (where a triple starts, after any whitespace), triples
// of the usual shape: a name byte and a name byte, each followed by
// whitespace, then a weight of an optional sign and 1 to 8 digits followed by
// whitespace, the items separated by any whitespace. Writes at most
// `capacity` of them to `out`, moves `next` to the end of the last one's
// weight, and returns how many; it stops before a triple of another shape
// (which `>>` may still read) and before one not wholly within the 64 bytes
// it examines when fewer than kUsualTriplesReach bytes remain before `end`.
// Each triple is exactly what `>>` would read there. Every kernel's `parse`
// does this; this one is the chosen kernel's. O(bytes parsed).
std::size_t parseUsualTriples(const char*& next, const char* end, EdgeTriple* out,
                              std::size_t capacity);

// What reading a window of the input notes of its bytes: its line feeds, and
// its fingerprint: the sum, mod 2^64, of (b + 1) * (i + 1 + kFingerprintKey)
// over each byte b at place i of the input, so that the sums of parts make
// the whole's.
struct WindowSums {
    std::uint64_t lineFeeds;
    std::uint64_t fingerprint;
};
constexpr std::uint64_t kFingerprintKey = 0x9E3779B97F4A7C15;

// The sums of the bytes from `begin` to `end`, the first of which stands at
// `offset` of the input, many bytes at a time, by the chosen kernel. O(bytes).
WindowSums windowSums(const char* begin, const char* end, std::uint64_t offset);

// windowSums by `kernel`'s code, whether chosen or not. O(bytes).
WindowSums windowSumsBy(const FastPathKernel& kernel, const char* begin, const char* end,
                        std::uint64_t offset);

// What windowSums needs of a range: its line feeds, the sum of its bytes,
// and of each byte times its place from the range's start.
struct ByteSums {
    std::uint64_t lineFeeds;
    std::uint64_t bytes;
    std::uint64_t placed;
};

}  // namespace graph_internal

#endif  // GRAPH_INTERNAL_USUAL_TRIPLES_H_
