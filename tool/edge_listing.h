// The entries of a table, row by row, without the table: what `list` and
// `dot` print, at 8 bytes an entry.
#ifndef TOOL_EDGE_LISTING_H_
#define TOOL_EDGE_LISTING_H_

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "graph/edge_list_reader.h"
#include "graph/listed_edges.h"
#include "graph/row_index.h"
#include "queries/appearance_order.h"

class EdgeListing {
  public:
    explicit EdgeListing(bool directed) : directed_(directed) {}

    // Appends the entries that `count` triples add to the table, as loading
    // adds them.
    void add(const graph_internal::Triple* triples, std::size_t count);

    // Calls `visit(source, target, weight)` for the entries `entries` makes
    // edges, each row's in order: with EdgeEntries::neighbours the graph's
    // listing, rows in order of creation; with EdgeEntries::every, every
    // entry, rows in the order their names were first read. O(E).
    template <typename Visit>
    void forEachEdge(EdgeEntries entries, Visit visit) const {
        const bool every = entries == EdgeEntries::every;
        for (const char head : every ? read_.names() : heads_) {
            for (const std::vector<Entry>& chunk : rows_[graph_internal::nameSlot(head)]) {
                for (const Entry& entry : chunk) {
                    if (every || graph_internal::isListed(entry.weight)) {
                        visit(head, entry.target, entry.weight);
                    }
                }
            }
        }
    }

  private:
    struct Entry {
        int weight;
        char target;
    };

    void append(char owner, char target, int weight);

    bool directed_;
    std::string heads_;  // rows in order of creation
    graph_internal::AppearanceOrder read_;
    // Each row's entries in chunks that are never moved, so that growing a
    // row copies nothing.
    std::array<std::vector<std::vector<Entry>>, 256> rows_;
};

#endif  // TOOL_EDGE_LISTING_H_
