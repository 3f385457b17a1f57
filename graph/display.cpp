#include <charconv>

#include "graph/Graph.h"

std::string Graph::display() const {
    // Most items take 8 to 10 characters; reserving for them up front saves
    // the copies and page faults of growing a listing of millions of items.
    std::size_t entries = 0;
    for (const auto& row : adjList) {
        entries += row.size();
    }
    std::string listing;
    listing.reserve(entries * 10);
    char weightText[16];
    for (const auto& row : adjList) {
        if (row.empty()) {
            continue;
        }
        const char source = row.front()->vertex;
        for (const auto& entry : row) {
            // Head entries carry weight -1, and so are skipped with any edge stored as -1.
            if (entry->weight == -1) {
                continue;
            }
            char* weightEnd =
                std::to_chars(weightText, weightText + sizeof weightText, entry->weight).ptr;
            listing += '(';
            listing += source;
            listing += ',';
            listing += entry->vertex;
            listing += ',';
            listing.append(weightText, static_cast<std::size_t>(weightEnd - weightText));
            listing += ") ";
        }
    }
    return listing;
}
