// Reading the items of an edge list from a stream.
#ifndef GRAPH_EDGE_LIST_READER_H_
#define GRAPH_EDGE_LIST_READER_H_

#include <cstddef>
#include <functional>
#include <istream>

#include "graph/Graph.h"

namespace graph_internal {

// One edge triple as read: 8 bytes, so that a reader may hold many.
struct Triple {
    int weight;
    char source;
    char target;
};

// Calls `add(owner, target, weight)` for each table entry that the triple
// adds, in the order addEdge adds them: the target in the source's row, then,
// unless `directed`, the source in the target's row.
template <typename Add>
void forEachEntryOf(const Triple& triple, bool directed, Add add) {
    add(triple.source, triple.target, triple.weight);
    if (!directed) {
        add(triple.target, triple.source, triple.weight);
    }
}

// Receives the triples read, in order, a batch at a time.
using TripleSink = std::function<void(const Triple* triples, std::size_t count)>;

// Reads the two header records (a character and an integer each; none with
// EdgeListHeader::none) and then edge triples (two characters and an
// integer) from `input`, taking exactly the characters that `>>` extraction in
// the classic locale would take, up to the first item that cannot be read.
// Hands every complete triple to `sink`, fills `report`, and sets `input`'s
// state as the failed extraction would. Only the stream buffer's exceptions
// are caught (as read errors); the sink's pass to the caller. O(input).
void readEdgeList(std::istream& input, EdgeListHeader header, LoadReport& report,
                  const TripleSink& sink);

}  // namespace graph_internal

#endif  // GRAPH_EDGE_LIST_READER_H_
