// The listing of an edge list without its table: every entry the table would
// hold, at 8 bytes an entry, for inputs too large for a Graph.
#ifndef GRAPH_EDGE_LISTING_H_
#define GRAPH_EDGE_LISTING_H_

#include <cstddef>
#include <functional>
#include <memory>

#include "graph/edge_list.h"
#include "graph/routes.h"

// The longest listing item: "(S,T,-2147483648)".
constexpr std::size_t kListingItemBytes = 17;

// writeListingItem()
//
// Writes the listing item "(S,T,W)" at `out`, which has room for
// kListingItemBytes, and returns its end. O(1).
char* writeListingItem(char* out, char source, char target, int weight);

// The entries that loading triples adds to a table, row by row.
class EdgeListing {
  public:
    // An empty listing of a graph loaded directed or not. O(1).
    explicit EdgeListing(bool directed);
    EdgeListing(EdgeListing&&) noexcept;
    EdgeListing& operator=(EdgeListing&&) noexcept;
    ~EdgeListing();

    // Adds the entries of `count` triples, as loading them would. O(count).
    void add(const EdgeTriple* triples, std::size_t count);

    // Calls `visit(source, target, weight)` for the entries `entries` makes
    // edges, each row's in order: with EdgeEntries::neighbours the graph's
    // listing, rows in order of creation; with EdgeEntries::every, every
    // entry, rows in the order their names were first read. O(E).
    void forEachEdge(EdgeEntries entries,
                     const std::function<void(char source, char target, int weight)>& visit) const;

  private:
    struct Rows;
    std::unique_ptr<Rows> rows_;
};

#endif  // GRAPH_EDGE_LISTING_H_
