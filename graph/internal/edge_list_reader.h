// The edge-list reader, for a stream that stands anywhere in an input.
#ifndef GRAPH_INTERNAL_EDGE_LIST_READER_H_
#define GRAPH_INTERNAL_EDGE_LIST_READER_H_

#include <istream>

#include "graph/edge_list.h"
#include "graph/internal/fast_path_kernels.h"

namespace graph_internal {

// The most of an item that a report keeps as `found`.
constexpr std::size_t kFoundBytes = 32;

// Whether reading that ended with `stop` ran out of bytes (in the header, in
// a triple or after a whole one) rather than meeting what it could not read:
// then a later part's bytes may go on where it ended.
constexpr bool ranOutOfBytes(LoadReport::Stop stop) {
    return stop == LoadReport::Stop::endOfInput || stop == LoadReport::Stop::endInHeader ||
           stop == LoadReport::Stop::endInTriple;
}

// As readEdgeList, for `input` whose next byte stands at `start` of the
// input: every position reported counts from there, with the fast path of
// `kernel`, which this processor must run. Returns where the items that
// reading ended in began: the header's start when it ended in the header or
// before it, else the first item of the triple it ended in, or the end of the
// input after a whole triple. Reading from there, with more input after it,
// takes what this reading could not finish. O(bytes read).
std::uint64_t readEdgeListFrom(std::istream& input, EdgeListHeader header,
                               const InputPosition& start, LoadReport& report,
                               const EdgeBatchVisitor& visit,
                               const FastPathKernel& kernel = chosenFastPathKernel());

}  // namespace graph_internal

#endif  // GRAPH_INTERNAL_EDGE_LIST_READER_H_
