// What the edge listing shows: every entry whose weight is not -1, as an edge
// from its row's vertex, and how one such edge is written.
#ifndef GRAPH_LISTED_EDGES_H_
#define GRAPH_LISTED_EDGES_H_

#include <charconv>
#include <cstddef>

#include "graph/Graph.h"

namespace graph_internal {

// Whether an entry of this weight is listed: head entries carry -1, and an
// edge stored with -1 is passed over like them.
inline bool isListed(int weight) {
    return weight != -1;
}

// Calls `visit(source, target, weight)` for every listed edge: rows in table
// order, each row's entries in order. O(E).
template <typename Visit>
void forEachListedEdge(const Graph& graph, Visit visit) {
    for (const auto& row : graph.adjList) {
        if (row.empty()) {
            continue;
        }
        const char source = row.front()->vertex;
        for (const auto& entry : row) {
            if (isListed(entry->weight)) {
                visit(source, entry->vertex, entry->weight);
            }
        }
    }
}

// The longest item: "(S,T,-2147483648)".
constexpr std::size_t kListingItemBytes = 17;

// Writes the listing item "(S,T,W)" at `out`, which has room for
// kListingItemBytes, and returns its end.
inline char* writeListingItem(char* out, char source, char target, int weight) {
    *out++ = '(';
    *out++ = source;
    *out++ = ',';
    *out++ = target;
    *out++ = ',';
    out = std::to_chars(out, out + 11, weight).ptr;
    *out++ = ')';
    return out;
}

}  // namespace graph_internal

#endif  // GRAPH_LISTED_EDGES_H_
