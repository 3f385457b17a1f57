// Reading an edge list from a file in parts, on several threads at once, with
// exactly what reading it whole would give.
#ifndef GRAPH_INTERNAL_EDGE_LIST_PARTS_H_
#define GRAPH_INTERNAL_EDGE_LIST_PARTS_H_

#include <cstdint>
#include <vector>

#include "graph/edge_list.h"
#include "graph/part_summary.h"

namespace graph_internal {

// Parts for each thread that reads.
constexpr unsigned kPartsPerJob = 4;

// Parts smaller than this are not worth a thread and a summary of their own,
// whose memory is first touched at some cost.
constexpr std::uint64_t kLeastPartBytes = std::uint64_t{16} << 20;

// Where to split a file of `size` bytes for up to `jobs` parts: 0, then the
// first byte after the first line feed at or after each even share, then
// `size`. Fewer parts where the shares would be smaller than
// `leastPartBytes` or hold no line feed. O(jobs) reads of the file.
std::vector<std::uint64_t> partBoundaries(const ReadAt& readAt, std::uint64_t size, unsigned jobs,
                                          std::uint64_t leastPartBytes = kLeastPartBytes);

// Reads the first `size` bytes through `readAt` as readEdgeList reads a
// stream, for a table loaded `directed` or not, in parts that up to `jobs`
// threads take in turn, each into a PartSummary of its own, then merged in
// order into the first: the summary and report of reading the bytes whole. A
// part that the merge refuses, because the one before ended inside a triple
// or the header, is read again from that one's resume point through its own
// end. What `readAt` throws is a read error; what the summaries throw (out
// of memory) passes on. O(size / jobs) time per thread, O(jobs * V^2) memory.
PartSummary readEdgeListInParts(const ReadAt& readAt, std::uint64_t size, EdgeListHeader header,
                                bool directed, unsigned jobs,
                                std::uint64_t leastPartBytes = kLeastPartBytes);

}  // namespace graph_internal

#endif  // GRAPH_INTERNAL_EDGE_LIST_PARTS_H_
