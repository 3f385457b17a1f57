#include <utility>

#include "graph/internal/row_index.h"
#include "graph/internal/table_builder.h"

using graph_internal::isRowOf;
using graph_internal::kNoRow;
using graph_internal::nameSlot;
using graph_internal::Row;
using graph_internal::RowIndex;

Graph::Graph(std::vector<std::list<std::shared_ptr<Edge>>> table) : vertexCount(0) {
    std::vector<EdgeTriple> triples;
    for (const auto& row : table) {
        for (const auto& entry : row) {
            triples.push_back({entry->weight, entry->vertex, entry->prev});
        }
    }
    table.clear();
    graph_internal::buildTable(*this, triples, /*directed=*/true);
}

Graph::~Graph() = default;

int Graph::findRow(char name) {
    if (!isRowOf(*this, rowHint_[nameSlot(name)], name)) {
        rowHint_ = RowIndex(*this).rows();
    }
    return rowHint_[nameSlot(name)];
}

// Everything that can throw (the records, the list nodes, room for new rows)
// happens before the table is touched; the nodes are then spliced into place,
// which cannot fail, so a failed call leaves the table as it was.
void Graph::addEdge(char source, char target, int weight, bool directed) {
    const int sourceRow = findRow(source);
    const bool loop = source == target;
    const int targetRow = directed ? kNoRow : findRow(target);

    Row forSource;
    if (sourceRow == kNoRow) {
        forSource.push_back(std::make_shared<Edge>(source, '\0', -1));
    }
    forSource.push_back(std::make_shared<Edge>(target, '\0', weight));
    Row forTarget;
    if (!directed) {
        Row& reverseRow = loop ? forSource : forTarget;
        if (!loop && targetRow == kNoRow) {
            reverseRow.push_back(std::make_shared<Edge>(target, '\0', -1));
        }
        reverseRow.push_back(std::make_shared<Edge>(source, '\0', weight));
    }
    const bool newTargetRow = !directed && !loop && targetRow == kNoRow;
    adjList.reserve(adjList.size() + (sourceRow == kNoRow) + newTargetRow);

    const auto place = [this](char owner, int row, Row& entries) {
        if (row == kNoRow) {
            rowHint_[nameSlot(owner)] = static_cast<int>(adjList.size());
            adjList.push_back(std::move(entries));
            ++vertexCount;
        } else {
            auto& existing = adjList[static_cast<std::size_t>(row)];
            existing.splice(existing.end(), entries);
        }
    };
    place(source, sourceRow, forSource);
    if (!directed && !loop) {
        place(target, targetRow, forTarget);
    }
}
