// Reading the items of an edge list from a stream.
#ifndef GRAPH_EDGE_LIST_READER_H_
#define GRAPH_EDGE_LIST_READER_H_

#include <istream>
#include <vector>

#include "graph/Graph.h"
#include "graph/table_builder.h"

namespace graph_internal {

// Reads two header records (a character and an integer each) and then edge
// triples (two characters and an integer) from `input`, taking exactly the
// characters that `>>` extraction in the classic locale would take, up to the
// first item that cannot be read. Returns every complete triple, in order, and
// fills `report`; sets `input`'s state as the failed extraction would. O(input).
std::vector<Triple> readEdgeList(std::istream& input, LoadReport& report);

}  // namespace graph_internal

#endif  // GRAPH_EDGE_LIST_READER_H_
