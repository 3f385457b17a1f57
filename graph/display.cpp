#include "graph/listed_edges.h"

std::string Graph::display() const {
    // Most items take 8 to 10 characters; reserving for them up front saves
    // the copies of growing a listing of millions of items.
    std::size_t entries = 0;
    for (const auto& row : adjList) {
        entries += row.size();
    }
    std::string listing;
    listing.reserve(entries * 10);
    graph_internal::forEachListedEdge(*this, [&](char source, char target, int weight) {
        char item[graph_internal::kListingItemBytes + 1];
        char* end = graph_internal::writeListingItem(item, source, target, weight);
        *end++ = ' ';
        listing.append(item, end);
    });
    return listing;
}
