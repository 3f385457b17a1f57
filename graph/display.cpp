#include "graph/edge_listing.h"
#include "graph/weighted_graph.h"

std::string Graph::display() const {
    // Most items take 8 to 10 characters; reserving for them up front saves
    // the copies of growing a listing of millions of items.
    std::size_t entries = 0;
    for (const auto& row : adjList) {
        entries += row.size();
    }
    std::string listing;
    listing.reserve(entries * 10);
    for (const auto& row : adjList) {
        for (const auto& entry : row) {
            if (isNeighbourEntry(entry->weight)) {
                char item[kListingItemBytes + 1];
                char* end =
                    writeListingItem(item, row.front()->vertex, entry->vertex, entry->weight);
                *end++ = ' ';
                listing.append(item, end);
            }
        }
    }
    return listing;
}
