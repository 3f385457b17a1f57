// The edge-list reader, for a stream that stands anywhere in an input.
#ifndef GRAPH_INTERNAL_EDGE_LIST_READER_H_
#define GRAPH_INTERNAL_EDGE_LIST_READER_H_

#include <istream>

#include "graph/edge_list.h"
#include "graph/internal/fast_path_kernels.h"

namespace graph_internal {

// As readEdgeList, for `input` whose next byte stands at `start` of the
// input: every position reported counts from there. The fast path is
// `kernel`'s, which this processor must run. O(bytes read).
void readEdgeListFrom(std::istream& input, EdgeListHeader header, const InputPosition& start,
                      LoadReport& report, const EdgeBatchVisitor& visit,
                      const FastPathKernel& kernel = chosenFastPathKernel());

}  // namespace graph_internal

#endif  // GRAPH_INTERNAL_EDGE_LIST_READER_H_
