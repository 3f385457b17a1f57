#include "queries/internal/breadth_first_search.h"

using graph_internal::Row;
using graph_internal::RowIndex;

// Reads the rows themselves rather than a summary of the whole table, so a
// target met early ends the search early.
bool Graph::Reachable(char from, char to) const {
    const RowIndex rows(*this);
    return graph_internal::reaches(from, to, [&](char vertex, auto visit) {
        const Row* row = rows.find(vertex);
        if (row == nullptr) {
            return;
        }
        for (const auto& entry : *row) {
            if (isNeighbourEntry(entry->weight) && !visit(entry->vertex)) {
                return;
            }
        }
    });
}
